#include "plotting/primitives.h"

namespace qelt {

// The scale rectangle is read afresh on every test, so a rescaled canvas clips at once.
bool IsInsideCanvas(const Canvas& canvas, Integer x, Integer y) {
    const auto fx = static_cast<Single>(x);
    const auto fy = static_cast<Single>(y);
    const bool leftOk = !(fx < canvas.ScaleLeft());
    const auto right = static_cast<Single>(double{canvas.ScaleLeft()} + canvas.ScaleWidth());
    const bool rightOk = !(right < fx);
    const auto bottom = static_cast<Single>(double{canvas.ScaleTop()} + canvas.ScaleHeight());
    const bool bottomOk = !(bottom < fy);
    const bool topOk = !(fy < canvas.ScaleTop());
    return leftOk && rightOk && bottomOk && topOk;
}

void PlotPointIfInside(Canvas& canvas, Integer x, Integer y) {
    if (IsInsideCanvas(canvas, x, y)) {
        canvas.PSet(x, y);
    }
}

// The canvas's width is written only when it differs from the one this call last set; other
// drawers set it directly, and this cache does not hear of that.
void LineToIfInside(PlotView v, Integer x, Integer y, Long colour, Integer width) {
    if (!IsInsideCanvas(v.canvas, x, y)) {
        return;
    }
    if (width != v.lastWidth) {
        v.canvas.SetDrawWidth(width);
        v.lastWidth = width;
    }
    v.canvas.Line(x, y, colour);
}

void DrawSegment(PlotView v, Integer x1, Integer y1, Integer x2, Integer y2, Long colour,
                 Integer width) {
    PlotPointIfInside(v.canvas, x1, y1);
    LineToIfInside(v, x2, y2, colour, width);
}

void LineToUnclipped(Canvas& canvas, Integer x, Integer y, Long colour) {
    canvas.Line(x, y, colour);
}

void DrawBox(PlotView v, Integer x1, Integer x2, Integer y1, Integer y2) {
    const Long colour = v.palette.NearBlack8plng;
    constexpr Integer width = 2;
    PlotPointIfInside(v.canvas, x1, y1);
    LineToIfInside(v, x2, y1, colour, width);
    LineToIfInside(v, x2, y2, colour, width);
    LineToIfInside(v, x1, y2, colour, width);
    LineToIfInside(v, x1, y1, colour, width);
}

}  // namespace qelt
