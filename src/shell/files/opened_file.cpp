// A file opened for reading only once what lies at its name is known to be one to read.
#include "shell/files/opened_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace qelt::shell {

std::variant<int, QString> OpenToRead(const std::string& path, NotRead notRead,
                                      Cause cannotBeRead) {
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

}  // namespace qelt::shell
