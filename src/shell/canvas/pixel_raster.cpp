// The canvas's raster: dots and lines drawn straight into an image.
#include "shell/canvas/pixel_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

    int First() const { return Whole(first_); }
    int Last() const { return Whole(last_); }
    void Next() {
        first_ += step_;
        last_ += step_;
    }

  private:
    Fixed first_;
    Fixed last_;
    Fixed step_;
};

// Columns `first` to `last` of a row; most rows of a repaint are two to six pixels. A plain loop:
// eight pixels read, blended and written back measured slower, the read waiting on a cache line
// that a store would not wait for.
void FillSpan(QRgb* line, int first, int last, QRgb colour) {
    for (int i = first; i <= last; ++i) {
        line[i] = colour;
    }
}

// A band along a row or a column, the pen's square dot among them, is a rectangle: it is found
// without any division, and most marks of a repaint (the sides of every square) are such bands.
void FillRectangle(const Raster& raster, QPointF a, QPointF b, double half, QRgb colour) {
    const int first = std::max(0, Ceil(std::min(a.x(), b.x()) - half - kBias));
    const int last = std::min(raster.width - 1, Ceil(std::max(a.x(), b.x()) + half - kBias) - 1);
    const int top = std::max(0, Ceil(std::min(a.y(), b.y()) - half - kBias));
    const int bottom = std::min(raster.height - 1, Ceil(std::max(a.y(), b.y()) + half - kBias) - 1);
    if (first > last || top > bottom) {
        return;
    }
    for (int row = top; row <= bottom; ++row) {
        FillSpan(raster.pixels + row * raster.stride, first, last, colour);
    }
    raster.drawn.Note(top, bottom, first, last);
}

}  // namespace

void FillBand(const Raster& raster, QPointF a, QPointF b, int width, QRgb colour) {
    const double half = std::max(width, 1) / 2.0;
    if (a.x() == b.x() || a.y() == b.y()) {
        FillRectangle(raster, a, b, half, colour);
        return;
    }
    // Plain numbers from here on: copies of the points cost a stall at every band.
    const double ax = a.x();
    const double ay = a.y();
    const double by = b.y();
    const double dx = b.x() - ax;
    const double dy = by - ay;
    const double length = std::sqrt(dx * dx + dy * dy);
    // The unit vector along the band. For a pixel centre (i, row),
    // along = (i - ax) ux + (row - ay) uy and across = (row - ay) ux - (i - ax) uy.
    const double ux = dx / length;
    const double uy = dy / length;
    const double reach = half * (std::abs(ux) + std::abs(uy));
    const int top = std::max(0, Floor(std::min(ay, by) - reach));
    const int bottom = std::min(raster.height - 1, Ceil(std::max(ay, by) + reach));
    Columns ends({uy, ux, -half, length + half}, ax, ay, top);
    Columns sides({ux, -uy, -half, half}, ax, ay, top);
    const int right = raster.width - 1;
    for (int row = top; row <= bottom; ++row) {
        const int first = std::max({0, ends.First(), sides.First()});
        const int last = std::min({right, ends.Last(), sides.Last()});
        if (first <= last) {
            FillSpan(raster.pixels + row * raster.stride, first, last, colour);
            raster.drawn.Note(row, first, last);
        }
        ends.Next();
        sides.Next();
    }
}

}  // namespace qelt::shell
