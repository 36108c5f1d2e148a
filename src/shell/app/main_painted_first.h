// The main window painted before the windows shown ahead of it.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>

class QWindow;

namespace qelt::shell {

// The windows shown before the main window would be painted before it, delaying the one the
// user works in: their first paint waits until the main window's has been drawn. Where and when
// each window appears stays as it is; only the painting is reordered.
class MainPaintedFirst : public QObject {
  public:
    // After the windows have been shown and before the event loop runs. `beforeOthers` runs once
    // the main window has been painted, before the others are (at once if nothing can be held).
    void Hold(QWidget& main, std::initializer_list<QWidget*> others,
              std::function<void()> beforeOthers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Release();

    std::function<void()> beforeOthers_;
    QWindow* main_ = nullptr;
    std::vector<QWindow*> others_;
    std::vector<QWindow*> held_;
};

}  // namespace qelt::shell
