// A file opened for reading only once what lies at its name is known to be one to read.
#pragma once

#include <sys/stat.h>

#include <QString>
#include <optional>
#include <string>
#include <variant>

namespace qelt::shell {

// Why a file of this kind and size is not read, or nothing.
using NotRead = std::optional<QString> (*)(const struct stat& info);
// Why a step failed, from its errno.
using Cause = QString (*)(int error);

// The descriptor of `path` open for reading, which the caller closes, or the message that says
// why not: `emptyName` for no name at all; else `notRead` looks at the file before it is opened,
// and again at what was opened, in case it changed in between. The open does not wait, whatever
// was put there (a pipe without a writer, a terminal).
std::variant<int, QString> OpenToRead(const std::string& path, const char* emptyName,
                                      NotRead notRead, Cause cannotBeRead);

}  // namespace qelt::shell
