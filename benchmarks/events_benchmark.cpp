// Events per second of the core on a canvas whose drawing calls do nothing.
#include <benchmark/benchmark.h>

#include "monkey/event_source.h"

// Events per second of the core on a canvas whose raster calls do nothing, so that only the
// program's own work is timed: the mouse state, the press dispatch, the editing, the display
// lists and the clipping of every mark.

namespace {

using namespace qelt;
using namespace qelt::testing;

constexpr int kRecorded = 200'000;

// The monkey's event mix, recorded once from a program that runs alongside, so that replaying it
// into a fresh program takes the same paths.
const Events& MonkeyMix() {
    static const Events events = [] {
        Dice dice(20'240'611);
        MonkeyWorld w;
        Events recorded;
        while (recorded.size() < kRecorded) {
            // A fresh temper now and then, so that the mix holds every kind of run.
            const Temper temper = RandomTemper(dice);
            for (int i = 0; i < 2'000; ++i) {
                recorded.push_back(NextEvent(w, temper, dice));
                Deliver(w, recorded.back());
            }
        }
        return recorded;
    }();
    return events;
}

// Press and release at one place.
void Tap(Events& events, Single x, Single y) {
    events.push_back(Press{1, x, y});
    events.push_back(Release{1, x, y});
}

// The largest drawing the pool holds, 20 + 20 + 15 points, then point editing on line 1 with a
// point picked up, so that it follows every move that redraws.
Events LargestDrawingCarrying() {
    Events events;
    for (int line = 0; line < 3; ++line) {
        events.push_back(ButtonClick{Action::Button1});
        for (int i = 0; i < (line < 2 ? 20 : 15); ++i) {
            Tap(events, static_cast<Single>(20 + i * 37),
                static_cast<Single>(40 + line * 140 + i % 2 * 60));
        }
        events.push_back(ButtonClick{Action::Button3});
    }
    events.push_back(ButtonClick{Action::Button2});
    Tap(events, 60, 80);
    events.push_back(ButtonClick{Action::Button2});
    events.push_back(ButtonClick{Action::Button3});
    Tap(events, 57, 99);
    return events;
}

long long ProgramEvents(const Events& events) {
    long long count = 0;
    for (const Event& e : events) {
        count += ReachesProgram(e) ? 1 : 0;
    }
    return count;
}

void MonkeyEventMix(benchmark::State& state) {
    const Events& events = MonkeyMix();
    long long delivered = 0;
    for (auto _ : state) {
        MonkeyWorld w;
        for (const Event& e : events) {
            Deliver(w, e);
        }
        benchmark::DoNotOptimize(w.program.drawing);
        delivered += ProgramEvents(events);
    }
    state.counters["events/s"] =
        benchmark::Counter(static_cast<double>(delivered), benchmark::Counter::kIsRate);
}

// The worst case: every event a full repaint of 55 points, 52 segments and 31 squares.
void MovesRedrawingACarriedPoint(benchmark::State& state) {
    MonkeyWorld w;
    for (const Event& e : LargestDrawingCarrying()) {
        Deliver(w, e);
    }
    if (!w.program.actions.MovingPoint8pbol || w.program.drawing.PointsUsed8pint != 55) {
        state.SkipWithError("the setting up did not end with a point carried over 55 points");
    }
    long long moves = 0;
    for (auto _ : state) {
        // Each step passes the 0.12 s throttle, wrapping at midnight.
        w.clock.now = w.clock.now > 86'000 ? 0 : w.clock.now + 0.125F;
        Deliver(w, Move{0, static_cast<Single>(50 + moves % 200), 90});
        ++moves;
    }
    state.counters["events/s"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}

BENCHMARK(MonkeyEventMix)->Unit(benchmark::kMillisecond);
BENCHMARK(MovesRedrawingACarriedPoint);

}  // namespace

BENCHMARK_MAIN();
