// File names as the system gives them, as a person reads them, and in the program's word on a
// file it does not take.
#pragma once

#include <QString>
#include <string>

namespace qelt::shell {

// The name, the system's bytes, as a person reads it.
QString ShownName(const std::string& path);

// What the program says of a file it does not take: its name, then why.
QString Refusal(const std::string& path, const QString& why);

}  // namespace qelt::shell
