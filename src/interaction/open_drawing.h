// Putting a drawing read from a data file in place of the empty one the program starts with.
#pragma once

#include <string>

#include "program/program.h"

namespace qelt {

// After start-up: the drawing in place, repainted, the buttons idle (so "Modify a Line" is
// offered when it has lines), the completion line saying what was read from `name`, and the
// drawing as the first step of the history.
void OpenDrawing(Program& p, const DrawingState& drawing, const std::string& name);

}  // namespace qelt
