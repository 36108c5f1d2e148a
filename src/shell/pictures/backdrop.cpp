// A picture under the drawing to trace over: read from a file, fitted to the canvas, lightened.
#include "shell/pictures/backdrop.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QPainter>
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

// Half way to white, channel by channel: c becomes c / 2 + 128, rounded down.
void Lighten(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = 0xFF000000 | (((line[x] >> 1) & 0x7F7F7F) + 0x808080);
        }
    }
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

QString BackdropNote(const Backdrop& backdrop) {
    return QString("Backdrop %1, %2 x %3 pixels")
        .arg(backdrop.name)
        .arg(backdrop.size.width())
        .arg(backdrop.size.height());
}

QImage BackdropRaster(const QImage& picture, QSize size, qreal ratio) {
    QImage raster(size * ratio, QImage::Format_RGB32);
    raster.fill(Qt::white);
    const QSize fitted = picture.size().scaled(raster.size(), Qt::KeepAspectRatio);
    QPainter painter(&raster);
    // Transparent parts show the white beneath, as on paper.
    painter.drawImage(
        QPoint((raster.width() - fitted.width()) / 2, (raster.height() - fitted.height()) / 2),
        picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.end();
    Lighten(raster);
    raster.setDevicePixelRatio(ratio);
    return raster;
}

}  // namespace qelt::shell
