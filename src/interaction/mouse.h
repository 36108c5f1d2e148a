// The canvas and main-window mouse events, the press dispatch and the zoom step.
#pragma once

#include "interaction/program.h"

namespace qelt {

// The canvas's events, at a position in canvas pixels: a press of `button` (1 left, 2 right, 4
// middle), a move with `buttons` held (their sum), a release.
void CanvasPressed(Program& p, Integer button, Single x, Single y);
void CanvasMoved(Program& p, Integer buttons, Single x, Single y);
void CanvasReleased(Program& p, Single x, Single y);
// A move over the main window around the canvas, outside its controls, in the window's pixels.
void MovedOverWindow(Program& p, Integer buttons, Single x, Single y);
void ZoomInBoxPressed(Program& p);

// The line search of a press while line search is on: Button 2 is blanked, then the line
// under the press is selected, or none.
void LineSearch(Program& p);

}  // namespace qelt
