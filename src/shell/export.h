// Pictures of a drawing written to a file, without a display and without a window.
#pragma once

#include <optional>

#include "shell/command_line.h"

namespace qelt::shell {

// When the arguments ask for --export: writes the picture and returns the program's status (0
// written; 1 OUT cannot be written or has no known suffix; 2 a bad command line, FILE or
// backdrop), saying why on standard error. Otherwise nothing. Needs no display: it makes its own
// application object on the offscreen platform.
std::optional<int> ExportIfAsked(int argc, char* argv[]);

// The picture of the drawing in `command.file` as the program shows it right after opening it,
// with the axis labels around the canvas, written to `command.exportTo` in the format of its
// suffix; returns the status as above. Needs a QGuiApplication.
int ExportPicture(const CommandLine& command);

}  // namespace qelt::shell
