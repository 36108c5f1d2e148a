// Start-up time and peak memory of the program, for benchmarks/startup_and_memory.sh.
//
//   startup_probe LAUNCH_NS
//
// LAUNCH_NS is the wall clock in nanoseconds since the epoch taken just before the probe was
// launched (`date +%s%N`). The probe starts the program as main() does, waits until the main
// window is shown and painted, then draws the largest drawing the limits allow (55 points in 3
// lines of 20, 20 and 15) through the real widgets. It prints, one "name=value" a line:
//   startup_ms       launch to the idle main window
//   hwm_startup_kb   peak resident memory at that moment
//   hwm_largest_kb   peak resident memory once the largest drawing is on the canvas
// and fails if the drawing did not come out whole.
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTextStream>
#include <QWindow>
#include <chrono>
#include <string>

#include "shell/app/application.h"

namespace {

using qelt::shell::Application;

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

double MillisecondsSince(long long launchNs) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<double>(std::chrono::nanoseconds(now).count() - launchNs) / 1e6;
}

void WaitUntilShown(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    QCoreApplication::processEvents();  // the first paint
}

// A press and a release at canvas pixel (x, y), the canvas frame being 2 pixels wide.
void Click(QWidget* canvas, int x, int y) {
    const QPointF at(x + 2, y + 2);
    const QPointF global = canvas->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, {}, {});
    QCoreApplication::sendEvent(canvas, &release);
}

// Three zigzag lines across the whole 785 x 442 canvas.
void DrawLargestDrawing(Application& program) {
    auto& w = program.mainWindow();
    const int counts[] = {20, 20, 15};
    for (int line = 0; line < 3; ++line) {
        w.button1->click();
        for (int i = 0; i < counts[line]; ++i) {
            Click(w.canvas, 20 + i * 38, 40 + line * 140 + (i % 2) * 90);
        }
        w.button3->click();
    }
    QCoreApplication::processEvents();
}

bool DrawingIsWhole(const qelt::DrawingState& d) {
    return d.LineCount8pint == 3 && d.Lines8pudt[1].PtCount == 20 &&
           d.Lines8pudt[2].PtCount == 20 && d.Lines8pudt[3].PtCount == 15 &&
           d.PointsUsed8pint == qelt::MaxPoints;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: startup_probe LAUNCH_NS\n";
        return 2;
    }
    const long long launchNs = std::stoll(argv[1]);
    QApplication app(argc, argv);
    Application program;
    program.Start();
    WaitUntilShown(program.mainWindow());
    const double startupMs = MillisecondsSince(launchNs);
    const long hwmStartup = PeakResidentKb();

    DrawLargestDrawing(program);
    const long hwmLargest = PeakResidentKb();

    QTextStream out(stdout);
    out << "startup_ms=" << QString::number(startupMs, 'f', 1) << '\n'
        << "hwm_startup_kb=" << hwmStartup << '\n'
        << "hwm_largest_kb=" << hwmLargest << '\n';
    if (!DrawingIsWhole(program.program().drawing)) {
        QTextStream(stderr) << "the largest drawing did not come out whole\n";
        return 1;
    }
    return 0;
}
