// A label the core writes whose text must always show whole.
#pragma once

#include <QLabel>
#include <functional>

#include "shell/app/qt_controls.h"

namespace qelt::shell {

// A label whose every text shows whole in its room: one too long for it is written in a smaller
// font, down to a least readable size; a text that fits has the label's own font.
class FittingLabelControl : public LabelControl {
  public:
    // The room the label's text may take, in pixels.
    using Room = std::function<QSize(const QLabel&)>;

    FittingLabelControl(QLabel* label, Room room);
    void SetCaption(const std::string& caption) override;

  private:
    QLabel* label_;
    Room room_;
    int designSize_;
};

// The room of the prompt line, laid out to run beyond the window's right edge: as far as the
// window's edge, less the margin the line has on its left.
QSize PromptRoom(const QLabel& label);
// The label's own room.
QSize OwnRoom(const QLabel& label);

}  // namespace qelt::shell
