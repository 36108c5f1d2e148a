// A file opened for reading only once what lies at its name is known to be one to read.
#include "shell/files/opened_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "shell/files/file_names.h"

namespace qelt::shell {

namespace {

std::variant<int, QString> Open(const std::string& path, NotRead notRead, Cause cannotBeRead) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return cannotBeRead(errno);
    }
    if (auto why = notRead(info)) {
        return *why;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return cannotBeRead(errno);
    }
    std::optional<QString> why;
    if (::fstat(descriptor, &info) != 0) {
        why = cannotBeRead(errno);
    } else {
        why = notRead(info);
    }
    if (why) {
        ::close(descriptor);
        return *why;
    }
    return descriptor;
}

}  // namespace

std::variant<int, QString> OpenToRead(const std::string& path, const char* emptyName,
                                      NotRead notRead, Cause cannotBeRead) {
    if (path.empty()) {
        return QString(emptyName);
    }
    auto opened = Open(path, notRead, cannotBeRead);
    if (const auto* why = std::get_if<QString>(&opened)) {
        return Refusal(path, *why);
    }
    return opened;
}

}  // namespace qelt::shell
