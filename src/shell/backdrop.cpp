#include "shell/backdrop.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace qelt::shell {

namespace {

constexpr int kDecodeLimitMB = 256;
// An SVG has no pixels of its own: it is drawn this large on its longer side, enough for the
// canvas on a screen scaled by 200 %.
constexpr int kSvgLongSide = 2048;

QString Refused(const QString& path, const QString& why) {
    return QString("%1: %2").arg(path, why);
}

// Every decoded pixel takes four bytes.
bool TooLarge(QSize size) {
    return qint64{size.width()} * size.height() * 4 > qint64{kDecodeLimitMB} << 20;
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

// The size is looked at before the picture is decoded, so that a huge one is refused at once.
std::variant<Backdrop, QString> ReadBackdrop(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return Refused(path, "no such file");
    }
    // Reading a pipe would wait for a writer, and a device may never end.
    if (!info.isFile()) {
        return Refused(path, info.isDir() ? "is a folder, not a picture"
                                          : "is a pipe, device or socket, not a picture");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refused(path, "cannot be read: " + file.errorString());
    }
    QImageReader reader(&file);
    reader.setAutoTransform(true);  // a photograph the right way up
    if (!reader.canRead()) {
        return Refused(path, "not a picture this program can read (PNG, JPEG, BMP, GIF or SVG)");
    }
    const QSize size = reader.size();
    if (reader.format().startsWith("svg") && !size.isEmpty()) {
        reader.setScaledSize(size.scaled(kSvgLongSide, kSvgLongSide, Qt::KeepAspectRatio));
    }
    const QSize decoded = reader.scaledSize().isValid() ? reader.scaledSize() : size;
    if (TooLarge(decoded)) {
        return Refused(path, QString("%1 x %2 pixels, more than %3 MB once decoded")
                                 .arg(decoded.width())
                                 .arg(decoded.height())
                                 .arg(kDecodeLimitMB));
    }
    // For formats that do not tell their size beforehand.
    QImageReader::setAllocationLimit(kDecodeLimitMB);
    QImage picture = reader.read();
    if (picture.isNull()) {
        return Refused(path, "damaged: " + reader.errorString());
    }
    picture.setDevicePixelRatio(1);  // a name ending in @2x must not halve it
    const QSize shown = size.isValid() ? size : picture.size();
    return Backdrop{std::move(picture), info.fileName(), shown};
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
