#include <gtest/gtest.h>

#include "program/startup.h"
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

TEST(End, EndsAtOnceWritingNothingWhateverIsDrawn) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {50, 60}});
    EndProgram(p);
    EXPECT_TRUE(w.session.ended);
    EXPECT_TRUE(p.ended);
    EXPECT_TRUE(w.output.files.empty());
}

}  // namespace
}  // namespace qelt::testing
