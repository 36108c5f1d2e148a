// The core's view of a Qt button or label: its caption and enabled state, shown at once.
#pragma once

#include <QAbstractButton>
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

}  // namespace qelt::shell
