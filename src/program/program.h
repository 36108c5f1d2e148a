#pragma once

#include "interaction/action_flags.h"
#include "interaction/mouse_state.h"
#include "platform/platform.h"
#include "plotting/display_lists.h"
#include "plotting/plot_frame.h"
#include "state/drawing.h"
#include "state/palette.h"

namespace qelt {

// One running program: all of its state, and the platform it draws on and talks through.
// Nothing is global, so any number of programs can run side by side.
struct Program {
    explicit Program(const Platform& p) : platform(p) {}

    Platform platform;
    DrawingState drawing;
    Palette palette;
    MouseState mouse;
    ActionFlags actions;
    PlotFrame frame;
    DisplayLists lists;
    Integer ClickCycle8sint = 0;  // the line search's candidate counter, kept between presses
    Integer LastWidth8sint = 0;   // the pen width the clipped line primitive last set
    bool ended = false;           // once true, no further event reaches the program
};

}  // namespace qelt
