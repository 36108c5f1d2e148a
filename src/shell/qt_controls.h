#pragma once

#include <QAbstractButton>
#include <QLabel>

#include "platform/control.h"

namespace qelt::shell {

// The program's view of a push button: its caption and enabled state, shown at once.
class ButtonControl : public Control {
  public:
    explicit ButtonControl(QAbstractButton* button) : button_(button) {}
    std::string Caption() const override { return button_->text().toStdString(); }
    void SetCaption(const std::string& caption) override {
        button_->setText(QString::fromStdString(caption));
    }
    bool Enabled() const override { return button_->isEnabled(); }
    void SetEnabled(bool enabled) override { button_->setEnabled(enabled); }

  private:
    QAbstractButton* button_;
};

class LabelControl : public Control {
  public:
    explicit LabelControl(QLabel* label) : label_(label) {}
    std::string Caption() const override { return label_->text().toStdString(); }
    void SetCaption(const std::string& caption) override {
        label_->setText(QString::fromStdString(caption));
    }
    bool Enabled() const override { return label_->isEnabled(); }
    void SetEnabled(bool enabled) override { label_->setEnabled(enabled); }

  private:
    QLabel* label_;
};

}  // namespace qelt::shell
