// The canvas's background: a picture fitted to the drawing area and lightened.
#include "shell/canvas/background.h"

#include <QPainter>

namespace qelt::shell {

namespace {

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

QImage FittedBackground(const QImage& picture, QSize size, qreal ratio) {
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
