#pragma once

#include "program/program.h"

namespace qelt {

void Form_Load(Program& p);
void StartPlotting(Program& p);
void StartDrawing(Program& p);
// Ends the program at once: no further event reaches it.
void EndProgram(Program& p);

}  // namespace qelt
