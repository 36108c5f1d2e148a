// The start-up sequence: the state, captions and canvas it leaves.
#include <gtest/gtest.h>

#include "interaction/ending.h"
#include "interaction/startup.h"
#include "output/data_file.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

TEST(StartUp, EndsIdleWithABlankCanvasAndAnEmptyDrawing) {
    FakeWorld w;
    Program& p = w.Started();

    const Screen idle{{"Add a new line", true},   {"2) Select_Un/Assign_Yes", false},
                      {"3)    Edit_Done", false}, {"4)  Delete_Right_No", false},
                      {"Cancel ", false},         "waiting for your next activity"};
    EXPECT_EQ(Shown(w), idle);
    EXPECT_EQ(w.Concluding.Caption(), "Concluding info  for user...");
    EXPECT_EQ(w.canvas.calls.back(), "clear");
    EXPECT_EQ(p.mouse.MouseWhere8pstr, MouseWhere::FORM);
    EXPECT_EQ(p.mouse.MouseState8pstr, PressState::MOVE);
    EXPECT_TRUE(p.actions.ReadyForAction8pbol);
    EXPECT_FALSE(p.actions.LineSearchOn8pbol);
    EXPECT_EQ(p.drawing.LineCount8pint, 0);
    EXPECT_EQ(p.drawing.PointsUsed8pint, 0);
    EXPECT_EQ(p.drawing.SelectedLine8pint, 0) << "zero, not the none value";
    EXPECT_EQ(p.drawing.SelectedPoint8pint, 0);
    EXPECT_EQ(p.drawing.GroupCount8pint, 0);
    EXPECT_FALSE(w.session.ended);
}

TEST(StartUp, ShowsTheThreeSecondaryWindowsBeforeTheMainWindow) {
    FakeWorld w;
    w.Started();
    const std::vector<Form> order{Form::XSpick8frm, Form::CADmap8frm, Form::CADlistof8frm,
                                  Form::CAD8frm};
    EXPECT_EQ(w.session.shown, order);
}

TEST(StartUp, SymbolUnitIsOneHundredthOfTheCanvasWidthOnBothAxes) {
    FakeWorld w(785, 100);
    Program& p = w.Started();
    EXPECT_FLOAT_EQ(p.lists.SymbolUnitX8psng, 7.85F);
    EXPECT_EQ(p.lists.SymbolUnitY8psng, p.lists.SymbolUnitX8psng);
    EXPECT_FLOAT_EQ(p.lists.SymbolScale8psng, 0.01F);
}

TEST(StartUp, ProgramsRunSideBySideWithoutSharingState) {
    FakeWorld first;
    FakeWorld second;
    DrawLine(first.Started(), {{10, 10}, {50, 60}});
    second.Started();
    EXPECT_EQ(first.program.drawing.LineCount8pint, 1);
    EXPECT_EQ(second.program.drawing.LineCount8pint, 0);
    EXPECT_EQ(second.Button2.Caption(), "2) Select_Un/Assign_Yes");
}

// END writes nothing; a drawing not written (here after a failed write) is kept first, and where
// it cannot be kept END says why and stays, and ends without it when pressed again.
TEST(End, EndsAtOnceKeepingOnlyADrawingNotWritten) {
    FakeWorld empty, kept, unkept;
    EndProgram(empty.Started());
    EXPECT_TRUE(empty.program.ended && empty.output.kept.empty() && empty.session.printed.empty());
    for (FakeWorld* w : {&kept, &unkept}) {
        DrawLine(w->Started(), {{10, 10}});
        w->output.failure = "full";
        WriteDataFile(w->program);
    }
    kept.output.failure.reset();
    EndProgram(kept.program);
    EXPECT_TRUE(kept.program.ended && kept.output.files.empty());
    EXPECT_EQ(kept.output.kept, std::vector{DataFileText(kept.program.drawing)});
    EXPECT_EQ(kept.session.printed, std::vector<std::string>{"err: qelt-cad: the unwritten drawing "
                                                             "is kept in /state/1.csv"});
    EndProgram(unkept.program);
    EXPECT_EQ(
        unkept.session.alerts.back(),
        "Could not keep the unwritten drawing: full --- Write & End writes it; the same again "
        "goes on without it");
    EXPECT_FALSE(unkept.program.ended);
    EndProgram(unkept.program);
    EXPECT_TRUE(unkept.program.ended);
}

}  // namespace
}  // namespace qelt::testing
