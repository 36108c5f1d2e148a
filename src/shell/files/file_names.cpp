// File names as the system gives them, as a person reads them, and in the program's word on a
// file it does not take.
#include "shell/files/file_names.h"

namespace qelt::shell {

QString ShownName(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

QString Refusal(const std::string& path, const QString& why) {
    return ShownName(path) + ": " + why;
}

}  // namespace qelt::shell
