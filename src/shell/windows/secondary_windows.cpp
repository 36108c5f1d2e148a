// The map, cross-section, list, rename and information windows.
#include "shell/windows/secondary_windows.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include "shell/windows/message_box.h"
#include "shell/windows/window_builder.h"

namespace qelt::shell {

// A close box that does nothing looks like a hung program, so the window says why it stays;
// one note at a time, however often the box is pressed.
void SecondaryWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    auto* note = findChild<QMessageBox*>("StaysOpenNote", Qt::FindDirectChildrenOnly);
    if (note == nullptr) {
        note = new QMessageBox(QMessageBox::Information, windowTitle(),
                               "This window stays open while the program runs; END or "
                               "Write & End closes the program.",
                               QMessageBox::Ok, this);
        note->setInformativeText(
            "While points are edited, a press on a point's square picks it, the ends of a line "
            "included; Cancel or Escape puts a carried point back where it was picked up.");
        note->setObjectName("StaysOpenNote");
        note->setAttribute(Qt::WA_DeleteOnClose);
        ShowAsPlainText(*note);
    }
    note->open();
}

// On a screen large enough the controls stay the window's own children.
void SecondaryWindow::FitInto(QSize room, QWidget* shown) {
    const auto fits = [&](QSize size) { return size.boundedTo(room) == size; };
    if (fits(size())) {
        return;
    }
    if (fits(minimumSizeHint())) {
        resize(size().boundedTo(room));
        return;
    }
    QWidget* focused = focusWidget();
    auto* content = new QWidget;
    content->setLayout(layout());  // takes the controls along with their layout
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("ScrollArea");
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins({});
    frame->addWidget(scroll_);
    if (focused != nullptr) {
        focused->setFocus();  // the focus does not follow a control to its new place
    }
    setMinimumSize(0, 0);  // the least size the controls' own layout had set
    resize(room.boundedTo(size()));
    shown_ = shown;
}

// Only once shown is the scroll area laid out, and so able to scroll to a control.
void SecondaryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (scroll_ != nullptr && shown_ != nullptr) {
        scroll_->ensureWidgetVisible(shown_);
    }
}

namespace {

const ControlDesign kListControls[] = {
    {Kind::List, "List7", "", {0, 1, 0}, {240, 260}},
    {Kind::Label, "Label2", "Label2", {0, 2, 0}},
    {Kind::Label, "Label1", "CPT list", {0, 0, 0}},
};

const ControlDesign kRenameControls[] = {
    {Kind::Button, "Command1", "rename now", {0, 3, 1}},
    {Kind::Text, "Text1", "new name", {0, 2, 1}},
    {Kind::Label, "Label4", "New name:", {0, 2, 0}},
    {Kind::Label, "Label3", "old name:", {0, 1, 0}},
    {Kind::Label, "Label2", "Rename ------", {0, 0, 0, 2}},
    {Kind::Label, "Label1", "---old name---", {0, 1, 1}},
};

const ControlDesign kInfoControls[] = {
    {Kind::Picture, "Picture1", "", {0, 1, 0, 3}, {360, 160}},
    {Kind::Label,
     "Label6",
     "2)  whatdo tdo whne theus si a long text of whatdo tdo whne theuse needs infoa and the "
     "paper version is not a good alternative",
     {0, 3, 0, 3}},
    {Kind::Label, "Label5", "Label1", {0, 4, 2}},
    {Kind::Label, "Label4", "Label1", {0, 4, 1}},
    {Kind::Label, "Label3", "<---- title ---->", {0, 0, 0, 3}},
    {Kind::Label, "Label2", "Label1", {0, 4, 0}},
    {Kind::Label,
     "Label1",
     "1) thi si a long text of whatdo tdo whne theuse needs infoa and the paper version is not "
     "a good alternative",
     {0, 2, 0, 3}},
};

}  // namespace

std::unique_ptr<SecondaryWindow> MakeListWindow() {
    return BuildWindow({.name = "CADlistof8frm", .caption = "List of", .controls = kListControls});
}

std::unique_ptr<SecondaryWindow> MakeRenameWindow() {
    return BuildWindow({.name = "CADrenameAndYouSure8frm",
                        .caption = "Renaming item",
                        .controls = kRenameControls});
}

std::unique_ptr<SecondaryWindow> MakeInfoWindow() {
    return BuildWindow({.name = "CAD_info_8frm", .caption = "Form1", .controls = kInfoControls});
}

}  // namespace qelt::shell
