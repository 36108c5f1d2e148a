// The main window painted before the windows shown ahead of it.
#include "shell/app/main_painted_first.h"

#include <QCoreApplication>
#include <QExposeEvent>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace qelt::shell {

void MainPaintedFirst::Hold(QWidget& main, std::initializer_list<QWidget*> others,
                            std::function<void()> beforeOthers) {
    main_ = main.windowHandle();
    if (main_ == nullptr) {
        beforeOthers();
        return;
    }
    beforeOthers_ = std::move(beforeOthers);
    main_->installEventFilter(this);
    for (QWidget* other : others) {
        if (QWindow* window = other->windowHandle()) {
            others_.push_back(window);
            window->installEventFilter(this);
        }
    }
}

bool MainPaintedFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Expose) {
        return false;
    }
    if (watched == main_) {
        // Painted once this event is handled.
        QMetaObject::invokeMethod(this, &MainPaintedFirst::Release, Qt::QueuedConnection);
        main_->removeEventFilter(this);
        return false;
    }
    auto* window = static_cast<QWindow*>(watched);
    if (std::ranges::find(held_, window) == held_.end()) {
        held_.push_back(window);
    }
    return true;
}

// Each window held back is painted whole, as its own expose would have had it.
void MainPaintedFirst::Release() {
    std::exchange(beforeOthers_, nullptr)();
    for (QWindow* window : others_) {
        window->removeEventFilter(this);
    }
    for (QWindow* window : held_) {
        if (window->isExposed()) {
            QExposeEvent expose(QRect(QPoint(0, 0), window->size()));
            QCoreApplication::sendEvent(window, &expose);
        }
    }
    held_.clear();
    others_.clear();
}

}  // namespace qelt::shell
