#pragma once

#include "program/program.h"

namespace qelt {

// Drawing calls that test only their own target point against the canvas, bounds included.
bool IsInsideCanvas(const Canvas& canvas, Integer x, Integer y);
void PlotPointIfInside(Canvas& canvas, Integer x, Integer y);
void LineToIfInside(Program& p, Integer x, Integer y, Long colour, Integer width);
void DrawSegment(Program& p, Integer x1, Integer y1, Integer x2, Integer y2, Long colour,
                 Integer width);
void LineToUnclipped(Canvas& canvas, Integer x, Integer y, Long colour);
void DrawBox(Program& p, Integer x1, Integer x2, Integer y1, Integer y2);

}  // namespace qelt
