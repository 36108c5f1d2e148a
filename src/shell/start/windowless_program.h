// A program without windows: a drawing opened on the canvas of a picture.
#pragma once

#include <QString>
#include <string>

#include "shell/pictures/picture_canvas.h"
#include "state/drawing.h"

namespace qelt::shell {

// The texts of the four axis labels.
struct AxisLabels {
    QString left, right, top, bottom;
};

// Starts a program on `canvas` and opens the drawing in it as the program does when started
// with the file `name`, so that the canvas holds what the screen would show; returns the axis
// labels it wrote. Nothing is shown and nothing is written.
AxisLabels DrawOpened(PictureCanvas& canvas, const DrawingState& drawing, const std::string& name);

}  // namespace qelt::shell
