// Drawing calls clipped to the canvas's scale rectangle, bounds included.
#pragma once

#include "plotting/plot_view.h"

namespace qelt {

bool IsInsideCanvas(const Canvas& canvas, Integer x, Integer y);
void PlotPointIfInside(Canvas& canvas, Integer x, Integer y);
void LineToIfInside(const PlotView& v, Integer x, Integer y, Long colour, Integer width);
void DrawSegment(const PlotView& v, Integer x1, Integer y1, Integer x2, Integer y2, Long colour,
                 Integer width);
void LineToUnclipped(Canvas& canvas, Integer x, Integer y, Long colour);
void DrawBox(const PlotView& v, Integer x1, Integer x2, Integer y1, Integer y2);

}  // namespace qelt
