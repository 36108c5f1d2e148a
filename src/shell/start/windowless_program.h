// A program without windows: a drawing opened on the canvas of a picture.
#pragma once

#include <string>

#include "shell/pictures/picture_canvas.h"
#include "shell/pictures/picture_page.h"
#include "state/drawing.h"

namespace qelt::shell {

// Starts a program on `canvas` and opens the drawing in it as the program does when started
// with the file `name`, so that the canvas holds what the screen would show; returns the axis
// labels it wrote. Nothing is shown and nothing is written.
AxisLabels DrawOpened(PictureCanvas& canvas, const DrawingState& drawing, const std::string& name);

}  // namespace qelt::shell
