// Adding lines and points, cancelling and deleting lines.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace qelt::testing {
namespace {

TEST(LineCreation, FirstLineAndItsFirstPoints) {
    FakeWorld w;
    Program& p = w.Started();
    Button1Pressed(p);
    const LineRec& line = p.drawing.Lines8pudt[1];
    EXPECT_EQ(p.drawing.LineCount8pint, 1);
    EXPECT_EQ(line.PtCount, 0);
    EXPECT_EQ(line.Code.str(), "UN");
    EXPECT_EQ(line.LineNo, 1);
    EXPECT_TRUE(line.InUse);
    EXPECT_EQ(p.drawing.SelectedLine8pint, 1);
    Click(p, 1, 12.5F, 40.5F);
    EXPECT_EQ(p.drawing.PointsUsed8pint, 1);
    EXPECT_EQ(line.PtIdx[1], 1);
    EXPECT_EQ(p.drawing.Points8pudt[1], (PointRec{12, 40, true}));
    EXPECT_EQ(p.drawing.SelectedPoint8pint, 1);
    Click(p, 1, 12.5F, 40.5F);
    EXPECT_EQ(line.PtIdx[2], 2) << "the same place gives a second point in its own slot";
    EXPECT_EQ(p.drawing.Points8pudt[2], (PointRec{12, 40, true}));
    EXPECT_EQ(p.drawing.SelectedPoint8pint, 2);
}

TEST(LineCreation, RightAndMiddlePressesAddPointsLikeTheLeft) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{5, 5}});
    Button1Pressed(p);
    Click(p, 1, 10, 10);
    Click(p, 2, 20, 20);
    Click(p, 4, 30, 30);
    EXPECT_EQ(LinePoints(p.drawing, 2), (Points{{10, 10}, {20, 20}, {30, 30}}))
        << "points go to the last line";
}

TEST(LineCreation, FreedSlotsAreReusedLowestFirst) {
    DrawingState d;
    for (int i = 0; i < 5; ++i) {
        Integer slot = 0;
        ASSERT_TRUE(AllocPoint(d, slot));
        EXPECT_EQ(slot, i + 1);
    }
    d.Points8pudt[3].InUse = false;
    d.Points8pudt[5].InUse = false;
    Integer slot = 0;
    ASSERT_TRUE(AllocPoint(d, slot));
    EXPECT_EQ(slot, 3);
    EXPECT_EQ(d.PointsUsed8pint, 5);
    ASSERT_TRUE(AllocPoint(d, slot));
    EXPECT_EQ(slot, 5);
    ASSERT_TRUE(AllocPoint(d, slot));
    EXPECT_EQ(slot, 6);
    EXPECT_EQ(d.PointsUsed8pint, 6);
}

TEST(LineCreation, TwentyPointsPerLine) {
    FakeWorld w;
    Program& p = w.Started();
    Button1Pressed(p);
    for (int i = 0; i < 20; ++i) {
        Click(p, 1, static_cast<Single>(10 + i), 50);
    }
    EXPECT_EQ(p.drawing.Lines8pudt[1].PtCount, 20);
    EXPECT_EQ(w.Prompt.Caption().rfind("Generating a new Line", 0), 0u);
    for (int extra = 0; extra < 2; ++extra) {
        Click(p, 1, 300, 300);
        EXPECT_EQ(p.drawing.Lines8pudt[1].PtCount, 20);
        EXPECT_EQ(w.Prompt.Caption(), "too many Line points, maximum is  20");
    }
    EXPECT_EQ(p.drawing.PointsUsed8pint, 20) << "no slot taken for a refused point";
    EXPECT_TRUE(p.actions.AddingLine8pbol) << "the new-line action goes on";
}

TEST(LineCreation, FortyThreeLinesAndTheMessageStaysVisible) {
    FakeWorld w;
    Program& p = w.Started();
    for (int i = 0; i < 43; ++i) {
        DrawLine(p, {{10, 10}});
    }
    Button1Pressed(p);
    EXPECT_EQ(p.drawing.LineCount8pint, 43);
    EXPECT_EQ(w.Prompt.Caption(), "Too many general Lines --- Max allowable is 43");
    EXPECT_TRUE(p.actions.ReadyForAction8pbol);
    EXPECT_FALSE(p.actions.AddingLine8pbol);
    EXPECT_EQ(Shown(w).b1, (Screen::Button{"Add a new line", true}));
    EXPECT_EQ(Shown(w).b3.enabled, false);
    EXPECT_EQ(p.drawing.SelectedLine8pint, 43);
}

TEST(LineCreation, ThreeLinesOfNineteenExhaustThePoolAtTheFiftySixthPoint) {
    FakeWorld w;
    Program& p = w.Started();
    for (int line = 0; line < 3; ++line) {
        Button1Pressed(p);
        for (int i = 0; i < 19; ++i) {
            Click(p, 1, static_cast<Single>(10 + 20 * line), static_cast<Single>(10 + i));
        }
        if (line < 2) {
            Button3Pressed(p);
        }
    }
    const DrawingState& d = p.drawing;
    EXPECT_EQ(d.Lines8pudt[3].PtCount, 17);
    EXPECT_EQ(w.Prompt.Caption(), "Too many points in the drawing --- Max allowable is 55");
    EXPECT_EQ(d.PointsUsed8pint, 55);
    EXPECT_TRUE(p.actions.AddingLine8pbol);
    EXPECT_EQ(d.SelectedPoint8pint, 17);
    for (int j = 1; j <= 17; ++j) {
        EXPECT_EQ(d.Lines8pudt[3].PtIdx[j], 38 + j);
    }
    EXPECT_EQ(LinePoints(d, 3).back(), (std::pair{50, 26}));
}

}  // namespace
}  // namespace qelt::testing
