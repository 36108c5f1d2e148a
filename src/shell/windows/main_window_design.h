// The main window's design where pictures of it follow it too: the canvas's place and frame, and
// the two axis captions with their places.
#pragma once

#include <QRect>
#include <QSize>

#include "shell/windows/twips.h"

namespace qelt::shell {

// The canvas's place on the main window, its frame included, and the frame's width in pixels.
inline QRect CanvasPlace() {
    return TwipRect(810, 1890, 11835, 6690);
}
inline constexpr int kCanvasFrame = 2;

// The canvas's drawing area, inside its frame.
inline QSize CanvasDrawingSize() {
    return CanvasPlace().size().shrunkBy({kCanvasFrame, kCanvasFrame, kCanvasFrame, kCanvasFrame});
}

// The two axis captions, in twips: the elevation written upwards left of the canvas, the
// lateral distance below it.
inline constexpr char kElevationCaption[] = "Elevation (feet)";
inline constexpr QRect kElevationCaptionTwips(150, 4725, 285, 1365);
inline constexpr char kDistanceCaption[] = "Cross Section lateral distance (feet)";
inline constexpr QRect kDistanceCaptionTwips(3000, 8640, 3600, 240);

}  // namespace qelt::shell
