// The plot frame on the canvas and the world window in feet that the axis labels show.
#pragma once

#include <string>

#include "plotting/plot_view.h"

namespace qelt {

void SetUpPlotFrame(const PlotView& v);
// Clamps the frame into the canvas, moves the world window on and rewrites the axis labels.
// When its arithmetic would overflow it changes nothing.
void ComputePlotFrame(const PlotView& v);
std::string FormatLabelNumber(Single value);

}  // namespace qelt
