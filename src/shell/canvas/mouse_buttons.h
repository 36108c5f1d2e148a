// Qt mouse buttons as the core's button codes.
#pragma once

#include <Qt>

namespace qelt::shell {

// The program's button code: 1 left, 2 right, 4 middle, summed for several buttons.
inline int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace qelt::shell
