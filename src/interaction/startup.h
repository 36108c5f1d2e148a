// The start-up sequence that the main window's load event runs.
#pragma once

#include "interaction/program.h"

namespace qelt {

void Form_Load(Program& p);

}  // namespace qelt
