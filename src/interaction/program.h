// One running program: all of its state, and the platform it draws on and talks through.
#pragma once

#include <string>

#include "interaction/action_flags.h"
#include "interaction/history.h"
#include "interaction/mouse_state.h"
#include "platform/platform.h"
#include "plotting/display_lists.h"
#include "plotting/plot_frame.h"
#include "plotting/plot_view.h"
#include "state/drawing.h"
#include "state/palette.h"

namespace qelt {

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
    ShownLists shown;
    History history;
    // The drawing as it stood before the carried point was picked up, for Cancel to put back.
    DrawingTables beforePick;
    Integer ClickCycle8sint = 0;  // the line search's candidate counter, kept between presses
    Integer LastWidth8sint = 0;   // the pen width the clipped line primitive last set
    bool ended = false;           // once true, no further event reaches the program
    // The data file as last read or written (at start, the empty drawing's): a drawing that
    // makes another has changes not yet written.
    std::string writtenFile;
    // The data file of a drawing that could not be kept: asked again, the program goes on.
    std::string unkeptFile;

    // What the plotting needs of the program at this moment.
    PlotView plotView() {
        const MainControls& c = platform.controls;
        return {platform.canvas,
                drawing,
                palette,
                frame,
                lists,
                shown,
                LastWidth8sint,
                {c.CADleft8lbl, c.CADright8lbl, c.CADtop8lbl, c.CADbotton8lbl, c.Label21},
                actions.LineSearchOn8pbol,
                mouse.ZoomBoxDragging8pbol};
    }
};

}  // namespace qelt
