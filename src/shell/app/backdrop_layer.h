// The picture under the drawing: which one, whether it is shown, and what is said of it.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "platform/control.h"
#include "platform/session.h"
#include "shell/canvas/canvas_widget.h"
#include "shell/pictures/backdrop.h"

namespace qelt::shell {

// The picture under the drawing to trace over, from the command line, a drop or none: the canvas
// is given it as its background while it is shown, and the completion line says what is shown.
class BackdropLayer {
  public:
    // `repaint` repaints the drawing over the canvas's new background; `completion` is the line
    // that says what is shown, `session` tells the user why a picture cannot be.
    BackdropLayer(CanvasWidget& canvas, Control& completion, Session& session,
                  std::function<void()> repaint);

    // Puts the picture under the drawing in place of any before it, and says so.
    void Show(const Backdrop& backdrop);
    // A picture file dropped, `path` the system's bytes: shown in place of the one before; one
    // that cannot be shown leaves the drawing and the backdrop as they were.
    void Drop(const std::string& path);
    // Ctrl+B: hides the picture, or shows it again.
    void Toggle();

  private:
    CanvasWidget& canvas_;
    Control& completion_;
    Session& session_;
    std::function<void()> repaint_;
    QImage picture_;
    QString note_;
    bool shown_ = false;
};

}  // namespace qelt::shell
