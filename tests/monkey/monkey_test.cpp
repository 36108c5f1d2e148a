// Random events against whole programs, every rule checked after each.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>

#include "monkey/event_source.h"
#include "monkey/property.h"
#include "monkey/replay.h"

namespace qelt::testing {
namespace {

// Fixed, so that every run sends the same events; RC_PARAMS names other values for any of them.
constexpr std::uint64_t kSeed = 7'355'608;
constexpr int kRuns = 1400;
constexpr int kLongestRun = 2400;
// How many different tempers the runs draw from.
constexpr std::uint64_t kTempers = 1'000'000;

// What the monkey did over all its runs.
struct Tally {
    long long events = 0;  // handled by the program
    long long timerSteps = 0;
};

// The generator's picture of the program: a copy of it that runs ahead of the one under test.
struct Rehearsal {
    MonkeyWorld world;
    Temper temper;
};

// The program under test, and the limits it reached in this run.
struct Stage {
    MonkeyWorld world;
    Tally& tally;
    int mostLines = 0;
    int mostLinePoints = 0;
    int mostPoints = 0;
};

void NoteLimits(Stage& stage) {
    const DrawingState& d = stage.world.program.drawing;
    stage.mostLines = std::max<int>(stage.mostLines, d.LineCount8pint);
    int points = 0;
    for (int k = 1; k <= d.LineCount8pint; ++k) {
        stage.mostLinePoints = std::max<int>(stage.mostLinePoints, d.Lines8pudt[k].PtCount);
    }
    for (const PointRec& point : d.Points8pudt) {
        points += point.InUse ? 1 : 0;
    }
    stage.mostPoints = std::max(stage.mostPoints, points);
}

using Command = rc::state::Command<Rehearsal, Stage>;

class EventCommand : public Command {
  public:
    explicit EventCommand(Event event) : event_(event) {}

    void checkPreconditions(const Rehearsal& model) const override {
        if (const auto* click = std::get_if<ButtonClick>(&event_)) {
            RC_PRE(ButtonOf(model.world, click->button).Enabled());
        }
    }

    // A fault of the program is reported by run(); the rehearsal only has to go on.
    void apply(Rehearsal& model) const override {
        try {
            Deliver(model.world, event_);
        } catch (const std::exception&) {
        }
    }

    void run(const Rehearsal&, Stage& stage) const override {
        if (const auto* click = std::get_if<ButtonClick>(&event_)) {
            RC_ASSERT(ButtonOf(stage.world, click->button).Enabled());
        }
        const std::string wrong = DeliverChecked(stage.world, event_);
        if (!wrong.empty()) {
            RC_FAIL(wrong);
        }
        if (ReachesProgram(event_)) {
            ++stage.tally.events;
            NoteLimits(stage);
        } else {
            ++stage.tally.timerSteps;
        }
    }

    void show(std::ostream& out) const override { out << event_ << ','; }

  private:
    Event event_;
};

// The next event for the rehearsal as it stands; rapidcheck draws from it at once, while the
// rehearsal is still there.
rc::Gen<std::shared_ptr<const Command>> NextCommand(const Rehearsal& model) {
    return rc::Gen<std::shared_ptr<const Command>>([&model](const rc::Random& random, int) {
        Dice dice(rc::Random(random).next());
        const Event event = NextEvent(model.world, model.temper, dice);
        return rc::shrinkable::just(
            std::shared_ptr<const Command>(std::make_shared<EventCommand>(event)));
    });
}

// Runs of up to kLongestRun events from a started program, each event checked at once. A failure
// prints the seed and the shortest event list found that still fails; paste that list into a
// replay test (replay_test.cpp) to keep it.
TEST(Monkey, EveryEventKeepsTheProgramWhole) {
    Tally tally;
    const auto params = PropertyParams(kSeed, kRuns, kLongestRun);
    const auto start = std::chrono::steady_clock::now();
    const PropertyResult result =
        CheckProperty("Monkey/EveryEventKeepsTheProgramWhole", params, [&] {
            Dice dice(*rc::gen::noShrink(rc::gen::inRange<std::uint64_t>(0, kTempers)));
            const Rehearsal rehearsal{MonkeyWorld{}, RandomTemper(dice)};
            Stage stage{MonkeyWorld{}, tally};
            rc::state::check(rehearsal, stage, &NextCommand);
            RC_CLASSIFY(stage.mostLines == MaxLines, "43 lines");
            RC_CLASSIFY(stage.mostLinePoints == MaxLinePoints, "20 points in a line");
            RC_CLASSIFY(stage.mostPoints == MaxPoints, "55 points in the drawing");
        });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << "monkey: seed " << params.seed << ", " << tally.events << " events and "
              << tally.timerSteps << " timer steps in " << took.count()
              << " s: " << static_cast<long long>(tally.events / took.count()) << " events/s\n";
    if (result.held) {
        std::cout << result.report << '\n';
    } else {
        FAIL() << "seed " << params.seed << ": " << result.report;
    }
}

}  // namespace
}  // namespace qelt::testing
