// Drawing calls clipped to the canvas's scale rectangle, bounds included.
#include "plotting/primitives.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace qelt {

namespace {

// The fractions of the way along a segment between which it lies inside the rectangle.
struct Span {
    double from = 0;
    double to = 1;
};

// Narrows `span` to the fractions t where p * t <= q (one edge of the rectangle). An end on the
// inner side of the edge cannot narrow the span, and its division is spared.
bool Narrow(double p, double q, Span& span) {
    if (p == 0) {
        return q >= 0;
    }
    if (p < 0 && q < 0) {
        span.from = std::max(span.from, q / p);
    } else if (p > 0 && q < p) {
        span.to = std::min(span.to, q / p);
    }
    return span.from <= span.to;
}

// The part of the segment from (ax, ay) to (bx, by) inside the rectangle, edge by edge; none
// when the segment misses it. A segment wholly inside spans exactly 0 to 1.
std::optional<Span> InsideSpan(const Bounds& b, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    Span span;
    if (Narrow(-dx, ax - b.left, span) && Narrow(dx, b.right - ax, span) &&
        Narrow(-dy, ay - b.top, span) && Narrow(dy, b.bottom - ay, span)) {
        return span;
    }
    return std::nullopt;
}

// Whether the rectangle with corners (x1, y1) and (x2, y2) lies wholly beyond one edge of the
// canvas, where every side's clipping would only move the pen.
bool Apart(const Bounds& b, Integer x1, Integer y1, Integer x2, Integer y2) {
    return std::max(x1, x2) < b.left || std::min(x1, x2) > b.right || std::max(y1, y2) < b.top ||
           std::min(y1, y2) > b.bottom;
}

// The canvas's width is written only when the width differs from the one the clipped calls
// last set; other drawers set it directly, and this cache does not hear of that.
void TakeWidth(const PlotView& v, Integer width) {
    if (width != v.lastWidth) {
        v.canvas.SetDrawWidth(width);
        v.lastWidth = width;
    }
}

}  // namespace

// Outside, the pen still moves, so that the next line starts at the point it belongs to.
void PlotPointIfInside(Canvas& canvas, Integer x, Integer y) {
    if (IsInsideCanvas(canvas, x, y)) {
        canvas.PSet(x, y);
    } else {
        canvas.MoveTo(x, y);
    }
}

// A line with an end outside is drawn as far as the canvas reaches, and the pen ends at the
// point asked for. The width is taken only when something is drawn.
void LineToIfInside(const PlotView& v, Integer x, Integer y, Long colour, Integer width) {
    LineToIfInside(v, BoundsOf(v.canvas), x, y, colour, width);
}

void LineToIfInside(const PlotView& v, const Bounds& bounds, Integer x, Integer y, Long colour,
                    Integer width) {
    Canvas& canvas = v.canvas;
    const double ax = canvas.CurrentX();
    const double ay = canvas.CurrentY();
    // Both ends inside: the edges would cut nothing, and the span is 0 to 1 without a division.
    const std::optional<Span> span =
        Inside(bounds, ax, ay) && Inside(bounds, x, y) ? Span{} : InsideSpan(bounds, ax, ay, x, y);
    if (!span) {
        canvas.MoveTo(x, y);
        return;
    }
    TakeWidth(v, width);
    if (span->from == 0 && span->to == 1) {
        canvas.Line(x, y, colour);
        return;
    }
    // Held within the bounds, which a cut end lies on but for rounding.
    const auto along = [&](double t) {
        return std::pair{
            static_cast<Single>(std::clamp(ax + t * (x - ax), bounds.left, bounds.right)),
            static_cast<Single>(std::clamp(ay + t * (y - ay), bounds.top, bounds.bottom))};
    };
    const auto [fromX, fromY] = along(span->from);
    const auto [toX, toY] = along(span->to);
    canvas.MoveTo(fromX, fromY);
    canvas.Line(toX, toY, colour);
    canvas.MoveTo(x, y);
}

void DrawSegment(const PlotView& v, Integer x1, Integer y1, Integer x2, Integer y2, Long colour,
                 Integer width) {
    DrawSegment(v, BoundsOf(v.canvas), x1, y1, x2, y2, colour, width);
}

// Most segments of a repaint lie wholly inside: a dot and a line, with no clipping to do.
void DrawSegment(const PlotView& v, const Bounds& bounds, Integer x1, Integer y1, Integer x2,
                 Integer y2, Long colour, Integer width) {
    Canvas& canvas = v.canvas;
    if (!Inside(bounds, x1, y1) || !Inside(bounds, x2, y2)) {
        PlotPointIfInside(canvas, x1, y1);
        LineToIfInside(v, bounds, x2, y2, colour, width);
        return;
    }
    canvas.PSet(x1, y1);
    TakeWidth(v, width);
    canvas.Line(x2, y2, colour);
}

void LineToUnclipped(Canvas& canvas, Integer x, Integer y, Long colour) {
    canvas.Line(x, y, colour);
}

void DrawRectIfInside(const PlotView& v, const Bounds& bounds, Integer x1, Integer y1, Integer x2,
                      Integer y2, Long colour, Integer width) {
    if (Apart(bounds, x1, y1, x2, y2)) {
        v.canvas.MoveTo(x1, y1);
        return;
    }
    PlotPointIfInside(v.canvas, x1, y1);
    LineToIfInside(v, bounds, x2, y1, colour, width);
    LineToIfInside(v, bounds, x2, y2, colour, width);
    LineToIfInside(v, bounds, x1, y2, colour, width);
    LineToIfInside(v, bounds, x1, y1, colour, width);
}

void DrawBox(const PlotView& v, Integer x1, Integer x2, Integer y1, Integer y2) {
    constexpr Integer width = 2;
    DrawRectIfInside(v, BoundsOf(v.canvas), x1, y1, x2, y2, v.palette.NearBlack8plng, width);
}

}  // namespace qelt
