#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/drawing_file.h"

namespace {

// A bad command line or file: said on standard error (and, for a file, in a message box),
// before any window of the program opens and before anything is written.
int Refuse(const QString& message, bool showBox) {
    std::cerr << "qelt-cad: " << message.toStdString() << '\n';
    if (showBox) {
        QMessageBox::critical(nullptr, "qelt-cad", message);
    }
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("qelt-cad");
    QCoreApplication::setApplicationVersion(QELT_VERSION);
    qelt::shell::AnswerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    const qelt::shell::CommandLine command = qelt::shell::ParseCommandLine(app.arguments());
    if (!command.error.isEmpty()) {
        return Refuse(command.error, false);
    }
    std::optional<qelt::DrawingState> drawing;
    if (command.file) {
        auto read = qelt::shell::ReadDrawingFile(*command.file);
        if (const auto* error = std::get_if<QString>(&read)) {
            return Refuse(*error, true);
        }
        drawing = std::get<qelt::DrawingState>(std::move(read));
    }
    qelt::shell::Application program;
    program.Start();
    if (drawing) {
        program.Open(*drawing, command.file->toStdString());
    }
    return QApplication::exec();
}
