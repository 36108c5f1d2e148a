// The plot frame and the world window in feet.
#pragma once

#include <string>

#include "state/types.h"

namespace qelt {

// The plot frame centred on the canvas and the world window in feet shown on the axis labels.
struct PlotFrame {
    Single WorldLeft8psng = 0;
    Single WorldRight8psng = 0;
    Single WorldTop8psng = 0;
    Single WorldBottom8psng = 0;
    Integer CanvasLeft8pint = 0;
    Integer CanvasRight8pint = 0;
    Integer CanvasTop8pint = 0;
    Integer CanvasBottom8pint = 0;
    Integer CentreX8pint = 0;
    Integer CentreY8pint = 0;
    Integer HalfWidth8pint = 0;
    Integer HalfHeight8pint = 0;
    Single UnitFactor8psng = 0;
    std::string UnitSuffix8pstr;
};

}  // namespace qelt
