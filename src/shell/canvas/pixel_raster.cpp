// The canvas's raster: dots and lines drawn straight into an image.
#include "shell/canvas/pixel_raster.h"

#include <algorithm>
#include <climits>
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

// The pixels between one pair of parallel edges of the band: those whose biased centre
// (i, row) satisfies lo <= rowFactor * (row - ay) + k * (i - ax) < hi.
struct Edges {
    double rowFactor, k, lo, hi;
};

struct Rows {
    int first = INT_MIN;
    int last = INT_MAX;
};

// The rows between edges that run along the rows (k = 0, rowFactor 1 or -1); else all rows.
Rows RowsBetween(const Edges& e, QPointF a) {
    if (e.k != 0) {
        return {};
    }
    const double near = a.y() - kBias + e.lo * e.rowFactor;
    const double far = a.y() - kBias + e.hi * e.rowFactor;
    return e.rowFactor > 0 ? Rows{Ceil(near), Ceil(far) - 1} : Rows{Floor(far) + 1, Floor(near)};
}

// The columns between the edges, row by row from the first row on.
class Columns {
  public:
    Columns(const Edges& e, QPointF a, int row) {
        if (e.k == 0) {
            return;  // edges along the rows leave every column of their rows
        }
        const double perColumn = 1 / e.k;
        const double step = -e.rowFactor * perColumn;
        const double at = a.x() - kBias + step * (row + kBias - a.y());
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
    Fixed first_ = ToFixed(-kFar);
    Fixed last_ = ToFixed(kFar);
    Fixed step_ = 0;
};

void FillSpan(QRgb* line, int first, int last, QRgb colour) {
    for (int i = first; i <= last; ++i) {
        line[i] = colour;
    }
}

// A band along a row or a column, the pen's square dot among them, is a rectangle: it is found
// without any division, and most marks of a repaint (the sides of every square) are such bands.
void FillRectangle(QImage& image, QPointF a, QPointF b, double half, QRgb colour) {
    const int first = std::max(0, Ceil(std::min(a.x(), b.x()) - half - kBias));
    const int last = std::min(image.width() - 1, Ceil(std::max(a.x(), b.x()) + half - kBias) - 1);
    const int top = std::max(0, Ceil(std::min(a.y(), b.y()) - half - kBias));
    const int bottom =
        std::min(image.height() - 1, Ceil(std::max(a.y(), b.y()) + half - kBias) - 1);
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const auto stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (int row = top; row <= bottom; ++row) {
        FillSpan(pixels + row * stride, first, last, colour);
    }
}

}  // namespace

void FillBand(QImage& image, QPointF a, QPointF b, int width, QRgb colour) {
    const double half = std::max(width, 1) / 2.0;
    if (a.x() == b.x() || a.y() == b.y()) {
        FillRectangle(image, a, b, half, colour);
        return;
    }
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double length = std::sqrt(dx * dx + dy * dy);
    // The unit vector along the band. For a pixel centre (i, row),
    // along = (i - ax) ux + (row - ay) uy and across = (row - ay) ux - (i - ax) uy.
    const double ux = dx / length;
    const double uy = dy / length;
    const Edges ends{uy, ux, -half, length + half};
    const Edges sides{ux, -uy, -half, half};
    const Rows endRows = RowsBetween(ends, a);
    const Rows sideRows = RowsBetween(sides, a);
    const double reach = half * (std::abs(ux) + std::abs(uy));
    const int top =
        std::max({0, Floor(std::min(a.y(), b.y()) - reach), endRows.first, sideRows.first});
    const int bottom = std::min(
        {image.height() - 1, Ceil(std::max(a.y(), b.y()) + reach), endRows.last, sideRows.last});
    if (top > bottom) {
        return;
    }
    Columns endColumns(ends, a, top);
    Columns sideColumns(sides, a, top);
    const int right = image.width() - 1;
    const auto stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    for (int row = top; row <= bottom; ++row) {
        const int first = std::max({0, endColumns.First(), sideColumns.First()});
        const int last = std::min({right, endColumns.Last(), sideColumns.Last()});
        FillSpan(pixels + row * stride, first, last, colour);
        endColumns.Next();
        sideColumns.Next();
    }
}

}  // namespace qelt::shell
