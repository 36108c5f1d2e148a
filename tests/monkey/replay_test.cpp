// Event sequences the monkey printed, replayed through every check.
#include <gtest/gtest.h>

#include <algorithm>

#include "monkey/replay.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

// A sequence the monkey prints on a failure is pasted as it stands between the braces of an
// Events list and replayed here, through the same checks after every event; from then on it is
// a regular test. This one draws a line, carries a point across midnight, drops it, deletes
// another point and zooms.
TEST(MonkeyReplay, PrintedSequence) {
    const Events events{
        ButtonClick{Action::Button1},
        Press{1, 100, 100},
        Release{1, 100, 100},
        Press{1, 300, 300},
        Release{1, 300, 300},
        Press{1, 500, 150},
        Release{1, 500, 150},
        ButtonClick{Action::Button3},
        ButtonClick{Action::Button2},
        Press{1, 250, 200},
        Release{1, 250, 200},
        ButtonClick{Action::Button2},
        ButtonClick{Action::Button3},
        Press{1, 299, 295},
        Release{1, 299, 295},
        TimerAt{86399.95},
        Move{1, 320, 260},
        TimerAt{0.05},
        Move{0, 330.5, 249.5},
        Press{2, 340, 240},
        Release{2, 340, 240},
        Press{2, 140, 120},
        Release{2, 140, 120},
        ButtonClick{Action::Button3},
        ZoomIn{},
        Press{1, 400, 200},
        Release{1, 400, 200},
    };
    MonkeyWorld w;
    ASSERT_EQ(Replay(w, events), "");
    const DrawingState& d = w.program.drawing;
    EXPECT_EQ(LinePoints(d, 1), (Points{{340, 240}, {500, 150}}));
    EXPECT_EQ(d.PointsUsed8pint, 3);
    EXPECT_EQ(w.Prompt.Caption(), "Done with Pointing Editing");
    EXPECT_FALSE(w.program.mouse.ZoomBoxArmed8pbol);
}

// Press and release at one place: one accepted press.
void Tap(Events& events, Single x, Single y) {
    events.push_back(Press{1, x, y});
    events.push_back(Release{1, x, y});
}

// A new line of `points` points on a zigzag, finished with "Done adding Line".
void NewLine(Events& events, int points, Single top) {
    events.push_back(ButtonClick{Action::Button1});
    for (int i = 0; i < points; ++i) {
        Tap(events, static_cast<Single>(20 + i * 35), top + static_cast<Single>(i % 2 * 30));
    }
    events.push_back(ButtonClick{Action::Button3});
}

// Each limit reached through events, every event checked on the way.
TEST(MonkeyReplay, LimitsReachedThroughEvents) {
    struct Case {
        const char* what;
        std::vector<int> lines;  // points of each line drawn, in order
        Integer lineCount;
        Integer lastLinePoints;
        Integer pointsUsed;
        const char* prompt;
    };
    const std::vector<int> fortyFourDots(44, 1);
    const Case cases[] = {
        {"21 points in one line", {21}, 1, 20, 20, "waiting for your next activity"},
        {"56 points in the drawing", {19, 19, 18}, 3, 17, 55, "waiting for your next activity"},
        {"44 lines", fortyFourDots, 43, 1, 43, "Too many general Lines --- Max allowable is 43"},
    };
    for (const Case& c : cases) {
        Events events;
        for (std::size_t k = 0; k < c.lines.size(); ++k) {
            NewLine(events, c.lines[k], static_cast<Single>(40 + k * 120 % 360));
        }
        MonkeyWorld w;
        ASSERT_EQ(Replay(w, events), "") << c.what;
        const DrawingState& d = w.program.drawing;
        EXPECT_EQ(d.LineCount8pint, c.lineCount) << c.what;
        EXPECT_EQ(d.Lines8pudt[d.LineCount8pint].PtCount, c.lastLinePoints) << c.what;
        EXPECT_EQ(d.PointsUsed8pint, c.pointsUsed) << c.what;
        EXPECT_EQ(w.Prompt.Caption(), c.prompt) << c.what;
    }
}

// With the pool full, deleting a line frees its slots, and a new line takes them lowest first
// without raising the high-water mark.
TEST(MonkeyReplay, FullPoolRefilledAfterDeletingALine) {
    Events events;
    NewLine(events, 20, 40);
    NewLine(events, 20, 160);
    NewLine(events, 15, 280);
    events.push_back(ButtonClick{Action::Button2});
    Tap(events, 60, 170);  // inside line 2 only
    events.push_back(ButtonClick{Action::Button2});
    events.push_back(ButtonClick{Action::Button4});
    NewLine(events, 21, 380);
    MonkeyWorld w;
    ASSERT_EQ(Replay(w, events), "");
    const DrawingState& d = w.program.drawing;
    EXPECT_EQ(d.LineCount8pint, 3);
    EXPECT_EQ(d.PointsUsed8pint, 55);
    const LineRec& added = d.Lines8pudt[3];
    ASSERT_EQ(added.PtCount, 20);
    EXPECT_EQ(added.PtIdx[1], 21);
    EXPECT_EQ(added.PtIdx[20], 40);
}

// Known fault. "Select this Line" while a point is carried, then "Edit a line point", starts
// point editing with the point still carried: both flags are set at once. The next right press
// then deletes a point and "drops" the carried one by its old position, which now names another
// point: (400, 280), never picked, jumps to the press. Carrying should end in a drop before point
// editing starts again, or the click should do nothing while a point is carried. The monkey
// steps around the click (event_source.cpp) until this is mended; then enable this test and
// remove that.
TEST(MonkeyReplay, EditALinePointWhileCarryingDoesNothing) {
    const Events events{
        ButtonClick{Action::Button1}, Press{1, 100, 100},           Release{1, 100, 100},
        Press{1, 200, 300},           Release{1, 200, 300},         Press{1, 300, 120},
        Release{1, 300, 120},         Press{1, 400, 280},           Release{1, 400, 280},
        ButtonClick{Action::Button3}, ButtonClick{Action::Button2}, Press{1, 250, 200},
        Release{1, 250, 200},         ButtonClick{Action::Button2}, ButtonClick{Action::Button3},
        Press{1, 298, 124},           Release{1, 298, 124},         ButtonClick{Action::Button2},
        ButtonClick{Action::Button3}, Press{2, 203, 296},           Release{2, 203, 296},
    };
    MonkeyWorld checked;
    EXPECT_EQ(Replay(checked, events), "");
    MonkeyWorld w;
    for (const Event& e : events) {
        Deliver(w, e);
    }
    const Points after = LinePoints(w.program.drawing, 1);
    EXPECT_EQ(std::ranges::count(after, std::pair{400, 280}), 1)
        << "line 1 is " << ::testing::PrintToString(after);
}

}  // namespace
}  // namespace qelt::testing
