// The floor the program's start-up is measured against: a bare main window with one label.
//
//   startup_floor            shows the window "Startup floor" until it is closed or killed
//   startup_floor LAUNCH_NS  shows it, prints what start_clock::Measure prints of it, as
//                            startup_probe does of the program's main window, and ends
//
// LAUNCH_NS is the wall clock in nanoseconds since the epoch taken just before the launch.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTextStream>
#include <string>

#include "start_clock.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Startup floor");
    window.setCentralWidget(new QLabel("A bare window"));
    window.show();
    if (argc != 2) {
        return QApplication::exec();
    }
    QTextStream out(stdout);
    qelt::start_clock::Measure(window, std::stoll(argv[1]), out);
    return 0;
}
