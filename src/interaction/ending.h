// The two ways the program ends: END at once, "Write && End" once the data file is written.
#pragma once

#include "program/program.h"

namespace qelt {

// Ends the program at once: no further event reaches it.
void EndProgram(Program& p);
// Writes the data file and ends the program; if the file cannot be written, says why and
// leaves the drawing and the program running.
void WriteDataFile(Program& p);

}  // namespace qelt
