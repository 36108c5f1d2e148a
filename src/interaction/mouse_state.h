// Where the mouse is and what it last did, as the canvas and window events leave it.
#pragma once

#include <array>

#include "state/types.h"

namespace qelt {

enum class MouseWhere { PIC, FORM };   // over the canvas, or over the main window around it
enum class PressState { MOVE, DOWN };  // a press is taken only after a move or a release

struct MouseState {
    Integer MouseX8pint = 0;
    Integer MouseY8pint = 0;
    Integer MouseButton8pint = 0;  // 1 left, 2 right, 4 middle; for moves the sum held
    MouseWhere MouseWhere8pstr = MouseWhere::FORM;
    PressState MouseState8pstr = PressState::DOWN;  // no press is taken before start-up
    // X, Y and timer value of the last throttled redraw.
    std::array<Single, 3> LastRedraw8psng{};
    // The last rounded position at which a move over the main window acted.
    std::array<Single, 2> FormMouseLast8psng{};
    bool ZoomBoxArmed8pbol = false;
    // From the click on "Zoom In Box" until the press that completes or drops the zoom step.
    bool ZoomBoxDragging8pbol = false;
};

}  // namespace qelt
