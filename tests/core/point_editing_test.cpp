// Picking, moving, inserting and deleting points.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace qelt::testing {
namespace {

// A started program in point editing on line 1 of the given lines.
struct Editing {
    explicit Editing(const std::vector<Points>& lines) {
        Program& p = w.Started();
        for (const Points& line : lines) {
            AddLine(p.drawing, line);
        }
        Button2Pressed(p);
        p.mouse.MouseX8pint = 0;
        p.actions.SelectingLine8pbol = true;
        p.drawing.SelectedLine8pint = 1;
        p.actions.LineFound8pbol = true;
        StartPointEditing(p);
    }
    DrawingState& d() { return w.program.drawing; }
    FakeWorld w;
};

// Runs the point search alone on line 1 for a press at (x, y).
void Search(Program& p, Integer x, Integer y) {
    p.mouse.MouseX8pint = x;
    p.mouse.MouseY8pint = y;
    p.actions.MidpointPicked8pbol =
        FindNearestPoint(p.drawing, 1, p.mouse.MouseX8pint, p.mouse.MouseY8pint, true);
}

TEST(PointEditing, PressNearestAMidpointInsertsAPointThere) {
    Editing e({{{0, 0}, {10, 0}, {10, 10}}});
    Program& p = e.w.program;
    Search(p, 4, 1);
    EXPECT_TRUE(p.actions.MidpointPicked8pbol);
    EXPECT_EQ(e.d().FoundPoint8pint, 1);
    CanvasPressed(p, 1, 4, 1);
    EXPECT_EQ(LinePoints(e.d(), 1), (Points{{0, 0}, {4, 1}, {10, 0}, {10, 10}}));
    EXPECT_EQ(e.d().SelectedPoint8pint, 2);
    EXPECT_EQ(e.d().FoundPoint8pint, 2);
    EXPECT_TRUE(p.actions.MovingPoint8pbol);
}

TEST(PointEditing, EqualDistancesGoToTheEarlierCandidate) {
    struct Case {
        Points line;
        Integer x, y;
        Integer found;
        bool midpoint;
    };
    const Case cases[] = {
        {{{0, 0}, {1, 0}, {1, 5}}, 1, 0, 1, true},      // (0.5,0) rounds to a distance of 0
        {{{0, 0}, {10, 0}, {10, 10}}, 0, 0, 1, false},  // on vertex 1
        {{{0, 0}, {10, 0}, {10, 10}}, 10, 1, 2, false},
        {{{0, 0}, {10, 0}, {10, 10}}, 10, 6, 2, true},
        {{{0, 0}, {10, 0}, {10, 10}}, 11, 11, 3, false},
        {{{0, 0}, {3, 0}}, 2, 0, 1, true},  // (1.5,0): 0.5 rounds to 0, before vertex 2 at 1
    };
    for (const Case& c : cases) {
        Editing e({c.line});
        Search(e.w.program, c.x, c.y);
        EXPECT_EQ(e.d().FoundPoint8pint, c.found) << c.x << "," << c.y;
        EXPECT_EQ(e.w.program.actions.MidpointPicked8pbol, c.midpoint) << c.x << "," << c.y;
        EXPECT_EQ(e.d().FoundLine8pint, 1);
    }
}

TEST(PointEditing, PickAndDropWithAnyButton) {
    for (Integer dropButton : {1, 2, 4}) {
        Editing e({{{0, 0}, {100, 0}, {100, 100}}});
        Program& p = e.w.program;
        Click(p, 1, 95, 5);  // nearest vertex 2
        EXPECT_EQ(e.d().SelectedPoint8pint, 2);
        Click(p, dropButton, 60, 40);
        EXPECT_EQ(LinePoints(e.d(), 1), (Points{{0, 0}, {60, 40}, {100, 100}})) << dropButton;
        EXPECT_TRUE(p.actions.EditingPoints8pbol);
        EXPECT_FALSE(p.actions.MovingPoint8pbol);
    }
}

TEST(PointEditing, RightPressDeletesTheNearestVertexOrTheSegmentsFirstPoint) {
    struct Case {
        Integer x, y;
        Points left;
    };
    const Case cases[] = {
        {98, 2, {{0, 0}, {100, 100}}},    // vertex 2
        {48, 2, {{100, 0}, {100, 100}}},  // midpoint of 1-2: its first point goes
        {99, 97, {{0, 0}, {100, 0}}},     // the last point
    };
    for (const Case& c : cases) {
        Editing e({{{0, 0}, {100, 0}, {100, 100}}});
        Program& p = e.w.program;
        Click(p, 2, c.x, c.y);
        EXPECT_EQ(LinePoints(e.d(), 1), c.left) << c.x << "," << c.y;
        EXPECT_TRUE(p.actions.EditingPoints8pbol);
        Integer slot = 0;
        AllocPoint(e.d(), slot);
        EXPECT_EQ(e.d().PointsUsed8pint, 3) << "the freed slot is handed out next";
    }
}

TEST(PointEditing, AOnePointLineGoesAsAWhole) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{5, 5}, {50, 50}});
    AddLine(p.drawing, {{7, 7}});
    p.drawing.FoundLine8pint = 2;
    p.drawing.FoundPoint8pint = 1;
    DeleteFoundPoint(p.drawing);
    EXPECT_EQ(p.drawing.LineCount8pint, 1);
    EXPECT_EQ(p.drawing.SelectedLine8pint, NoLine);
    EXPECT_EQ(p.drawing.SelectedPoint8pint, NoLine);
    EXPECT_FALSE(p.drawing.Points8pudt[3].InUse);
}

