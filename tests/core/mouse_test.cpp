// The mouse state and the press dispatch over real sequences of events.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/scenario.h"

namespace qelt::testing {
namespace {

int Repaints(const FakeWorld& w) {
    return static_cast<int>(std::count(w.canvas.calls.begin(), w.canvas.calls.end(), "clear"));
}

TEST(Mouse, StatusTextsOfEachEvent) {
    FakeWorld w;
    Program& p = w.Started();
    CanvasPressed(p, 1, 10, 10);
    EXPECT_EQ(w.Concluding.Caption(), "       down   wasMove");
    CanvasMoved(p, 1, 11, 10);
    EXPECT_EQ(w.Concluding.Caption(), "  Move ");
    CanvasReleased(p, 11, 10);
    EXPECT_EQ(w.Concluding.Caption(), "   UP ");
    MovedOverWindow(p, 0, 3, 4);
    EXPECT_EQ(w.Concluding.Caption(), "---off--");
}

TEST(Mouse, PositionsAreRoundedHalfToEven) {
    FakeWorld w;
    Program& p = w.Started();
    CanvasMoved(p, 3, 4.5F, 5.5F);
    EXPECT_EQ(p.mouse.MouseX8pint, 4);
    EXPECT_EQ(p.mouse.MouseY8pint, 6);
    EXPECT_EQ(p.mouse.MouseButton8pint, 3) << "a move stores the sum of held buttons";
    CanvasReleased(p, -0.5F, 2.5F);
    EXPECT_EQ(p.mouse.MouseX8pint, 0);
    EXPECT_EQ(p.mouse.MouseY8pint, 2);
    EXPECT_EQ(p.mouse.MouseButton8pint, 3) << "a release does not store its button";
}

TEST(Mouse, ASecondPressWithoutMoveOrReleaseIsIgnored) {
    FakeWorld w;
    Program& p = w.Started();
    Button1Pressed(p);
    CanvasPressed(p, 1, 10, 10);  // accepted right after start-up
    CanvasPressed(p, 1, 20, 20);
    EXPECT_EQ(p.drawing.Lines8pudt[1].PtCount, 1);
    EXPECT_EQ(p.mouse.MouseState8pstr, PressState::DOWN);
    EXPECT_EQ(p.mouse.MouseX8pint, 20) << "the ignored press still updates the position";
    CanvasReleased(p, 20, 20);
    CanvasPressed(p, 1, 30, 30);
    EXPECT_EQ(p.drawing.Lines8pudt[1].PtCount, 2);
}

TEST(Mouse, EveryPressRepaintsButMovesOnlyEveryTwelveHundredthsOfASecond) {
    FakeWorld w;
    Program& p = w.Started();
    w.canvas.calls.clear();
    std::vector<int> repainted;
    for (int i = 1; i <= 9; ++i) {
        w.clock.now = 0.05F * static_cast<Single>(i);
        const int before = Repaints(w);
        w.canvas.PSet(1, 1);  // a dot between: the canvas no longer shows the last repaint
        CanvasMoved(p, 0, 100, 100);
        if (Repaints(w) > before) {
            repainted.push_back(i);
        }
    }
    EXPECT_EQ(repainted, (std::vector<int>{3, 6, 9}));
    const int before = Repaints(w);
    w.canvas.PSet(1, 1);
    CanvasPressed(p, 1, 100, 100);
    EXPECT_EQ(Repaints(w), before + 1);
    EXPECT_FLOAT_EQ(p.mouse.LastRedraw8psng[2], 0.45F) << "a press leaves the throttle alone";
}

TEST(Mouse, ExactlyTwelveHundredthsIsNotEnough) {
    FakeWorld w;
    Program& p = w.Started();
    w.clock.now = 0.12F;
    w.canvas.calls.clear();
    CanvasMoved(p, 0, 1, 1);
    EXPECT_EQ(Repaints(w), 0);
    w.clock.now = 0.1201F;
    CanvasMoved(p, 0, 1, 1);
    EXPECT_EQ(Repaints(w), 1);
}

TEST(Mouse, RedrawsGoOnAfterMidnight) {
    FakeWorld w;
    Program& p = w.Started();
    w.clock.now = 86399.9F;
    CanvasMoved(p, 0, 1, 1);
    w.clock.now = 0.01F;
    w.canvas.calls.clear();
    w.canvas.PSet(1, 1);
    CanvasMoved(p, 0, 2, 2);
    EXPECT_EQ(Repaints(w), 1);
    EXPECT_FLOAT_EQ(p.mouse.LastRedraw8psng[2], 0.01F);
}

TEST(Mouse, FormMoveActsOnlyWhenBothCoordinatesChange) {
    FakeWorld w;
    Program& p = w.Started();
    CanvasMoved(p, 0, 50, 50);
    MovedOverWindow(p, 0, 7, 0);  // Y equals the last acted-on Y, 0
    EXPECT_EQ(p.mouse.MouseWhere8pstr, MouseWhere::PIC);
    EXPECT_EQ(w.Concluding.Caption(), "  Move ");
    EXPECT_EQ(p.mouse.MouseX8pint, 7);
    MovedOverWindow(p, 0, 7, 9);  // X equals nothing acted on yet, but Y changed: acts
    EXPECT_EQ(p.mouse.MouseWhere8pstr, MouseWhere::FORM);
    EXPECT_EQ(w.Concluding.Caption(), "---off--");
    CanvasMoved(p, 0, 50, 50);
    MovedOverWindow(p, 0, 8, 9);  // only X changed
    EXPECT_EQ(p.mouse.MouseWhere8pstr, MouseWhere::PIC);
}

TEST(Mouse, ACarriedPointNeverTakesTheWindowsCoordinates) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {100, 90}});
    EditLineAt(p, 50, 50);
    Click(p, 1, 15, 15);
    ASSERT_TRUE(p.actions.MovingPoint8pbol);
    w.clock.now = 1;
    CanvasMoved(p, 0, 40, 30);
    EXPECT_EQ(LinePoints(p.drawing, 1).front(), (std::pair{40, 30}));
    w.clock.now = 2;
    MovedOverWindow(p, 0, 900, 500);
    EXPECT_EQ(p.mouse.MouseWhere8pstr, MouseWhere::FORM);
    EXPECT_EQ(LinePoints(p.drawing, 1).front(), (std::pair{40, 30}));
    w.clock.now = 3;
    CanvasMoved(p, 1, -20, 600);  // held button, outside the canvas: still canvas units
    EXPECT_EQ(LinePoints(p.drawing, 1).front(), (std::pair{-20, 600}));
}

