// Start-up time and peak memory of the program, for benchmarks/startup_and_memory.sh.
//
//   startup_probe LAUNCH_NS
//
// LAUNCH_NS is the wall clock in nanoseconds since the epoch taken just before the probe was
// launched (`date +%s%N`). The probe starts the program as main() does, waits until the main
// window is painted, then draws the largest drawing the limits allow (55 points in 3 lines of 20,
// 20 and 15) through the real widgets. It prints, one "name=value" a line, what
// start_clock::Measure prints of the main window and
//   hwm_largest_kb  peak resident memory once the largest drawing is on the canvas
// and fails if the drawing did not come out whole.
#include <QApplication>
#include <QMouseEvent>
#include <QTextStream>
#include <string>

#include "shell/app/application.h"
#include "start_clock.h"

namespace {

using qelt::shell::Application;

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
    QTextStream out(stdout);
    qelt::start_clock::Measure(program.mainWindow(), launchNs, out);
    DrawLargestDrawing(program);
    out << "hwm_largest_kb=" << qelt::start_clock::PeakResidentKb() << '\n';
    if (!DrawingIsWhole(program.program().drawing)) {
        QTextStream(stderr) << "the largest drawing did not come out whole\n";
        return 1;
    }
    return 0;
}
