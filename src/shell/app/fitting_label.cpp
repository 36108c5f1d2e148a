// A label the core writes whose text must always show whole.
#include "shell/app/fitting_label.h"

#include <QFontMetrics>

namespace qelt::shell {

namespace {

constexpr int kLeastSize = 7;

bool Fits(const QFont& font, const QLabel& label, QSize room) {
    const int wrap = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect shown = QFontMetrics(font).boundingRect(
        QRect(QPoint(0, 0), room), int(label.alignment()) | wrap, label.text());
    return shown.width() <= room.width() && shown.height() <= room.height();
}

}  // namespace

FittingLabelControl::FittingLabelControl(QLabel* label, Room room)
    : LabelControl(label),
      label_(label),
      room_(std::move(room)),
      designSize_(label->font().pixelSize()) {}

void FittingLabelControl::SetCaption(const std::string& caption) {
    LabelControl::SetCaption(caption);
    QFont font = label_->font();
    font.setPixelSize(designSize_);
    const QSize room = room_(*label_);
    while (font.pixelSize() > kLeastSize && !Fits(font, *label_, room)) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label_->setFont(font);
}

QSize PromptRoom(const QLabel& label) {
    return {label.window()->width() - 2 * label.x(), label.height()};
}

QSize OwnRoom(const QLabel& label) {
    return label.contentsRect().size();
}

}  // namespace qelt::shell
