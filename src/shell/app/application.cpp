// The whole program on the screen: its windows wired to one core program.
#include "shell/app/application.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QTextDocument>
#include <algorithm>
#include <array>

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
#include "shell/windows/look.h"
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
    : crossSection_(MakeCrossSectionWindow()),
      map_(MakeMapWindow()),
      list_(MakeListWindow()),
      rename_(MakeRenameWindow()),
      info_(MakeInfoWindow()),
      button1_(main_.button1),
      button2_(main_.button2),
      button3_(main_.button3),
      button4_(main_.button4),
      cancel_(main_.cancel),
      prompt_(main_.prompt, PromptRoom),
      completion_(main_.completion),
      zoomReadout_(main_.zoomReadout),
      top_(main_.topLabel, OwnRoom),
      bottom_(main_.bottomLabel, OwnRoom),
      left_(main_.leftLabel, OwnRoom),
      right_(main_.rightLabel, OwnRoom),
      session_({{Form::XSpick8frm, crossSection_.get()},
                {Form::CADmap8frm, map_.get()},
                {Form::CADlistof8frm, list_.get()},
                {Form::CAD8frm, &main_}},
               output_),
      program_(Platform{*main_.canvas,
                        MainControls{button1_, button2_, button3_, button4_, cancel_, prompt_,
                                     completion_, zoomReadout_, top_, bottom_, left_, right_},
                        clock_, output_, session_}),
      backdrop_(*main_.canvas, completion_, session_, [this] { Repaint(); }) {
    Place();
    Wire();
}

// Without a window manager every window would open in the screen's corner, one over another.
void Application::Place() {
    PlaceWindows(main_, *crossSection_, *list_, *map_);
}

void Application::Start() {
    Run([](Program& p) { StartProgram(p); });
    // The other windows' focus marks would cost the main window's first paint some milliseconds,
    // and no key can reach their buttons before it.
    paintedFirst_.Hold(main_, {crossSection_.get(), map_.get(), list_.get()}, [this] {
        const std::array<QWidget*, 5> windows{crossSection_.get(), map_.get(), list_.get(),
                                              rename_.get(), info_.get()};
        for (QWidget* window : windows) {
            MarkFocusedButton(window);
        }
    });
    // Not END, the first in the window's order: one stray space bar press would end the program.
    main_.button1->setFocus();
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
    CanvasWidget& canvas = *main_.canvas;
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
    main_.onMove = [this](int b, float x, float y) {
        Run([&](Program& p) { MovedOverWindow(p, static_cast<Integer>(b), x, y); });
    };
    main_.onClose = [this] { CloseMainWindow(); };

    const auto click = [this](QPushButton* button, void (*handler)(Program&)) {
        QObject::connect(button, &QPushButton::clicked, [this, handler] { Run(handler); });
    };
    click(main_.button1, Button1Pressed);
    click(main_.button2, Button2Pressed);
    click(main_.button3, Button3Pressed);
    click(main_.button4, Button4Pressed);
    click(main_.cancel, CancelPressed);
    click(main_.zoomInBox, ZoomInBoxPressed);
    click(main_.end, EndProgram);
    click(crossSection_->writeAndEnd, WriteDataFile);
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
    AddShortcut({QKeySequence(Qt::Key_Escape)}, [this] { main_.cancel->click(); });
}

std::array<QWidget*, 4> Application::ShownWindows() {
    return {&main_, crossSection_.get(), map_.get(), list_.get()};
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
    crossSection_->writeAndEnd->setToolTip(
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
