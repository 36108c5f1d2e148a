// The look the windows share: the warm background, the focus mark and the turned captions.
#include "shell/windows/look.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

namespace qelt::shell {

namespace {

constexpr int kSmallestFont = 6;

}  // namespace

// Set on the buttons alone: a style sheet on the window would route the painting of every
// control, the canvas's frame among them, through the slower style sheet machinery.
void MarkFocusedButton(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setStyleSheet(
            "QPushButton:focus { border: 2px solid rgb(112, 56, 0); border-radius: 3px; "
            "background-color: palette(button); }");
    }
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