TEST(PointEditing, DeletingLinesMovesLaterLinesDown) {
    DrawingState d;
    AddLine(d, {{1, 1}, {2, 2}});
    AddLine(d, {{3, 3}, {4, 4}, {5, 5}, {6, 6}});
    AddLine(d, {{7, 7}, {8, 8}, {9, 9}});
    d.Lines8pudt[3].Code = "XY";
    d.SelectedLine8pint = 1;
    DeleteSelectedLine(d);
    EXPECT_EQ(d.LineCount8pint, 2);
    EXPECT_EQ(LinePoints(d, 1), (Points{{3, 3}, {4, 4}, {5, 5}, {6, 6}}));
    EXPECT_EQ(LinePoints(d, 2), (Points{{7, 7}, {8, 8}, {9, 9}}));
    EXPECT_FALSE(d.Points8pudt[1].InUse);
    EXPECT_FALSE(d.Points8pudt[2].InUse);
    EXPECT_EQ(d.Lines8pudt[2].Code.str(), "XY") << "a code moves with its line's points";
    EXPECT_EQ(d.Lines8pudt[1].LineNo, 1);
    EXPECT_EQ(d.SelectedLine8pint, NoLine);

    d.SelectedLine8pint = 2;
    DeleteSelectedLine(d);
    EXPECT_EQ(d.LineCount8pint, 1);
    EXPECT_EQ(LinePoints(d, 1), (Points{{3, 3}, {4, 4}, {5, 5}, {6, 6}}));
    Integer slot = 0;
    AllocPoint(d, slot);
    EXPECT_EQ(slot, 1);
    AllocPoint(d, slot);
    EXPECT_EQ(slot, 2);
    AllocPoint(d, slot);
    EXPECT_EQ(slot, 7);
    EXPECT_EQ(d.PointsUsed8pint, 9);
}

TEST(PointEditing, DeletingWithNothingSelectedChangesNothing) {
    DrawingState d;
    DeleteSelectedLine(d);
    EXPECT_EQ(d.LineCount8pint, 0);
    AddLine(d, {{1, 1}});
    d.SelectedLine8pint = NoLine;
    DeleteSelectedLine(d);
    EXPECT_EQ(d.LineCount8pint, 1);
}

