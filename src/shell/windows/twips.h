// Twips to pixels, for the window layouts.
#pragma once

#include <QRect>
#include <cmath>

namespace qelt::shell {

// The windows are laid out in twips at a fixed 15 twips per pixel, whatever the screen's
// resolution, so that every screen shows the same layout.
inline int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect TwipRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace qelt::shell
