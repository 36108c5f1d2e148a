// Drawing calls clipped to the canvas's scale rectangle, bounds included.
#pragma once

#include "plotting/plot_view.h"

namespace qelt {

// The scale rectangle, bounds included; read afresh on every call, so a rescaled canvas clips at
// once. The far edges are summed as the inside test has always summed them, in single precision.
// Inline, as every mark of a repaint asks.
struct Bounds {
    double left, right, top, bottom;
};

inline Bounds BoundsOf(const Canvas& canvas) {
    const auto right = static_cast<Single>(double{canvas.ScaleLeft()} + canvas.ScaleWidth());
    const auto bottom = static_cast<Single>(double{canvas.ScaleTop()} + canvas.ScaleHeight());
    return {canvas.ScaleLeft(), right, canvas.ScaleTop(), bottom};
}

inline bool Inside(const Bounds& b, double x, double y) {
    return b.left <= x && x <= b.right && b.top <= y && y <= b.bottom;
}

inline bool IsInsideCanvas(const Canvas& canvas, Integer x, Integer y) {
    return Inside(BoundsOf(canvas), x, y);
}

void PlotPointIfInside(Canvas& canvas, Integer x, Integer y);
void LineToIfInside(const PlotView& v, Integer x, Integer y, Long colour, Integer width);
void DrawSegment(const PlotView& v, Integer x1, Integer y1, Integer x2, Integer y2, Long colour,
                 Integer width);
// The same, within `bounds` taken once for the many marks of a repaint.
void LineToIfInside(const PlotView& v, const Bounds& bounds, Integer x, Integer y, Long colour,
                    Integer width);
void DrawSegment(const PlotView& v, const Bounds& bounds, Integer x1, Integer y1, Integer x2,
                 Integer y2, Long colour, Integer width);
void LineToUnclipped(Canvas& canvas, Integer x, Integer y, Long colour);
// A dot at (x1, y1), then the sides round through (x2, y1), (x2, y2) and (x1, y2), clipped; the
// pen ends at (x1, y1).
void DrawRectIfInside(const PlotView& v, const Bounds& bounds, Integer x1, Integer y1, Integer x2,
                      Integer y2, Long colour, Integer width);
void DrawBox(const PlotView& v, Integer x1, Integer x2, Integer y1, Integer y2);

}  // namespace qelt
