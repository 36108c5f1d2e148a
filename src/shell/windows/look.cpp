// The look the windows share: the warm background, the focus mark and the turned captions.
#include "shell/windows/look.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace qelt::shell {

namespace {

constexpr int kSmallestFont = 6;

// Every size tried loads a font of its own, so the search starts where the width at the font's
// own size, loaded already, says the line would fit, rather than stepping one pixel at a time.
int LargestFitting(const QString& words, QFont font, int largest, int room) {
    if (largest <= kSmallestFont) {
        return largest;
    }
    const int own = QFontInfo(font).pixelSize();
    const int ownWidth = QFontMetrics(font).horizontalAdvance(words);
    const auto width = [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).horizontalAdvance(words);
    };
    int size = std::clamp(own * room / std::max(ownWidth, 1), kSmallestFont, largest);
    while (size < largest && width(size + 1) <= room) {
        ++size;
    }
    while (size > kSmallestFont && width(size) > room) {
        --size;
    }
    return size;
}

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
    font.setPixelSize(LargestFitting(words, font, size.width() - 4, size.height() - 2));
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
