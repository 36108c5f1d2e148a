// Reading a data file the program wrote earlier from the disk.
#pragma once

#include <QString>
#include <variant>

#include "state/drawing.h"

namespace qelt::shell {

// The drawing in the file, or a message that names the file and says where and what is wrong.
std::variant<DrawingState, QString> ReadDrawingFile(const QString& path);

}  // namespace qelt::shell
