// The canvas's raster: dots and lines drawn straight into an image.
#include "shell/canvas/pixel_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "shell/canvas/pixel_runs.h"

namespace qelt::shell {

namespace {

// Pixel centres are taken a 64th of a pixel right of and below the whole coordinate, so that
// none lies exactly on an edge of a band between points on whole pixels or simple fractions of
// them (halves to eighths, as on screens scaled by 125 %, 150 % or 200 %).
constexpr double kBias = 1.0 / 64;
constexpr double kFar = 1e9;  // columns beyond this are held there, far off any image

// Columns in 32.32 fixed point, so that a row's limits follow from the last row's by one
// addition; the right shift floors.
using Fixed = std::int64_t;
constexpr Fixed kOne = Fixed{1} << 32;

Fixed ToFixed(double x) {
    return static_cast<Fixed>(std::clamp(x, -kFar, kFar) * 0x1p32);
}
int Whole(Fixed x) {
    return static_cast<int>(x >> 32);
}
int Floor(double x) {
    return Whole(ToFixed(x));
}
int Ceil(double x) {
    return -Floor(-x);
}

// The columns between one pair of parallel edges of the band, row by row from the first row
// on: those whose biased centre (i, row) satisfies lo <= rowFactor * (row - ay) + k * (i - ax)
// < hi. Neither pair of a slanted band's edges runs along the rows, so k is never 0.
struct Edges {
    double rowFactor, k, lo, hi;
};

class Columns {
  public:
    Columns(const Edges& e, double ax, double ay, int row) {
        const double perColumn = 1 / e.k;
        const double step = -e.rowFactor * perColumn;
        const double at = ax - kBias + step * (row + kBias - ay);
        const double from = at + e.lo * perColumn;
        const double to = at + e.hi * perColumn;
        // k > 0: ceil(from) <= i <= ceil(to) - 1;  k < 0: floor(to) + 1 <= i <= floor(from).
        first_ = e.k > 0 ? ToFixed(from) + kOne - 1 : ToFixed(to) + kOne;
        last_ = e.k > 0 ? ToFixed(to) - 1 : ToFixed(from);
        step_ = ToFixed(step);
    }

    // The first and last column in fixed point: flooring keeps order, so the larger of two
    // pairs' first columns floors to the later column.
    Fixed First() const { return first_; }
    Fixed Last() const { return last_; }
    void Next() {
        first_ += step_;
        last_ += step_;
    }

  private:
    Fixed first_;
    Fixed last_;
    Fixed step_;
};

// A band along a row or a column, the pen's square dot among them, is a rectangle: it is found
// without any division, and most marks of a repaint (the sides of every square) are such bands.
void FillRectangle(const Raster& raster, QPointF a, QPointF b, double half, RunColour colour) {
    const int first = std::max(0, Ceil(std::min(a.x(), b.x()) - half - kBias));
    const int last = std::min(raster.width - 1, Ceil(std::max(a.x(), b.x()) + half - kBias) - 1);
    const int top = std::max(0, Ceil(std::min(a.y(), b.y()) - half - kBias));
    const int bottom = std::min(raster.height - 1, Ceil(std::max(a.y(), b.y()) + half - kBias) - 1);
    if (first > last || top > bottom) {
        return;
    }
    QRgb* const pixels = raster.pixels;
    const qsizetype stride = raster.stride;
    const int count = last - first + 1;
    DrawnBlocks::Cursor drawn(*raster.drawn);
    for (qsizetype at = top * stride + first; at <= bottom * stride + first; at += stride) {
        FillRun(pixels + at, count, colour);
        drawn.Note(at, count);
    }
}

// The rows of a slanted band from `top` to `bottom`. Its columns are held to the image, and its
// blocks to the image's end, only when `Held`, as most bands lie wholly on the image and above
// its last row. All the loop needs is held in locals, which a store to the image cannot change.
template <bool Held>
void FillRows(const Raster& raster, Columns ends, Columns sides, int top, int bottom,
              RunColour colour) {
    QRgb* const pixels = raster.pixels;
    const qsizetype stride = raster.stride;
    const qsizetype end = bottom * stride;
    const int right = raster.width - 1;
    DrawnBlocks::Cursor drawn(*raster.drawn);
    for (qsizetype row = top * stride; row <= end; row += stride) {
        int first = Whole(std::max(ends.First(), sides.First()));
        int last = Whole(std::min(ends.Last(), sides.Last()));
        if constexpr (Held) {
            first = std::max(first, 0);
            last = std::min(last, right);
        }
        if (first <= last) {
            const int count = last - first + 1;
            FillRun(pixels + row + first, count, colour);
            if (Held || count > DrawnBlocks::kPixels) {
                drawn.Note(row + first, count);
            } else {
                drawn.NoteBlock(row + first);
            }
        }
        ends.Next();
        sides.Next();
    }
}

}  // namespace

void FillBand(const Raster& raster, QPointF a, QPointF b, int width, QRgb rgb) {
    const double half = std::max(width, 1) / 2.0;
    const RunColour colour(rgb);
    if (a.x() == b.x() || a.y() == b.y()) {
        FillRectangle(raster, a, b, half, colour);
        return;
    }
    // Plain numbers from here on: copies of the points cost a stall at every band.
    const double ax = a.x();
    const double ay = a.y();
    const double bx = b.x();
    const double by = b.y();
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length = std::sqrt(dx * dx + dy * dy);
    // The unit vector along the band. For a pixel centre (i, row),
    // along = (i - ax) ux + (row - ay) uy and across = (row - ay) ux - (i - ax) uy.
    const double ux = dx / length;
    const double uy = dy / length;
    const double reach = half * (std::abs(ux) + std::abs(uy));
    const int top = std::max(0, Floor(std::min(ay, by) - reach));
    const int bottom = std::min(raster.height - 1, Ceil(std::max(ay, by) + reach));
    const Columns ends({uy, ux, -half, length + half}, ax, ay, top);
    const Columns sides({ux, -uy, -half, half}, ax, ay, top);
    // A pixel off by a column from the band's box is still on the image, and a block from a
    // pixel above the last row ends within the image when its rows hold a block.
    if (std::min(ax, bx) - reach >= 1 && std::max(ax, bx) + reach <= raster.width - 2 &&
        bottom < raster.height - 1 && raster.stride >= DrawnBlocks::kPixels) {
        FillRows<false>(raster, ends, sides, top, bottom, colour);
    } else {
        FillRows<true>(raster, ends, sides, top, bottom, colour);
    }
}

}  // namespace qelt::shell