TEST(Mouse, ZoomArmedAndNewLineOneLeftPressDoesBoth) {
    FakeWorld w;
    Program& p = w.Started();
    Button1Pressed(p);
    ZoomInBoxPressed(p);
    const std::string before = w.Right.Caption();
    Click(p, 1, 200, 200);
    EXPECT_FALSE(p.mouse.ZoomBoxArmed8pbol);
    EXPECT_NE(w.Right.Caption(), before) << "the frame was computed again";
    EXPECT_EQ(p.drawing.Lines8pudt[1].PtCount, 1);
}

TEST(Mouse, ZoomStepByButton) {
    struct Case {
        Integer button;
        bool staysArmed;
        bool recomputes;
    };
    for (const Case& c : {Case{1, false, true}, Case{2, false, false}, Case{4, true, false}}) {
        FakeWorld w;
        Program& p = w.Started();
        ZoomInBoxPressed(p);
        const std::string before = w.Right.Caption();
        Click(p, c.button, 300, 200);
        EXPECT_EQ(p.mouse.ZoomBoxArmed8pbol, c.staysArmed) << c.button;
        EXPECT_EQ(p.mouse.ZoomBoxDragging8pbol, c.staysArmed) << c.button;
        EXPECT_EQ(w.Right.Caption() != before, c.recomputes) << c.button;
    }
}

TEST(Mouse, ClickingZoomInBoxChangesNoPromptOrButton) {
    FakeWorld w;
    Program& p = w.Started();
    const Screen before = Shown(w);
    ZoomInBoxPressed(p);
    ZoomInBoxPressed(p);
    EXPECT_EQ(Shown(w), before);
    EXPECT_TRUE(p.mouse.ZoomBoxArmed8pbol);
}

TEST(Mouse, ReleaseDoesNotRedraw) {
    FakeWorld w;
    Program& p = w.Started();
    w.canvas.calls.clear();
    w.clock.now = 10;
    CanvasReleased(p, 5, 5);
    EXPECT_TRUE(w.canvas.calls.empty());
}

}  // namespace
}  // namespace qelt::testing
