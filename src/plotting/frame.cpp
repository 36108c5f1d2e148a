#include "plotting/frame.h"

namespace qelt {

void SetUpPlotFrame(Program&) {}
void ComputePlotFrame(Program&) {}
std::string FormatLabelNumber(const Single&) { return {}; }

}  // namespace qelt
