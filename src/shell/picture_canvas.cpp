#include "shell/picture_canvas.h"

#include <algorithm>

namespace qelt::shell {

namespace {

QColor ToColor(Long colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Canvas coordinates are whole pixels, as on the screen.
QPointF Pixel(Single x, Single y) {
    return QPoint(qRound(x), qRound(y));
}

}  // namespace

PictureCanvas::PictureCanvas(QSize size, QSize outer, QImage background)
    : Canvas(static_cast<Single>(size.width()), static_cast<Single>(size.height()),
             static_cast<Single>(outer.width()), static_cast<Single>(outer.height())),
      size_(size),
      background_(std::move(background)) {}

void PictureCanvas::ClearRaster() {
    marks_.clear();
}

void PictureCanvas::PlotDot(Single x, Single y, Integer width, Long colour) {
    marks_.push_back({Pixel(x, y), Pixel(x, y), width, colour});
}

void PictureCanvas::DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                             Long colour) {
    marks_.push_back({Pixel(x1, y1), Pixel(x2, y2), width, colour});
}

// Each mark is the pen's band, squared off half its width beyond both ends, through the centres
// of the canvas pixels; a dot is the pen's square. Nothing is blended.
void PictureCanvas::Paint(QPainter& painter) const {
    const QRectF area(QPointF(), size_);
    if (background_.isNull()) {
        painter.fillRect(area, Qt::white);
    } else {
        painter.drawImage(area, background_);
    }
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(0.5, 0.5);
    for (const Mark& mark : marks_) {
        const qreal width = std::max<Integer>(mark.width, 1);
        if (mark.from == mark.to) {
            const QPointF half(width / 2, width / 2);
            painter.fillRect(QRectF(mark.from - half, mark.from + half), ToColor(mark.colour));
        } else {
            painter.setPen(
                QPen(ToColor(mark.colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawLine(mark.from, mark.to);
        }
    }
    painter.restore();
}

}  // namespace qelt::shell
