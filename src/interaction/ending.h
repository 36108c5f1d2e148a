// The two ways the program ends, END at once and "Write && End" once the data file is written,
// and what keeps a drawing from being lost on the way.
#pragma once

#include "interaction/program.h"

namespace qelt {

// Whether the drawing has changes not written since start, since it was read, or since the last
// write.
bool HasUnwrittenChanges(const Program& p);
// Before a drawing with unwritten changes goes: keeps it among the kept drawings and says where
// on standard error. Where it cannot be kept, tells the user why and returns false, so that the
// drawing stays; asked again for the same drawing, goes on without keeping it.
bool KeepUnwritten(Program& p);
// END: ends the program at once, once a drawing with unwritten changes is kept; no further
// event reaches it.
void EndProgram(Program& p);
// Writes the data file and says where on standard output; if the file cannot be written, says
// why and returns false, leaving the drawing and the program running.
bool WriteDrawing(Program& p);
// "Write && End": writes the data file, then ends the program.
void WriteDataFile(Program& p);

}  // namespace qelt
