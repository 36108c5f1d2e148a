// The drawing data file: its name and its exact bytes for a drawing.
#pragma once

#include <string>

#include "state/drawing.h"

namespace qelt {

inline constexpr const char* DataFileName = "Qelt-CAD-float.csv";

// The exact bytes of the data file for the drawing, every line ending in CR LF.
std::string DataFileText(const DrawingState& d);

// What the file holds, as a person reads it: "1 line, 2 points".
std::string LinesAndPoints(const DrawingState& d);

}  // namespace qelt