TEST(PointEditing, AFullLineTakesNoInsertedPointAndThePressCarriesTheFirstPoint) {
    Points twenty;
    for (int i = 0; i < 20; ++i) {
        twenty.emplace_back(10 * i, i % 2 == 0 ? 0 : 50);
    }
    Editing e({twenty});
    Program& p = e.w.program;
    Click(p, 1, 15, 25);  // the midpoint of segment 2-3
    EXPECT_EQ(LinePoints(e.d(), 1), twenty);
    EXPECT_EQ(e.d().SelectedPoint8pint, 2);
    EXPECT_TRUE(p.actions.MovingPoint8pbol);
    Click(p, 1, 12, 30);
    EXPECT_EQ(LinePoints(e.d(), 1)[1], (std::pair{12, 30}));
}

TEST(PointEditing, AFullPoolLeavesTheLineExactlyAsItWas) {
    Editing e({{{0, 0}, {100, 0}, {100, 100}}});
    Program& p = e.w.program;
    while (e.d().PointsUsed8pint < MaxPoints) {
        Integer slot = 0;
        AllocPoint(e.d(), slot);
    }
    const LineRec before = e.d().Lines8pudt[1];
    Click(p, 1, 50, 3);  // nearest the midpoint of 1-2
    EXPECT_EQ(e.d().Lines8pudt[1], before);
    EXPECT_EQ(e.d().SelectedPoint8pint, 1);
    Click(p, 1, 20, 10);
    EXPECT_EQ(LinePoints(e.d(), 1), (Points{{20, 10}, {100, 0}, {100, 100}}))
        << "the press went on as a pick of the segment's first point";
}

TEST(PointEditing, NothingIsMovedInsertedOrDeletedWithoutAFoundPoint) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{0, 0}, {10, 10}});
    AddLine(p.drawing, {});
    p.drawing.FoundLine8pint = 1;
    Search(p, 5, 5);
    p.drawing.SelectedLine8pint = 2;
    p.drawing.SelectedPoint8pint = 1;
    p.mouse.MouseX8pint = 70;
    MovePointToMouse(p.drawing, p.mouse.MouseX8pint, p.mouse.MouseY8pint);
    p.actions.MidpointPicked8pbol =
        FindNearestPoint(p.drawing, 2, p.mouse.MouseX8pint, p.mouse.MouseY8pint, true);
    EXPECT_EQ(p.drawing.FoundPoint8pint, NoLine);
    EXPECT_EQ(p.drawing.FoundLine8pint, 1) << "kept from the last search that found something";
    InsertPointAfterFound(p.drawing, p.mouse.MouseX8pint, p.mouse.MouseY8pint);
    DeleteFoundPoint(p.drawing);
    EXPECT_EQ(LinePoints(p.drawing, 1), (Points{{0, 0}, {10, 10}}));
    EXPECT_EQ(p.drawing.Lines8pudt[2].PtCount, 0);
}

TEST(PointEditing, APressOnNoLineEndsPointEditingWithoutARedraw) {
    Editing e({{{0, 0}, {100, 80}}});
    Program& p = e.w.program;
    e.w.canvas.calls.clear();
    Click(p, 1, 300, 300);
    EXPECT_TRUE(e.w.canvas.calls.empty());
    EXPECT_FALSE(p.actions.EditingPoints8pbol);
    const Screen shown = Shown(e.w);
    EXPECT_FALSE(shown.b1.enabled || shown.b2.enabled || shown.b3.enabled || shown.b4.enabled);
    EXPECT_TRUE(shown.cancel.enabled);
    Click(p, 1, 50, 40);
    EXPECT_EQ(LinePoints(e.d(), 1), (Points{{0, 0}, {100, 80}})) << "no longer editing";
}

