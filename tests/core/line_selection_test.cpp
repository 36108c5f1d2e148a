// Which line a press picks, and the click cycle through overlapping lines.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace qelt::testing {
namespace {

// A started program in select mode over the given lines.
struct Selecting {
    explicit Selecting(const std::vector<Points>& lines) {
        for (const Points& line : lines) {
            AddLine(w.program.drawing, line);
        }
        w.Started();
        w.program.drawing.LineCount8pint = static_cast<Integer>(lines.size());
        Button2Pressed(w.program);
    }
    Integer PressAt(Single x, Single y) {
        Click(w.program, 1, x, y);
        return w.program.drawing.SelectedLine8pint;
    }
    FakeWorld w;
};

const Points kSmall{{0, 0}, {10, 10}};
const Points kBig{{0, 0}, {100, 100}};

TEST(LineSelection, RepeatedPressesStepThroughOverlappingLinesInLineOrder) {
    Selecting s({kSmall, kBig, kSmall, kSmall, kBig});
    EXPECT_EQ(s.PressAt(50, 50), 2);
    EXPECT_EQ(s.w.program.ClickCycle8sint, 1);
    EXPECT_EQ(s.PressAt(50, 50), 5);
    EXPECT_EQ(s.PressAt(50, 50), 2);
}

TEST(LineSelection, ASingleCandidateLeavesTheCounterAtOne) {
    Selecting s({kSmall, kBig});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.PressAt(50, 50), 2);
        EXPECT_EQ(s.w.program.ClickCycle8sint, 1);
    }
}

TEST(LineSelection, TheCounterIsOneForThePressesEverywhere) {
    Selecting s({kBig, kBig, {{40, 40}, {60, 60}}, {{200, 200}, {300, 300}}});
    EXPECT_EQ(s.PressAt(20, 20), 1);
    EXPECT_EQ(s.PressAt(20, 20), 2);
    EXPECT_EQ(s.PressAt(50, 50), 3) << "candidate 2 was last, so three candidates give the third";
    EXPECT_EQ(s.PressAt(250, 250), 4);
    EXPECT_EQ(s.w.program.ClickCycle8sint, 1);
}

TEST(LineSelection, AMissSetsNoLineAndKeepsTheCounter) {
    Selecting s({kBig, kBig});
    s.PressAt(50, 50);
    EXPECT_EQ(s.PressAt(500, 50), NoLine);
    EXPECT_EQ(s.w.program.ClickCycle8sint, 1);
    EXPECT_FALSE(s.w.program.actions.LineHit8pbol);
    EXPECT_EQ(s.PressAt(50, 50), 2);
}

// A box with no whole pixel inside along an axis reaches 4 pixels, a point's square, beyond it.
TEST(LineSelection, EdgesOfTheBoxAreNeverHitAndFlatBoxesReachAsFarAsASquare) {
    Selecting s({{{10, 10}, {50, 30}},
                 {{100, 10}, {100, 80}},
                 {{120, 40}, {200, 40}},
                 {{300, 300}},
                 {},
                 {{400, 100}, {401, 200}}});
    struct Press {
        Single x, y;
    };
    for (Press press : {Press{10, 20}, Press{50, 20}, Press{30, 10}, Press{30, 30}, Press{95, 40},
                        Press{150, 35}, Press{305, 300}, Press{406, 150}}) {
        EXPECT_EQ(s.PressAt(press.x, press.y), NoLine) << press.x << "," << press.y;
    }
    EXPECT_EQ(s.PressAt(11, 29), 1);
    EXPECT_EQ(s.PressAt(96, 79), 2);
    EXPECT_EQ(s.PressAt(150, 44), 3);
    EXPECT_EQ(s.PressAt(304, 296), 4);
    EXPECT_EQ(s.PressAt(405, 150), 6);
}

TEST(LineSelection, NoLinesAtAll) {
    Selecting s({});
    EXPECT_EQ(s.PressAt(50, 50), NoLine);
}

TEST(LineSelection, EverySearchDisablesButton2WithItsBlankCaption) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, kBig);
    StartSelectLine(p);
    p.mouse.MouseX8pint = 50;
    p.mouse.MouseY8pint = 50;
    LineSearch(p);
    EXPECT_EQ(w.Button2.Caption(), " -- --- --");
    EXPECT_FALSE(w.Button2.Enabled());
    EXPECT_EQ(p.drawing.SelectedLine8pint, 1);
}

TEST(LineSelection, AMissInSelectModeDisablesEarlierChoices) {
    Selecting s({kBig});
    s.PressAt(50, 50);
    Button2Pressed(s.w.program);
    ASSERT_TRUE(s.w.Button3.Enabled());
    s.PressAt(500, 500);
    const Screen shown = Shown(s.w);
    EXPECT_EQ(shown.b2, (Screen::Button{" -- --- --", false}));
    EXPECT_FALSE(shown.b3.enabled);
    EXPECT_FALSE(shown.b4.enabled);
    EXPECT_TRUE(shown.cancel.enabled);
}

TEST(LineSelection, TheSearchDoesNothingWhileLineSearchIsOff) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, kBig);
    p.drawing.SelectedLine8pint = 7;
    p.mouse.MouseX8pint = 50;
    p.mouse.MouseY8pint = 50;
    LineSearch(p);
    EXPECT_EQ(p.drawing.SelectedLine8pint, 7);
    EXPECT_EQ(w.Button2.Caption(), "2) Select_Un/Assign_Yes");
}

}  // namespace
}  // namespace qelt::testing
