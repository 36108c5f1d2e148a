// Putting a drawing read from a data file in place of the one on the screen.
#pragma once

#include <string>

#include "interaction/program.h"

namespace qelt {

// Whether a drawing may be opened now: only while no action is under way, which it may not give
// up unasked; else the user is told.
bool ReadyToOpen(Program& p);

// After start-up: the drawing in place with nothing unwritten, repainted, the buttons idle (so
// "Modify a Line" is offered when it has lines), the completion line saying what was read from
// `name`, and the drawing as the first step of the history.
void OpenDrawing(Program& p, const DrawingState& drawing, const std::string& name);

}  // namespace qelt
