// Reading a data file the program wrote earlier from the disk.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "state/drawing.h"

namespace qelt::shell {

// The drawing in the file at `path`, a name as the file system encodes it, or a message that
// names the file and says where and what is wrong. Reads only a regular file, and never more
// than a data file can hold.
std::variant<DrawingState, QString> ReadDrawingFile(const std::string& path);

// A file dropped on a window, as ReadDrawingFile reads it when it begins as a data file does;
// nothing when it does not, so that it may be a picture.
std::optional<std::variant<DrawingState, QString>> ReadDroppedDrawing(const std::string& path);

}  // namespace qelt::shell
