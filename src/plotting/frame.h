#pragma once

#include <string>

#include "program/program.h"

namespace qelt {

void SetUpPlotFrame(Program& p);
// Clamps the frame into the canvas, moves the world window on and rewrites the axis labels.
// When its arithmetic would overflow it changes nothing.
void ComputePlotFrame(Program& p);
std::string FormatLabelNumber(const Single& value);

}  // namespace qelt
