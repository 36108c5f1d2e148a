// The operations that change the drawing: line creation, line selection and point editing.
#pragma once

#include "state/drawing.h"

namespace qelt {

// Line creation and point entry.
// Appends an empty line and selects it; false, changing nothing, when the table is full.
[[nodiscard]] bool CreateLine(DrawingState& d);
enum class PointEntry { Added, LineFull, PoolFull };
// Appends (x, y) as the next point of the last line.
PointEntry AddPointAtMouse(DrawingState& d, Integer x, Integer y);
// Hands out the lowest free pool slot, or the next never-used one; false when the pool is full.
bool AllocPoint(DrawingState& d, Integer& slot);

// Line hit-testing and selection.
// Selects the line whose box holds (x, y); repeated presses step through the candidates with
// `clickCycle`, which the caller keeps between presses. A box that is flat along an axis reaches
// as far as a point's square, `reachX` or `reachY` pixels, beyond its points. Returns whether a
// line was found; `SelectedLine8pint` is NoLine when none was.
bool FindNearestLine(DrawingState& d, Integer x, Integer y, bool searchAllLines,
                     Integer& clickCycle, Integer reachX, Integer reachY);
// Whether (x, y) lies on the square of a point of `line`, which reaches `reachX` and `reachY`
// pixels to either side of the point.
bool OnPointSquare(const DrawingState& d, Integer line, Integer x, Integer y, Integer reachX,
                   Integer reachY);

// Point editing.
// Stores the vertex (or, with `pickMidpoints`, the segment midpoint) nearest to (x, y) in
// `FoundLine8pint` and `FoundPoint8pint`, searching `line` only unless it is NoLine. Returns
// whether a midpoint was found.
bool FindNearestPoint(DrawingState& d, Integer line, Integer x, Integer y, bool pickMidpoints);
void MovePointToMouse(DrawingState& d, Integer x, Integer y);
void InsertPointAfterFound(DrawingState& d, Integer x, Integer y);
void DeleteFoundPoint(DrawingState& d);
void DeleteSelectedLine(DrawingState& d);

}  // namespace qelt
