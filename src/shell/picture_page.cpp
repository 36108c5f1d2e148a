#include "shell/picture_page.h"

#include <QFontMetricsF>
#include <cmath>

namespace qelt::shell {

namespace {

constexpr qreal kGap = 6;         // around the page, and between the canvas and its labels
constexpr int kLabelPixels = 12;  // the labels' font

}  // namespace

PicturePage::PicturePage(const PictureCanvas& canvas, AxisLabels labels, QString title)
    : canvas_(canvas), labels_(std::move(labels)), title_(std::move(title)) {
    font_.setPixelSize(kLabelPixels);
    const QFontMetricsF metrics(font_);
    // Whole pixels, so that the canvas's pixels stay on the picture's pixels.
    side_ = std::ceil(std::max(metrics.horizontalAdvance(labels_.top),
                               metrics.horizontalAdvance(labels_.bottom)));
    line_ = std::ceil(metrics.height());
    origin_ = {kGap + side_ + kGap, kGap};
}

QSizeF PicturePage::CanvasSize() const {
    return {canvas_.ScaleWidth(), canvas_.ScaleHeight()};
}

QSize PicturePage::size() const {
    const QSizeF canvas = CanvasSize();
    return QSizeF(origin_.x() + canvas.width() + kGap,
                  origin_.y() + canvas.height() + kGap + line_ + kGap)
        .toSize();
}

void PicturePage::Paint(QPainter& painter) const {
    painter.fillRect(QRectF(QPointF(), size()), Qt::white);
    painter.translate(origin_);
    canvas_.Paint(painter);
    const QSizeF canvas = CanvasSize();
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(QRectF(QPointF(-0.5, -0.5), canvas.grownBy({0.5, 0.5, 0.5, 0.5})));
    painter.setPen(Qt::black);
    painter.setFont(font_);
    const QRectF beside(-kGap - side_, 0, side_, canvas.height());
    painter.drawText(beside, Qt::AlignRight | Qt::AlignTop, labels_.top);
    painter.drawText(beside, Qt::AlignRight | Qt::AlignBottom, labels_.bottom);
    const QRectF below(0, canvas.height() + kGap, canvas.width(), line_);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, labels_.left);
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop, labels_.right);
}

}  // namespace qelt::shell
