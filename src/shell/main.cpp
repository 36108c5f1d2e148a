#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <iostream>

#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/display.h"
#include "shell/drawing_file.h"
#include "shell/message_box.h"

namespace {

// A bad command line or file is said on standard error, before any window of the program opens
// and before anything is written.
int Refuse(const QString& message) {
    std::cerr << "qelt-cad: " << message.toStdString() << '\n';
    return 2;
}

// A person at a screen also sees a refused file in a box; where no one could answer the box, or
// there is no display at all, standard error is enough.
int RefuseFile(int& argc, char* argv[], const QString& message) {
    Refuse(message);
    const auto application = qelt::shell::OpenDisplay(argc, argv, {"", 2});
    if (qelt::shell::SeenByAPerson()) {
        QMessageBox box(QMessageBox::Critical, "qelt-cad", message, QMessageBox::Ok);
        qelt::shell::ShowAsPlainText(box);
        box.exec();
    }
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("qelt-cad");
    QCoreApplication::setApplicationVersion(QELT_VERSION);
    const qelt::shell::CommandLine command = qelt::shell::ParseCommandLine(argc, argv);
    if (!command.error.isEmpty()) {
        return Refuse(command.error);
    }
    // The application object gets the program's name alone: the arguments are all taken.
    argc = std::min(argc, 1);
    std::optional<qelt::DrawingState> drawing;
    if (command.file) {
        auto read = qelt::shell::ReadDrawingFile(*command.file);
        if (const auto* error = std::get_if<QString>(&read)) {
            return RefuseFile(argc, argv, *error);
        }
        drawing = std::get<qelt::DrawingState>(std::move(read));
    }
    const auto application = qelt::shell::OpenDisplay(argc, argv, qelt::shell::kNoDisplayFound);
    qelt::shell::Application program;
    program.Start();
    if (drawing) {
        program.Open(*drawing, qelt::shell::ShownName(*command.file).toStdString());
    }
    return QApplication::exec();
}
