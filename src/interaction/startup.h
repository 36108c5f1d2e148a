// The start-up sequence that the main window's load event runs.
#pragma once

#include "interaction/program.h"

namespace qelt {

// The main window's load event: the plot frame, the colours and an empty drawing set up, the
// windows shown and the buttons idle; the empty drawing is the history's first step, and written.
void StartProgram(Program& p);

}  // namespace qelt
