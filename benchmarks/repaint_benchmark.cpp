#include <benchmark/benchmark.h>

#include <QApplication>

#include "interaction/mouse.h"
#include "shell/application.h"

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

App& TheApp() {
    static App instance;
    return instance;
}

void FullRepaint(benchmark::State& state) {
    qelt::Program& p = TheApp().app.program();
    for (auto _ : state) {
        qelt::RedrawAll(p);
    }
    state.counters["segments"] = p.lists.SegCount8pint;
    state.counters["symbols"] = p.lists.SymbolCount8pint;
}

void BareCls(benchmark::State& state) {
    qelt::Canvas& canvas = TheApp().app.program().platform.canvas;
    for (auto _ : state) {
        canvas.Cls();
    }
}

BENCHMARK(FullRepaint);
BENCHMARK(BareCls);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
