// The program's start: its command line, the data file and the picture it names, the windows.
#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <csignal>

#include "shell/app/application.h"
#include "shell/files/drawing_file.h"
#include "shell/files/file_names.h"
#include "shell/pictures/backdrop.h"
#include "shell/pictures/picture_reader.h"
#include "shell/start/command_line.h"
#include "shell/start/display.h"
#include "shell/start/export.h"
#include "shell/start/refusal.h"
#include "shell/windows/message_box.h"

namespace {

// A person at a screen also sees a refused file or picture in a box; where no one could answer
// the box, standard error is enough.
int ShowRefusal(const QString& message) {
    if (qelt::shell::SeenByAPerson()) {
        QMessageBox box(QMessageBox::Critical, "qelt-cad", message, QMessageBox::Ok);
        qelt::shell::ShowAsPlainText(box);
        box.exec();
    }
    return 2;
}

// Without a display at all, the message on standard error is all there is; Qt's own lines
// about the display add nothing to it.
int RefuseFile(int& argc, char* argv[], const QString& message) {
    qelt::shell::Refuse(message, 2);
    qelt::shell::HoldQtMessagesUnlessAsked();
    const auto application = qelt::shell::OpenDisplay(argc, argv, {nullptr, 2});
    return ShowRefusal(message);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qelt::shell::IsPictureReader(argc, argv)) {
        // The reader's answer is all it says.
        qelt::shell::HoldQtMessagesUnlessAsked();
        qelt::shell::ServePictureReader();
    }
    // A write past the file size limit fails, with its cause, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName("qelt-cad");
    QCoreApplication::setApplicationVersion(QELT_VERSION);
    const qelt::shell::CommandLine command = qelt::shell::ParseCommandLine(argc, argv);
    // A bad command line, file or picture is said on standard error, before any window of the
    // program opens and before anything is written.
    if (!command.error.isEmpty()) {
        return qelt::shell::Refuse(command.error, 2);
    }
    // The application object gets the program's name alone: the arguments are all taken.
    argc = std::min(argc, 1);
    // A picture of a drawing is made without a display and without opening a window.
    if (command.exportTo) {
        return qelt::shell::ExportWithoutDisplay(argc, argv, command);
    }
    std::optional<qelt::DrawingState> drawing;
    if (command.file) {
        auto read = qelt::shell::ReadDrawingFile(*command.file);
        if (const auto* error = std::get_if<QString>(&read)) {
            return RefuseFile(argc, argv, *error);
        }
        drawing = std::get<qelt::DrawingState>(std::move(read));
    }
    // The picture's reader needs no display of its own.
    std::optional<qelt::shell::Backdrop> backdrop;
    if (command.backdrop) {
        auto read = qelt::shell::ReadBackdrop(*command.backdrop);
        if (const auto* error = std::get_if<QString>(&read)) {
            return RefuseFile(argc, argv, *error);
        }
        backdrop = std::get<qelt::shell::Backdrop>(std::move(read));
    }
    const auto application = qelt::shell::OpenDisplay(argc, argv, qelt::shell::kNoDisplayFound);
    qelt::shell::Application program;
    program.Start();
    if (drawing) {
        program.Open(*drawing, qelt::shell::ShownName(*command.file).toStdString());
    }
    if (backdrop) {
        program.ShowBackdrop(*backdrop);
    }
    return QApplication::exec();
}
