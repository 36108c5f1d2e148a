#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/application.h"

namespace {

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
    std::fputs("qelt-cad: no display found (is DISPLAY set?)\n", stderr);
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayFound()) {
        return 1;
    }
    QApplication app(argc, argv);
    qelt::shell::Application program;
    program.Start();
    return QApplication::exec();
}
