#pragma once

#include <array>
#include <string>

#include "state/types.h"

namespace qelt {

struct MouseState {
    Integer MouseX8pint = 0;
    Integer MouseY8pint = 0;
    Integer MouseButton8pint = 0;  // 1 left, 2 right, 4 middle; for moves the sum held
    std::string MouseWhere8pstr;   // "PIC" or "FORM"
    std::string MouseState8pstr;   // "MOVE" or "DOWN"
    // X, Y and timer value of the last throttled redraw.
    std::array<Single, 3> LastRedraw8psng{};
    // The last rounded position at which a move over the main window acted.
    std::array<Single, 2> FormMouseLast8psng{};
    bool ZoomBoxArmed8pbol = false;
    // From the click on "Zoom In Box" until the press that completes or drops the zoom step.
    bool ZoomBoxDragging8pbol = false;
};

}  // namespace qelt
