// The floor the program's start-up is measured against: a bare main window with one label.
//
//   startup_floor            shows the window "Startup floor" until it is closed or killed
//   startup_floor LAUNCH_NS  shows it, then prints what startup_probe prints of a start-up
//                            (startup_ms, hwm_startup_kb) and ends
//
// LAUNCH_NS is the wall clock in nanoseconds since the epoch taken just before the launch.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTextStream>
#include <QWindow>
#include <chrono>
#include <string>

namespace {

long PeakResidentKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Startup floor");
    window.setCentralWidget(new QLabel("A bare window"));
    window.show();
    if (argc != 2) {
        return QApplication::exec();
    }
    // As startup_probe waits for the program's main window: exposed, then its first paint.
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    QCoreApplication::processEvents();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const double ms =
        static_cast<double>(std::chrono::nanoseconds(now).count() - std::stoll(argv[1])) / 1e6;
    QTextStream(stdout) << "startup_ms=" << QString::number(ms, 'f', 1) << '\n'
                        << "hwm_startup_kb=" << PeakResidentKb() << '\n';
    return 0;
}
