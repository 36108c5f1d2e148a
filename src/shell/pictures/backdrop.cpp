// A picture under the drawing to trace over, read from a file.
#include "shell/pictures/backdrop.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>

#include "shell/files/drawing_file.h"
#include "shell/pictures/picture_decoding.h"
#include "shell/pictures/picture_reader.h"

namespace qelt::shell {

namespace {

QString Refused(const std::string& path, const QString& why) {
    return QString("%1: %2").arg(ShownName(path), why);
}

// A folder, a pipe or a device is no picture: reading a pipe waits for a writer, and a device
// such as /dev/zero never ends.
std::optional<QString> NotAFile(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "is a folder, not a picture";
    }
    if (!S_ISREG(info.st_mode)) {
        return "is a pipe, device or socket, not a picture";
    }
    if (info.st_size > kPictureFileLimitMB * kMB) {
        return QString("larger than %1 MB, more than a picture file may be")
            .arg(kPictureFileLimitMB);
    }
    return std::nullopt;
}

QString CannotBeRead(int error) {
    return error == ENOENT ? QString("no such file")
                           : "cannot be read: " +
                                 QString::fromStdString(std::generic_category().message(error));
}

}  // namespace

// The kind and size are looked at before the file is opened, and again on what was opened, in
// case it changed in between; the open does not wait, whatever was put there. The reader is
// given the open file, never its name.
std::variant<Backdrop, QString> ReadBackdrop(const std::string& path) {
    if (path.empty()) {
        return QString("IMAGE is an empty name; give the name of a picture");
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return Refused(path, CannotBeRead(errno));
    }
    if (auto why = NotAFile(info)) {
        return Refused(path, *why);
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return Refused(path, CannotBeRead(errno));
    }
    std::variant<ReadPicture, QString> read;
    if (::fstat(descriptor, &info) != 0) {
        read = CannotBeRead(errno);
    } else if (auto why = NotAFile(info)) {
        read = *why;
    } else {
        read = ReadPictureInChild(descriptor);
    }
    ::close(descriptor);
    if (const auto* error = std::get_if<QString>(&read)) {
        return Refused(path, *error);
    }
    auto& [picture, size] = std::get<ReadPicture>(read);
    const std::size_t slash = path.rfind('/');
    return Backdrop{std::move(picture), ShownName(path.substr(slash + 1)), size};
}

}  // namespace qelt::shell
