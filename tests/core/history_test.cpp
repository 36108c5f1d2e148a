// Undo and redo over real sequences of events.
#include <gtest/gtest.h>

#include <functional>

#include "interaction/history.h"
#include "interaction/open_drawing.h"
#include "output/data_file.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

const Points kLine{{100, 100}, {200, 130}, {300, 160}};
const char* const kRefused = "Undo works when no action is under way";

// Runs each action as one event of the window system: the history notes the drawing after it.
void Events(Program& p, std::initializer_list<std::function<void()>> actions) {
    for (const auto& action : actions) {
        action();
        RecordStep(p);
    }
}

// A started program with kLine drawn, its history started afresh.
struct Drawn {
    Drawn() {
        DrawLine(w.Started(), kLine);
        StartHistory(w.program);
    }
    std::string File() const { return DataFileText(w.program.drawing); }
    FakeWorld w;
};

TEST(History, EachKindOfStepIsUndoneAndRedone) {
    struct Case {
        const char* what;
        std::function<void(Program&)> step;
    };
    const Case cases[] = {
        {"new line",
         [](Program& p) { Events(p, {[&] {
                                     DrawLine(p, {{400, 300}, {500, 350}});
                                 }}); }},
        {"line deleted",
         [](Program& p) {
             Events(p, {[&] { Button2Pressed(p); }, [&] { Click(p, 1, 150, 120); },
                        [&] { Button2Pressed(p); }, [&] { Button4Pressed(p); }});
         }},
        {"point moved",
         [](Program& p) {
             Events(p, {[&] { EditLineAt(p, 150, 120); }, [&] { Click(p, 1, 200, 140); },
                        [&] { Click(p, 1, 250, 140); }});
         }},
        {"point inserted",
         [](Program& p) {
             Events(p, {[&] { EditLineAt(p, 150, 120); }, [&] { Click(p, 1, 150, 125); },
                        [&] { Click(p, 1, 160, 130); }});
         }},
        {"point deleted",
         [](Program& p) {
             Events(p, {[&] { EditLineAt(p, 150, 120); }, [&] { Click(p, 2, 210, 145); }});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Drawn d;
        Program& p = d.w.program;
        const std::string before = d.File();
        c.step(p);
        const std::string after = d.File();
        ASSERT_NE(after, before);
        Events(p, {[&] { Undo(p); }});
        EXPECT_EQ(d.w.Concluding.Caption(), std::string("Undone: ") + c.what);
        EXPECT_EQ(d.File(), before);
        Events(p, {[&] { Redo(p); }});
        EXPECT_EQ(d.w.Concluding.Caption(), std::string("Redone: ") + c.what);
        EXPECT_EQ(d.File(), after);
    }
}

// A new line cancelled with points comes back finished; one cancelled with none is no step.
TEST(History, ACancelledLineComesBackAndACarryOrADropInPlaceAreNoSteps) {
    Drawn d;
    Program& p = d.w.program;
    const std::string before = d.File();
    Events(p, {[&] { Button1Pressed(p); }, [&] { Click(p, 1, 400, 300); },
               [&] { CancelPressed(p); }, [&] { Undo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Undone: new line cancelled");
    EXPECT_EQ(LinePoints(p.drawing, 2), (Points{{400, 300}}));
    Events(p, {[&] { Undo(p); }, [&] { Button1Pressed(p); }, [&] { CancelPressed(p); },
               [&] { Undo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to undo");
    for (auto [x, y] : Points{{200, 130}, {150, 115}}) {  // a vertex, a midpoint
        Events(p, {[&] { EditLineAt(p, 150, 120); }});
        Click(p, 1, x, y);  // no step is taken while a point is carried
        d.w.clock.now += 1;
        CanvasMoved(p, 0, 260, 90);
        ASSERT_NE(d.File(), before);
        Events(p, {[&] { CancelPressed(p); }, [&] { Undo(p); }});
        EXPECT_EQ(d.File(), before) << x;
        EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to undo");
    }
    Events(p, {[&] { EditLineAt(p, 150, 120); }, [&] { Click(p, 1, 200, 130); },
               [&] { Click(p, 1, 200, 130); }});
    Events(p, {[&] { Undo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to undo since point editing began");
    EXPECT_EQ(LinePoints(p.drawing, 1), kLine);
}

TEST(History, TheKeysActOnlyAtRest) {
    const std::function<void(Program&)> unrested[] = {
        [](Program& p) { Button2Pressed(p); },  // selecting a line
        [](Program& p) {                        // carrying a point
            EditLineAt(p, 150, 120);
            Click(p, 1, 200, 140);
        },
    };
    for (const auto& enter : unrested) {
        Drawn d;
        Program& p = d.w.program;
        Events(p, {[&] { enter(p); }});
        const Screen shown = Shown(d.w);
        const std::string file = d.File();
        for (void (*key)(Program&) : {Undo, Redo}) {
            Events(p, {[&] { key(p); }});
            EXPECT_EQ(Shown(d.w), shown);
            EXPECT_EQ(d.File(), file);
        }
        EXPECT_EQ(d.w.Concluding.Caption(), "Redo works when no action is under way");
        Events(p, {[&] { Undo(p); }});
        EXPECT_EQ(d.w.Concluding.Caption(), kRefused);
    }
}

// While a line is drawn, Backspace or undo takes back its last point, the pool's high-water mark
// included, and redo gives it again until a new point is added.
TEST(History, TheKeysTakeBackAndGiveAgainThePointsOfANewLine) {
    Drawn d;
    Program& p = d.w.program;
    Events(p, {[&] { Button1Pressed(p); }, [&] { Click(p, 1, 400, 300); },
               [&] { Click(p, 1, 500, 350); }, [&] { TakeBackPoint(p); }, [&] { Undo(p); },
               [&] { Redo(p); }, [&] { Click(p, 1, 600, 100); }, [&] { Redo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to redo since the new line began");
    EXPECT_EQ(LinePoints(p.drawing, 2), (Points{{400, 300}, {600, 100}}));
    EXPECT_EQ(p.drawing.PointsUsed8pint, 5) << "the slot of (500, 350) was given back";
}

TEST(History, PointEditingKeepsUndoAndRedoToItsOwnSteps) {
    Drawn d;
    Program& p = d.w.program;
    Events(p, {[&] {
                   DrawLine(p, {{400, 300}, {500, 350}});
               },
               [&] { Undo(p); }, [&] { EditLineAt(p, 150, 120); }, [&] { Redo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to redo since point editing began");
    EXPECT_EQ(p.drawing.LineCount8pint, 1);
    Events(p, {[&] { Button3Pressed(p); }, [&] { Redo(p); }});
    EXPECT_EQ(p.drawing.LineCount8pint, 2) << "back in idle, the older step is redone";
    Events(p, {[&] { EditLineAt(p, 150, 120); }, [&] { Click(p, 2, 210, 145); }});
    Events(p, {[&] { Undo(p); }, [&] { Undo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to undo since point editing began");
    EXPECT_EQ(p.drawing.LineCount8pint, 2);
    EXPECT_EQ(LinePoints(p.drawing, 1), kLine);
    EXPECT_EQ(d.w.Button3.Caption(), "Done point editing");
    Events(p, {[&] { Button3Pressed(p); }, [&] { Undo(p); }});
    EXPECT_EQ(p.drawing.LineCount8pint, 1) << "back in idle, the new line can be undone";
    EXPECT_EQ(d.w.Button2.Caption(), "Modify a Line");
}

TEST(History, ANewStepDropsRedoAndANewPointTakesTheSlotItWouldHaveTaken) {
    Drawn d;
    Program& p = d.w.program;
    Events(p, {[&] { DrawLine(p, {{400, 300}, {500, 350}}); }, [&] { Undo(p); }});
    EXPECT_EQ(p.drawing.PointsUsed8pint, 3);
    Events(p, {[&] { DrawLine(p, {{600, 100}}); }, [&] { Redo(p); }});
    EXPECT_EQ(d.w.Concluding.Caption(), "Nothing to redo");
    EXPECT_EQ(p.drawing.Lines8pudt[2].PtIdx[1], 4);
    EXPECT_EQ(p.drawing.PointsUsed8pint, 4);
}

// The history looks at the drawing only when its change count has moved: every kind of change
// to the tables moves it, undo and redo included, and so does a drawing put in whole.
TEST(History, EveryChangeToTheTablesMovesTheChangeCount) {
    Drawn d;
    Program& p = d.w.program;
    DrawingState& drawing = p.drawing;
    Integer slot = 0;
    d.w.clock.now = 1;  // past the throttle, so that a move carries the point
    const auto create = [&](Program&) { static_cast<void>(CreateLine(drawing)); };
    const auto add = [&](Program&) { AddPointAtMouse(drawing, 9, 9); };
    const auto alloc = [&](Program&) { AllocPoint(drawing, slot); };
    const auto move = [&](Program&) { MovePointToMouse(drawing, 20, 20); };
    const auto find = [&](Program&) { FindNearestPoint(drawing, 1, 150, 115, true); };
    const auto insert = [&](Program&) { InsertPointAfterFound(drawing, 0, 0); };
    const auto drop = [&](Program&) { DeleteFoundPoint(drawing); };
    const auto remove = [&](Program&) { DeleteSelectedLine(drawing); };
    const auto draw = [&](Program&) { DrawLine(p, {{400, 300}}); };
    const auto click = [&](Program&) { Click(p, 1, 200, 130); };
    const auto edit = [&](Program&) { EditLineAt(p, 150, 120); };
    const auto carry = [&](Program&) { CanvasMoved(p, 0, 9, 9); };
    const auto open = [&](Program&) { OpenDrawing(p, DrawingState{}, "empty"); };
    const std::function<void(Program&)> steps[] = {
        create, add,           alloc, move,  find,           insert,        drop,
        remove, draw,          Undo,  Redo,  Button1Pressed, click,         Undo,
        Redo,   CancelPressed, edit,  click, carry,          CancelPressed, open};
    int changed = 0;
    for (const auto& step : steps) {
        const DrawingTables before = TablesOf(drawing);
        const std::uint64_t seen = drawing.changes.Value();
        Events(p, {[&] { step(p); }});
        changed += TablesOf(drawing) == before ? 0 : 1;
        EXPECT_EQ(drawing.changes.Value() != seen, !(TablesOf(drawing) == before)) << &step - steps;
    }
    EXPECT_EQ(changed, 18) << "finding a point, choosing a line and a pick at a vertex change none";
    const std::uint64_t seen = drawing.changes.Value();
    drawing = DrawingState(drawing);
    EXPECT_NE(drawing.changes.Value(), seen);
}

}  // namespace
}  // namespace qelt::testing
