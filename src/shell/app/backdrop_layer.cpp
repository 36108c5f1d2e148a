// The picture under the drawing: which one, whether it is shown, and what is said of it.
#include "shell/app/backdrop_layer.h"

#include <utility>
#include <variant>

namespace qelt::shell {

namespace {

QString Note(const Backdrop& backdrop) {
    return QString("Backdrop %1, %2 x %3 pixels")
        .arg(backdrop.name)
        .arg(backdrop.size.width())
        .arg(backdrop.size.height());
}

}  // namespace

BackdropLayer::BackdropLayer(CanvasWidget& canvas, Control& completion, Session& session,
                             std::function<void()> repaint)
    : canvas_(canvas), completion_(completion), session_(session), repaint_(std::move(repaint)) {}

void BackdropLayer::Show(const Backdrop& backdrop) {
    picture_ = backdrop.picture;
    shown_ = true;
    canvas_.SetBackground(picture_);
    note_ = Note(backdrop);
    repaint_();
    completion_.SetCaption(note_.toStdString());
}

void BackdropLayer::Drop(const std::string& path) {
    auto read = ReadBackdrop(path);
    if (const auto* error = std::get_if<QString>(&read)) {
        session_.Alert(error->toStdString());
        return;
    }
    Show(std::get<Backdrop>(read));
}

// The canvas is cleared to its background only by a repaint.
void BackdropLayer::Toggle() {
    if (picture_.isNull()) {
        return;
    }
    shown_ = !shown_;
    canvas_.SetBackground(shown_ ? picture_ : QImage());
    repaint_();
    completion_.SetCaption(shown_ ? note_.toStdString() : "Backdrop hidden; Ctrl+B shows it again");
}

}  // namespace qelt::shell
