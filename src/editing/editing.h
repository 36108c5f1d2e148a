#pragma once

#include "program/program.h"

namespace qelt {

// Line creation and point entry.
void CreateLine(Program& p);
void AddPointAtMouse(Program& p);
// Hands out the lowest free pool slot, or the next never-used one; false when the pool is full.
bool AllocPoint(DrawingState& d, Integer& slot);

// Line hit-testing and selection.
void FindNearestLine(Program& p);
void MouseInLineBox(const Program& p, const Integer& line, bool& inside);
void GetLinePoint(const DrawingState& d, const Integer& line, const Integer& position, Integer& x,
                  Integer& y);

// Point editing.
void FindNearestPoint(Program& p, const Integer& line, const bool& pickMidpoints,
                      bool& midpointPicked, Integer& foundLine, Integer& foundPoint);
void MovePointToMouse(Program& p);
void InsertPointAfterFound(Program& p);
void DeleteFoundPoint(Program& p);
void DeleteSelectedLine(DrawingState& d);
void FreePoint(DrawingState& d, const Integer& slot);

}  // namespace qelt
