// Time of a full repaint, and of a press with its repaint, on the real Qt canvas.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "interaction/actions.h"
#include "interaction/mouse.h"
#include "plotting/rendering.h"
#include "shell/app/application.h"

namespace {

using qelt::Integer;

// The largest drawing the limits allow: 55 points in three lines of 19, 18 and 18, zigzagging
// across the whole 785 x 442 canvas.
void DrawLargestDrawing(qelt::DrawingState& d) {
    const int counts[] = {19, 18, 18};
    Integer slot = 0;
    for (int line = 1; line <= 3; ++line) {
        qelt::LineRec& rec = d.Lines8pudt[line];
        rec.InUse = true;
        rec.LineNo = static_cast<Integer>(line);
        rec.Code = "UN";
        for (int i = 1; i <= counts[line - 1]; ++i) {
            ++slot;
            const auto x = static_cast<Integer>(20 + i * 40);
            const auto y = static_cast<Integer>(line * 120 + (i % 2) * 60 - 40);
            d.Points8pudt[slot] = {x, y, true};
            rec.PtIdx[i] = slot;
        }
        rec.PtCount = static_cast<Integer>(counts[line - 1]);
    }
    d.PointsUsed8pint = slot;
    d.LineCount8pint = 3;
}

struct App {
    App() {
        app.Start();
        DrawLargestDrawing(app.program().drawing);
    }
    qelt::shell::Application app;
};

// Made in main() after the QApplication and gone before it: the windows must not outlive it.
App* theApp = nullptr;

App& TheApp() {
    return *theApp;
}

// What the canvas shows forgotten between two repaints, as any mark between them would make
// it, so that each repaint is done in full and not found to be on the canvas already.
void Forget(qelt::Program& p) {
    p.shown.canvas = nullptr;
}

void FullRepaint(benchmark::State& state) {
    qelt::Program& p = TheApp().app.program();
    for (auto _ : state) {
        Forget(p);
        qelt::RedrawAll(p.plotView());
    }
    state.counters["segments"] = p.lists.SegCount8pint;
    state.counters["symbols"] = p.lists.SymbolCount8pint;
}

// The same repaint over a backdrop: a picture larger than the canvas, of another aspect ratio,
// fitted and lightened once; every clear then copies it in place of the white fill.
void FullRepaintOverABackdrop(benchmark::State& state) {
    qelt::Program& p = TheApp().app.program();
    qelt::shell::CanvasWidget& canvas = *TheApp().app.mainWindow().canvas;
    QImage picture(1600, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        }
    }
    canvas.SetBackground(picture);
    qelt::RedrawAll(p.plotView());
    for (auto _ : state) {
        Forget(p);
        qelt::RedrawAll(p.plotView());
    }
    canvas.SetBackground({});
}

// The floor: the canvas's Cls filling the whole image with white, as it does when the image is
// stale (no background given marks it so); a Cls after a repaint fills only what it drew on.
void BareCls(benchmark::State& state) {
    qelt::shell::CanvasWidget& canvas = *TheApp().app.mainWindow().canvas;
    for (auto _ : state) {
        canvas.SetBackground({});
        canvas.Cls();
    }
}

// A press and its release inside the box of line 2 while selecting a line: the line
// search, the buttons it sets and the full repaint that every press ends with.
void PressToRepaint(benchmark::State& state) {
    qelt::Program& p = TheApp().app.program();
    qelt::ResetActionButtons(p);
    qelt::Button2Pressed(p);
    for (auto _ : state) {
        Forget(p);
        qelt::CanvasPressed(p, 1, 300, 230);
        qelt::CanvasReleased(p, 300, 230);
    }
}

BENCHMARK(FullRepaint);
BENCHMARK(FullRepaintOverABackdrop);
BENCHMARK(BareCls);
BENCHMARK(PressToRepaint);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);
    App app;
    theApp = &app;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
