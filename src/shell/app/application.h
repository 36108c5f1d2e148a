// The whole program on the screen: its windows wired to one core program.
#pragma once

#include <QKeySequence>
#include <QList>
#include <array>
#include <functional>
#include <memory>
#include <variant>

#include "interaction/program.h"
#include "shell/app/backdrop_layer.h"
#include "shell/app/fitting_label.h"
#include "shell/app/key_routing.h"
#include "shell/app/main_painted_first.h"
#include "shell/app/qt_controls.h"
#include "shell/app/qt_platform.h"
#include "shell/pictures/backdrop.h"
#include "shell/windows/main_window.h"
#include "shell/windows/secondary_windows.h"

namespace qelt::shell {

// The whole program on the screen: its windows, wired to one core program.
class Application {
  public:
    Application();
    // The main window's load event: sets everything up and shows the windows.
    void Start();
    // After Start: puts a drawing read from the file `name` in place of the empty one.
    void Open(const DrawingState& drawing, const std::string& name);
    // Puts the picture under the drawing in place of any before it, and says so.
    void ShowBackdrop(const Backdrop& backdrop);

    MainWindow& mainWindow() { return main_; }
    SecondaryWindow& crossSectionWindow() { return *crossSection_; }
    SecondaryWindow& mapWindow() { return *map_; }
    SecondaryWindow& listWindow() { return *list_; }
    Program& program() { return program_; }

  private:
    void Place();
    void Wire();
    void WireKeys();
    // The windows the program shows, which all take its keys and the pictures dropped on them.
    std::array<QWidget*, 4> ShownWindows();
    // Keys that act in each of the shown windows, whichever control there has the focus.
    void AddShortcut(const QList<QKeySequence>& keys, const std::function<void()>& handler);
    // Files dropped on the windows, and Ctrl+B to hide and show the backdrop.
    void WireBackdrop();
    // Data files dropped or chosen with Ctrl+O; where "Write && End" writes, as its tooltip.
    void WireOpening();
    // A data file dropped opens in place of the drawing, a picture goes under it; `path` is the
    // system's bytes.
    void DropFile(const std::string& path);
    void OpenWithDialog();
    // The drawing read from `path`, or why it cannot be: in place of the drawing on the screen,
    // once that is written or kept, or the user is told why not.
    void OpenRead(const std::variant<DrawingState, QString>& read, const QString& path);
    void Repaint();
    // The main window's close box: a drawing with unwritten changes is not left without asking.
    void CloseMainWindow();
    // Runs one event to completion in the core; none runs once the program has ended.
    template <typename Handler>
    void Run(Handler&& handler);

    MainWindow main_;
    std::unique_ptr<CrossSectionWindow> crossSection_;
    std::unique_ptr<SecondaryWindow> map_;
    std::unique_ptr<SecondaryWindow> list_;
    std::unique_ptr<SecondaryWindow> rename_;
    std::unique_ptr<SecondaryWindow> info_;
    ButtonControl button1_, button2_, button3_, button4_, cancel_;
    FittingLabelControl prompt_;
    LabelControl completion_, zoomReadout_;
    FittingLabelControl top_, bottom_, left_, right_;
    QtClock clock_;
    QtFileOutput output_;
    QtSession session_;
    Program program_;
    KeyRouting keys_;
    BackdropLayer backdrop_;
    MainPaintedFirst paintedFirst_;
};

}  // namespace qelt::shell
