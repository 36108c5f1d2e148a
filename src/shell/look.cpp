#include "shell/look.h"

#include <QFontMetrics>
#include <QPainter>

namespace qelt::shell {

namespace {

constexpr int kSmallestFont = 6;

}  // namespace

void MarkFocusedButton(QWidget* window) {
    window->setStyleSheet(
        "QPushButton:focus { border: 2px solid rgb(112, 56, 0); border-radius: 3px; "
        "background-color: palette(button); }");
}

QPixmap VerticalCaption(const QString& words, QSize size, const QColor& background, QFont font,
                        qreal pixelRatio) {
    font.setPixelSize(size.width() - 4);
    while (font.pixelSize() > kSmallestFont &&
           QFontMetrics(font).horizontalAdvance(words) > size.height() - 2) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.translate(0, size.height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, size.height(), size.width()), Qt::AlignCenter, words);
    return pixmap;
}

}  // namespace qelt::shell
