// The file a picture of a drawing is written to: which names may be, and a write whole or none.
#include "shell/files/export_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <cerrno>
#include <system_error>

#include "shell/files/file_names.h"

namespace qelt::shell {

namespace {

QString Cause(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

// A write may take only part of what it is given, and a full disk may show only in the sync.
std::optional<QString> WriteAndSync(int descriptor, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return Cause(errno);
        }
        next += written;
        left -= written;
    }
    if (::fsync(descriptor) != 0) {
        return Cause(errno);
    }
    return std::nullopt;
}

}  // namespace

// A link is not written through: it may lead to a file the user never named, or to none yet.
std::optional<QString> RefusedPictureFile(const std::string& out,
                                          const std::vector<std::string>& inputs) {
    struct stat info {};
    if (::lstat(out.c_str(), &info) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional("cannot be written: " + Cause(errno));
    }
    if (S_ISLNK(info.st_mode)) {
        return "is a symbolic link; a picture is written only under a file's own name";
    }
    if (S_ISDIR(info.st_mode)) {
        return "is a folder";
    }
    if (!S_ISREG(info.st_mode)) {
        return "is a pipe, device or socket, not a file to hold a picture";
    }
    for (const std::string& input : inputs) {
        struct stat read {};
        if (::stat(input.c_str(), &read) == 0 && read.st_dev == info.st_dev &&
            read.st_ino == info.st_ino) {
            return "is the same file as " + ShownName(input) + ", which the picture is made from";
        }
    }
    return std::nullopt;
}

// Written beside `out` under a name of its own, then renamed in place of it: a failed write
// leaves no part of a picture, and an old file stays as it was.
std::optional<QString> WriteWhole(const std::string& out, const QByteArray& bytes) {
    const std::size_t slash = out.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : out.substr(0, slash + 1);
    std::string part;
    int descriptor = -1;
    while (descriptor < 0) {
        part = folder + ".qelt-cad-" +
               QByteArray::number(QRandomGenerator::global()->generate64(), 16).toStdString();
        descriptor = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) {
            return "cannot be written: " + Cause(errno);
        }
    }
    struct stat old {};
    if (::stat(out.c_str(), &old) == 0) {
        ::fchmod(descriptor, old.st_mode & 07777);  // a picture replaced keeps who may read it
    }
    auto failure = WriteAndSync(descriptor, bytes);
    if (::close(descriptor) != 0 && !failure) {
        failure = Cause(errno);
    }
    if (!failure && ::rename(part.c_str(), out.c_str()) != 0) {
        failure = Cause(errno);
    }
    if (failure) {
        ::unlink(part.c_str());
        return "cannot be written: " + *failure;
    }
    return std::nullopt;
}

}  // namespace qelt::shell
