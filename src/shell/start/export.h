// Pictures of a drawing written to a file, without a display and without a window.
#pragma once

#include "shell/start/command_line.h"

namespace qelt::shell {

// Writes the picture that `command` asks for with --export and returns the program's status (0
// written; 1 OUT cannot be written, has no known suffix, or is a link, a special file or one of
// the files read; 2 a bad FILE or backdrop), saying why on standard error in one line. Needs no
// display: it makes its own application object, from `argc` and `argv`, on the offscreen platform.
int ExportWithoutDisplay(int& argc, char* argv[], const CommandLine& command);

// The picture of the drawing in `command.file` as the program shows it right after opening it,
// with the axis labels around the canvas, written to `command.exportTo` in the format of its
// suffix; returns the status as above. Needs a QGuiApplication.
int ExportPicture(const CommandLine& command);

}  // namespace qelt::shell
