#include "shell/app/application.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QTextDocument>
#include <algorithm>

#include "interaction/actions.h"
#include "interaction/ending.h"
#include "interaction/history.h"
#include "interaction/mouse.h"
#include "interaction/open_drawing.h"
#include "interaction/startup.h"
#include "output/data_file.h"
#include "output/read_data_file.h"
#include "plotting/rendering.h"
#include "shell/app/file_drops.h"
#include "shell/files/drawing_file.h"
#include "shell/files/file_names.h"
#include "shell/windows/close_question.h"
#include "shell/windows/placement.h"

namespace qelt::shell {

namespace {

// A held button carries the pointer anywhere on a screen of any size, and where it goes a point
// may be put: it is held where every file the program writes can be read again.
Single Held(qreal v) {
    return static_cast<Single>(std::clamp<qreal>(v, MinFileCoordinate, MaxFileCoordinate));
}

}  // namespace

Application::Application()
    : XSpick8frm_(MakeXSpick8frm()),
      CADmap8frm_(MakeCADmap8frm()),
      CADlistof8frm_(MakeCADlistof8frm()),
      CADrenameAndYouSure8frm_(MakeCADrenameAndYouSure8frm()),
      CAD_info_8frm_(MakeCAD_info_8frm()),
      button1_(main_.Button1_NewRenameLeft_8cbn),
      button2_(main_.Button2_SelectAssignUnassignYes_8cbn),
      button3_(main_.Button3_EditDone_8cbn),
      button4_(main_.Button4_DeleteRightNo_8cbn),
      cancel_(main_.Button_Cancel8cbn),
      prompt_(main_.UserMustSee8lbl, PromptRoom),
      concluding_(main_.ConcludingInfoToUser8lbl),
      label21_(main_.Label21),
      top_(main_.CADtop8lbl, OwnRoom),
      bottom_(main_.CADbotton8lbl, OwnRoom),
      left_(main_.CADleft8lbl, OwnRoom),
      right_(main_.CADright8lbl, OwnRoom),
      session_({{Form::XSpick8frm, XSpick8frm_.get()},
                {Form::CADmap8frm, CADmap8frm_.get()},
                {Form::CADlistof8frm, CADlistof8frm_.get()},
                {Form::CAD8frm, &main_}},
               output_),
      program_(Platform{*main_.CAD8pic,
                        MainControls{button1_, button2_, button3_, button4_, cancel_, prompt_,
                                     concluding_, label21_, top_, bottom_, left_, right_},
                        clock_, output_, session_}),
      backdrop_(*main_.CAD8pic, concluding_, session_, [this] { Repaint(); }) {
    Place();
    Wire();
}

// Without a window manager every window would open in the screen's corner, one over another.
void Application::Place() {
    PlaceWindows(main_, *XSpick8frm_, *CADlistof8frm_, *CADmap8frm_);
}

void Application::Start() {
    Run([](Program& p) { StartProgram(p); });
    // Not END, the first in the window's order: one stray space bar press would end the program.
    main_.Button1_NewRenameLeft_8cbn->setFocus();
    // Without a window manager no window would take keys before the first click.
    main_.activateWindow();
}

void Application::Open(const DrawingState& drawing, const std::string& name) {
    Run([&](Program& p) { OpenDrawing(p, drawing, name); });
}

template <typename Handler>
void Application::Run(Handler&& handler) {
    if (program_.ended) {
        return;
    }
    const QWidget* focused = main_.focusWidget();
    // A fault in one event must not take the drawing down with it: the user is told, and can
    // still write the file.
    try {
        handler(program_);
        RecordStep(program_);
    } catch (const std::exception& fault) {
        session_.Alert(std::string("The last action could not be completed: ") + fault.what());
    }
    main_.KeepFocusOnTheAction(focused);
}

void Application::CloseMainWindow() {
    if (program_.ended) {
        return;
    }
    if (!HasUnwrittenChanges(program_)) {
        Run(EndProgram);
        return;
    }
    switch (AskToWrite(&main_, "Write the drawing to Qelt-CAD-float.csv before the program ends?",
                       output_.KeptFolder())) {
        case WriteAnswer::Write:
            Run(WriteDataFile);
            break;
        case WriteAnswer::Discard:
            Run(EndProgram);
            break;
        case WriteAnswer::Stay:
            break;
    }
}

void Application::Wire() {
    CanvasWidget& canvas = *main_.CAD8pic;
    canvas.onPress = [this](int b, QPointF at) {
        Run([&](Program& p) {
            CanvasPressed(p, static_cast<Integer>(b), Held(at.x()), Held(at.y()));
        });
    };
    canvas.onMove = [this](int b, QPointF at) {
        Run([&](Program& p) {
            CanvasMoved(p, static_cast<Integer>(b), Held(at.x()), Held(at.y()));
        });
    };
    canvas.onRelease = [this](int, QPointF at) {
        Run([&](Program& p) { CanvasReleased(p, Held(at.x()), Held(at.y())); });
    };
    main_.onFormMove = [this](int b, float x, float y) {
        Run([&](Program& p) { MovedOverWindow(p, static_cast<Integer>(b), x, y); });
    };
    main_.onClose = [this] { CloseMainWindow(); };

    const auto click = [this](QPushButton* button, void (*handler)(Program&)) {
        QObject::connect(button, &QPushButton::clicked, [this, handler] { Run(handler); });
    };
    click(main_.Button1_NewRenameLeft_8cbn, Button1Pressed);
    click(main_.Button2_SelectAssignUnassignYes_8cbn, Button2Pressed);
    click(main_.Button3_EditDone_8cbn, Button3Pressed);
    click(main_.Button4_DeleteRightNo_8cbn, Button4Pressed);
    click(main_.Button_Cancel8cbn, CancelPressed);
    click(main_.zoomInBox_8cbn, ZoomInBoxPressed);
    click(main_.End8cbn, EndProgram);
    click(XSpick8frm_->End8cbn, WriteDataFile);
    WireKeys();
    WireBackdrop();
    WireOpening();
}

// The standard keys, in each window the program shows, whichever control has the focus; a
// message box or a combo box's list that is open keeps its own keys.
void Application::WireKeys() {
    QCoreApplication::instance()->installEventFilter(&keys_);
    AddShortcut(QKeySequence::keyBindings(QKeySequence::Undo), [this] { Run(Undo); });
    QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redo.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) {
        redo.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    }
    AddShortcut(redo, [this] { Run(Redo); });
    // Takes back the last point of a new line; a text box keeps it for its typing.
    AddShortcut({QKeySequence(Qt::Key_Backspace)}, [this] { Run(TakeBackPoint); });
    // Escape gives up what is in progress, as Cancel does; a disabled Cancel ignores it.
    AddShortcut({QKeySequence(Qt::Key_Escape)}, [this] { main_.Button_Cancel8cbn->click(); });
}