TEST(PointEditing, PressesOnAPointsSquareAndDropsKeepToTheEditedLine) {
    struct Case {
        const char* what;
        std::vector<std::array<Integer, 3>> presses;  // button, x, y
        Points line1;
        bool editing;
    };
    const Points line1{{0, 0}, {50, 100}, {100, 40}};
    const Points line2{{40, 90}, {300, 300}};  // its box holds line 1's point (50, 100)
    const Case cases[] = {
        {"an end picked on its square's corner, dropped outside every box",
         {{1, 104, 36}, {1, 130, 20}},
         {{0, 0}, {50, 100}, {130, 20}},
         true},
        {"the lowest point deleted", {{2, 50, 100}}, {{0, 0}, {100, 40}}, true},
        {"a drop in another line's box",
         {{1, 0, 0}, {1, 250, 240}},
         {{250, 240}, {50, 100}, {100, 40}},
         true},
        {"a press beside the square ends editing", {{1, 105, 40}}, line1, false},
    };
    for (const Case& c : cases) {
        Editing e({line1, line2});
        Program& p = e.w.program;
        for (auto [button, x, y] : c.presses) {
            Click(p, button, x, y);
        }
        EXPECT_EQ(LinePoints(e.d(), 1), c.line1) << c.what;
        EXPECT_EQ(LinePoints(e.d(), 2), line2) << c.what;
        EXPECT_EQ(p.actions.EditingPoints8pbol, c.editing) << c.what;
        EXPECT_EQ(Shown(e.w).b2.enabled, c.editing) << c.what;
    }
}

// A point of each is picked on its square and moved, and the line deleted with Button 4.
TEST(PointEditing, FlatAndOnePointLinesAreMovedAndDeleted) {
    for (const Points& line :
         {Points{{100, 200}, {300, 200}}, {{100, 100}, {100, 300}}, {{400, 9}}}) {
        FakeWorld w;
        Program& p = w.Started();
        DrawLine(p, line);
        const auto [x, y] = line.front();
        EditLineAt(p, static_cast<Single>(x + 2), static_cast<Single>(y + 2));
        Click(p, 1, static_cast<Single>(x - 3), static_cast<Single>(y - 3));
        Click(p, 1, 250, 150);
        EXPECT_EQ(LinePoints(p.drawing, 1).front(), (std::pair{250, 150})) << x << "," << y;
        Button2Pressed(p);
        Button4Pressed(p);
        EXPECT_EQ(p.drawing.LineCount8pint, 0) << x << "," << y;
    }
}

TEST(PointEditing, PressesInTwoOverlappingBoxesAlternateLines) {
    Editing e({{{0, 0}, {100, 100}}, {{0, 10}, {100, 90}}});
    Program& p = e.w.program;
    Click(p, 2, 1, 2);  // line 1: deletes (0,0), the nearest of line 1
    EXPECT_EQ(p.drawing.Lines8pudt[1].PtCount, 1);
    EXPECT_EQ(p.drawing.Lines8pudt[2].PtCount, 2);
    Click(p, 2, 50, 50);  // line 2 now (only line 2's box holds the press)
    EXPECT_EQ(p.drawing.Lines8pudt[2].PtCount, 1);
}

TEST(PointEditing, AMiddlePressChangesNothingAndEditingGoesOn) {
    Editing e({{{0, 0}, {100, 80}}});
    Program& p = e.w.program;
    const LineRec before = e.d().Lines8pudt[1];
    Click(p, 4, 50, 40);
    EXPECT_EQ(e.d().Lines8pudt[1], before);
    EXPECT_TRUE(p.actions.EditingPoints8pbol);
    EXPECT_FALSE(p.actions.MovingPoint8pbol);
    Click(p, 1, 5, 5);
    EXPECT_TRUE(p.actions.MovingPoint8pbol);
}

TEST(PointEditing, TheCarriedPointFollowsThePointerAtTheRedrawRate) {
    Editing e({{{0, 0}, {100, 80}}});
    Program& p = e.w.program;
    Click(p, 1, 5, 5);
    e.w.clock.now = 0.5F;
    CanvasMoved(p, 0, 30, 20);
    EXPECT_EQ(LinePoints(e.d(), 1)[0], (std::pair{30, 20}));
    e.w.clock.now = 0.55F;
    CanvasMoved(p, 0, 40, 25);
    EXPECT_EQ(LinePoints(e.d(), 1)[0], (std::pair{30, 20})) << "not between redraws";
}

}  // namespace
}  // namespace qelt::testing
