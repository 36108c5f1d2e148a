// The canvas's colours and positions as Qt takes them, on the screen and in pictures alike.
#pragma once

#include <QColor>
#include <QPoint>

#include "state/types.h"

namespace qelt::shell {

// A colour of the canvas, red in the low byte, then green, then blue.
inline QRgb ToRgb(Long colour) {
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline QColor ToColor(Long colour) {
    return QColor(ToRgb(colour));
}

// Canvas coordinates are whole pixels.
inline QPoint Pixel(Single x, Single y) {
    return {qRound(x), qRound(y)};
}

}  // namespace qelt::shell
