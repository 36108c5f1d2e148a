#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>

#include "shell/application.h"
#include "shell/backdrop.h"
#include "shell/command_line.h"
#include "shell/drawing_file.h"
#include "shell/export.h"

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

// Without a display Qt would end the program with long advice to reinstall it; one plain line
// says what is missing.
bool DisplayFound() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) {
        return true;
    }
    std::cerr << "qelt-cad: no display found (is DISPLAY set?)\n";
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("qelt-cad");
    QCoreApplication::setApplicationVersion(QELT_VERSION);
    qelt::shell::AnswerHelpOrVersion(argc, argv);
    // A picture of a drawing is made without a display and without opening a window.
    if (const std::optional<int> status = qelt::shell::ExportIfAsked(argc, argv)) {
        return *status;
    }
    if (!DisplayFound()) {
        return 1;
    }
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
    std::optional<qelt::shell::Backdrop> backdrop;
    if (command.backdrop) {
        auto read = qelt::shell::ReadBackdrop(*command.backdrop);
        if (const auto* error = std::get_if<QString>(&read)) {
            return Refuse(*error, true);
        }
        backdrop = std::get<qelt::shell::Backdrop>(std::move(read));
    }
    qelt::shell::Application program;
    program.Start();
    if (drawing) {
        program.Open(*drawing, command.file->toStdString());
    }
    if (backdrop) {
        program.ShowBackdrop(*backdrop);
    }
    return QApplication::exec();
}