std::array<QWidget*, 4> Application::ShownWindows() {
    return {&main_, XSpick8frm_.get(), CADmap8frm_.get(), CADlistof8frm_.get()};
}

void Application::AddShortcut(const QList<QKeySequence>& keys,
                              const std::function<void()>& handler) {
    auto* action = new QAction(&main_);
    action->setShortcuts(keys);
    for (QWidget* window : ShownWindows()) {
        window->addAction(action);
    }
    QObject::connect(action, &QAction::triggered, handler);
}

void Application::WireBackdrop() {
    auto* drops = new FileDrops([this](const std::string& path) { DropFile(path); }, &main_);
    for (QWidget* window : ShownWindows()) {
        drops->Watch(window);
    }
    AddShortcut({QKeySequence(Qt::CTRL | Qt::Key_B)}, [this] { backdrop_.Toggle(); });
}

void Application::WireOpening() {
    AddShortcut(QKeySequence::keyBindings(QKeySequence::Open), [this] { OpenWithDialog(); });
    // As plain text, which does not wrap; a folder name such as "<b>x" is no markup either.
    const QString path = QDir::current().absoluteFilePath(DataFileName);
    XSpick8frm_->End8cbn->setToolTip(
        Qt::mightBeRichText(path) ? Qt::convertFromPlainText(path, Qt::WhiteSpaceNoWrap) : path);
}

void Application::DropFile(const std::string& path) {
    if (auto read = ReadDroppedDrawing(path)) {
        OpenRead(*read, ShownName(path));
    } else {
        backdrop_.Drop(path);
    }
}

void Application::OpenWithDialog() {
    if (program_.ended || !ReadyToOpen(program_)) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(&main_, "Open a drawing", QString(),
                                                      "Data files (*.csv);;All files (*)");
    if (!path.isEmpty()) {
        OpenRead(ReadDrawingFile(QFile::encodeName(path).toStdString()), path);
    }
}

void Application::OpenRead(const std::variant<DrawingState, QString>& read, const QString& path) {
    if (program_.ended || !ReadyToOpen(program_)) {
        return;
    }
    if (const auto* error = std::get_if<QString>(&read)) {
        session_.Alert(error->toStdString());
        return;
    }
    bool goOn = !HasUnwrittenChanges(program_);
    if (!goOn) {
        switch (AskToWrite(&main_,
                           "Write the drawing to Qelt-CAD-float.csv before " + path + " is opened?",
                           output_.KeptFolder())) {
            case WriteAnswer::Write:
                Run([&](Program& p) { goOn = WriteDrawing(p); });
                break;
            case WriteAnswer::Discard:
                Run([&](Program& p) { goOn = KeepUnwritten(p); });
                break;
            case WriteAnswer::Stay:
                break;
        }
    }
    if (goOn) {
        Open(std::get<DrawingState>(read), path.toStdString());
    }
}

void Application::ShowBackdrop(const Backdrop& backdrop) {
    backdrop_.Show(backdrop);
}

void Application::Repaint() {
    Run([](Program& p) { RedrawAll(p.plotView()); });
}

}  // namespace qelt::shell
