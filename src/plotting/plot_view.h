// What the plotting works on: the canvas, the drawing and palette it shows, its own state.
#pragma once

#include "platform/canvas.h"
#include "platform/control.h"
#include "plotting/display_lists.h"
#include "plotting/plot_frame.h"
#include "state/drawing.h"
#include "state/palette.h"

namespace qelt {

// The labels the plotting writes its read-outs to.
struct Readouts {
    Control& left;
    Control& right;
    Control& top;
    Control& bottom;
    Control& zoomHalfWidth;  // the zoom box's half width while the zoom step waits
};

// Handed in afresh for every call, so the two marks are those of the moment.
struct PlotView {
    Canvas& canvas;
    const DrawingState& drawing;
    const Palette& palette;
    PlotFrame& frame;
    DisplayLists& lists;
    ShownLists& shown;
    Integer& lastWidth;  // the pen width the clipped line primitive last set
    Readouts readouts;
    bool lineSearchOn;  // the found line is set off from the others
    bool zoomBoxShown;  // the zoom box is drawn over the lines
};

}  // namespace qelt
