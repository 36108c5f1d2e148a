// The core's view of a Qt button or label: its caption and enabled state, shown at once.
#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>

#include "platform/control.h"

namespace qelt::shell {

template <typename Widget>
class QtControl : public Control {
  public:
    explicit QtControl(Widget* widget) : widget_(widget) {}
    std::string Caption() const override { return widget_->text().toStdString(); }
    void SetCaption(const std::string& caption) override {
        widget_->setText(QString::fromStdString(caption));
    }
    bool Enabled() const override { return widget_->isEnabled(); }
    void SetEnabled(bool enabled) override { widget_->setEnabled(enabled); }

  private:
    Widget* widget_;
};

using ButtonControl = QtControl<QAbstractButton>;
using LabelControl = QtControl<QLabel>;

// The prompt line, laid out to run beyond the window's right edge: a text too long to show
// whole inside the window is written in a smaller font, so that none of it is cut off.
class PromptControl : public LabelControl {
  public:
    explicit PromptControl(QLabel* label)
        : LabelControl(label), label_(label), designSize_(label->font().pixelSize()) {}
    void SetCaption(const std::string& caption) override {
        LabelControl::SetCaption(caption);
        const int room = label_->window()->width() - 2 * label_->x();
        QFont font = label_->font();
        font.setPixelSize(designSize_);
        while (font.pixelSize() > kLeastSize &&
               QFontMetrics(font).horizontalAdvance(label_->text()) > room) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        label_->setFont(font);
    }

  private:
    static constexpr int kLeastSize = 8;
    QLabel* label_;
    int designSize_;
};

}  // namespace qelt::shell
