#pragma once

#include <string>

#include "program/program.h"

namespace qelt {

inline constexpr const char* DataFileName = "Qelt-CAD-float.csv";

// The exact bytes of the data file for the drawing, every line ending in CR LF.
std::string DataFileText(const DrawingState& d);
// Writes the data file and ends the program; if the file cannot be written, says why and
// leaves the drawing and the program running.
void WriteDataFile(Program& p);

}  // namespace qelt
