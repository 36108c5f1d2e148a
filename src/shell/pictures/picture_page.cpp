// A picture of a drawing laid out: the canvas in a thin frame with its axis labels and titles.
#include "shell/pictures/picture_page.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace qelt::shell {

namespace {

constexpr qreal kGap = 6;         // around the page, and between the canvas and its labels
constexpr int kLabelPixels = 12;  // the labels' font

}  // namespace

PicturePage::PicturePage(const PictureCanvas& canvas, const AxisLabels& labels,
                         const AxisTitles& titles, QString title)
    : canvas_(canvas), title_(std::move(title)) {
    font_.setPixelSize(kLabelPixels);
    const QFontMetricsF metrics(font_);
    const auto advance = [&](const QString& words) { return metrics.horizontalAdvance(words); };
    // Whole pixels, so that the canvas's pixels stay on the picture's pixels.
    const qreal side =
        std::ceil(std::max({advance(labels.top), advance(labels.bottom), metrics.height()}));
    line_ = std::ceil(metrics.height());
    origin_ = {kGap + side + kGap, kGap};
    const QSizeF area = canvas.size();
    const qreal beside = origin_.x() - kGap;
    const qreal below = origin_.y() + area.height() + kGap + metrics.ascent();
    texts_ = {
        {labels.top, {beside, origin_.y() + metrics.ascent()}, Qt::AlignRight, false},
        {labels.bottom,
         {beside, origin_.y() + area.height() - metrics.descent()},
         Qt::AlignRight,
         false},
        {labels.left, {origin_.x(), below}, Qt::AlignLeft, false},
        {labels.right, {origin_.x() + area.width(), below}, Qt::AlignRight, false},
        {titles.elevation,
         {beside - side / 2 + (metrics.ascent() - metrics.descent()) / 2,
          origin_.y() + area.height() / 2 + titles.elevationDrop},
         Qt::AlignHCenter,
         true},
        {titles.distance, {origin_.x() + titles.distanceIn, below}, Qt::AlignLeft, false},
    };
}

QSize PicturePage::size() const {
    const QSizeF area = canvas_.size();
    return QSizeF(origin_.x() + area.width() + kGap,
                  origin_.y() + area.height() + kGap + line_ + kGap)
        .toSize();
}

QRectF PicturePage::frame() const {
    return {origin_ - QPointF(0.5, 0.5), QSizeF(canvas_.size()) + QSizeF(1, 1)};
}

void PicturePage::Paint(QPainter& painter, bool byLine) const {
    painter.fillRect(QRectF(QPointF(), size()), Qt::white);
    painter.save();
    painter.translate(origin_);
    if (byLine) {
        canvas_.PaintShapes(painter);
    } else {
        canvas_.Paint(painter);
    }
    painter.restore();
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(frame());
    painter.setPen(Qt::black);
    painter.setFont(font_);
    const QFontMetricsF metrics(font_);
    for (const PageText& text : texts_) {
        const qreal advance = metrics.horizontalAdvance(text.words);
        const qreal start = text.anchor == Qt::AlignLeft    ? 0
                            : text.anchor == Qt::AlignRight ? -advance
                                                            : -advance / 2;
        painter.save();
        painter.translate(text.at);
        painter.rotate(text.upward ? -90 : 0);
        painter.drawText(QPointF(start, 0), text.words);
        painter.restore();
    }
}

}  // namespace qelt::shell
