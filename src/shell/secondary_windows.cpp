#include "shell/secondary_windows.h"

#include <QCloseEvent>
#include <QPushButton>

namespace qelt::shell {

void SecondaryWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

namespace {

std::unique_ptr<SecondaryWindow> Window(const char* name, const char* caption) {
    auto window = std::make_unique<SecondaryWindow>();
    window->setObjectName(name);
    window->setWindowTitle(caption);
    return window;
}

}  // namespace

std::unique_ptr<SecondaryWindow> MakeXSpick8frm() {
    auto window = Window("XSpick8frm", "Qelt --- Cross section");
    auto* end = new QPushButton("Write && End", window.get());
    end->setObjectName("End8cbn");
    return window;
}

std::unique_ptr<SecondaryWindow> MakeCADmap8frm() { return Window("CADmap8frm", "Qelt --- Map "); }
std::unique_ptr<SecondaryWindow> MakeCADlistof8frm() { return Window("CADlistof8frm", "List of"); }
std::unique_ptr<SecondaryWindow> MakeCADrenameAndYouSure8frm() {
    return Window("CADrenameAndYouSure8frm", "Renaming item");
}
std::unique_ptr<SecondaryWindow> MakeCAD_info_8frm() { return Window("CAD_info_8frm", "Form1"); }

}  // namespace qelt::shell
