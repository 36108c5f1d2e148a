// A picture under the drawing to trace over, read from a file.
#include "shell/pictures/backdrop.h"

#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>

#include "shell/files/file_names.h"
#include "shell/files/opened_file.h"
#include "shell/pictures/picture_limits.h"
#include "shell/pictures/picture_reader.h"

namespace qelt::shell {

namespace {

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

// The reader is given the open file, never its name.
std::variant<Backdrop, QString> ReadBackdrop(const std::string& path) {
    const auto opened = OpenToRead(path, "IMAGE is an empty name; give the name of a picture",
                                   NotAFile, CannotBeRead);
    if (const auto* why = std::get_if<QString>(&opened)) {
        return *why;
    }
    const int descriptor = std::get<int>(opened);
    auto read = ReadPictureInChild(descriptor);
    ::close(descriptor);
    if (const auto* error = std::get_if<QString>(&read)) {
        return Refusal(path, *error);
    }
    auto& [picture, size] = std::get<ReadPicture>(read);
    const std::size_t slash = path.rfind('/');
    return Backdrop{std::move(picture), ShownName(path.substr(slash + 1)), size};
}

}  // namespace qelt::shell
