// The keys that belong to the program wherever the focus is in its windows.
#pragma once

#include <QObject>

namespace qelt::shell {

// Watches every key of the application: the undo and redo keys pass a text box that has no
// typing of its own to take back or give again, and Backspace any other control, so that they
// reach the drawing; Return or Enter press the focused button as Space does, except END and
// "Write && End".
class KeyRouting : public QObject {
    Q_OBJECT
  public:
    explicit KeyRouting(QObject* parent = nullptr) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qelt::shell
