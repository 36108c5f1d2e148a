// The action buttons' clicks: captions, enabled states, prompts and flags after each.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace qelt::testing {
namespace {

const Screen::Button kB1Idle{"Add a new line", true};
const char* const kNewLinePrompt =
    "Generating a new Line - click to add line points --> To finalize push 'Done adding Line`";
const char* const kSelectPrompt =
    "Click repeatedly in line area to find Line --> to finalize push `Select This line` button";
const char* const kChoicesPrompt = "Push `Edit a Point` button   OR  `Delete this Line` button";
const char* const kEditPrompt =
    "Move Pt: LEFT_CLICK, release, move, reclick ---- New Pt: LEFT_CLICK Between pts ---- "
    "Delete Pt: RIGHT_CLICK ----- and  `done`";

// The typical sequence of use, step by step: what the buttons and the prompt show after each.
TEST(ActionStates, TypicalSequenceOfUse) {
    FakeWorld w;
    Program& p = w.Started();
    struct Step {
        const char* what;
        std::function<void()> act;
        Screen expected;
    };
    const std::vector<Step> steps{
        {"new line",
         [&] { Button1Pressed(p); },
         {{"Add a new line", false},
          {"2) Select_Un/Assign_Yes", false},
          {"Done adding Line", true},
          {"4)  Delete_Right_No", false},
          {"Cancel ", true},
          kNewLinePrompt}},
        {"three points",
         [&] {
             Click(p, 1, 100, 100);
             Click(p, 1, 200, 150);
             Click(p, 1, 300, 120);
         },
         {{"Add a new line", false},
          {"2) Select_Un/Assign_Yes", false},
          {"Done adding Line", true},
          {"4)  Delete_Right_No", false},
          {"Cancel ", true},
          kNewLinePrompt}},
        {"done adding",
         [&] { Button3Pressed(p); },
         {kB1Idle,
          {"Modify a Line", true},
          {"Done adding Line", false},
          {"4)  Delete_Right_No", false},
          {"Cancel ", false},
          "waiting for your next activity"}},
        {"select line",
         [&] { Button2Pressed(p); },
         {{"Add a new line", false},
          {"Select This Line", false},
          {"Done adding Line", false},
          {"4)  Delete_Right_No", false},
          {"Cancel ", true},
          kSelectPrompt}},
        {"press in the box",
         [&] { Click(p, 1, 150, 130); },
         {{"Add a new line", false},
          {"Select this Line", true},
          {"Done adding Line", false},
          {"4)  Delete_Right_No", false},
          {"Cancel ", true},
          kSelectPrompt}},
        {"take the line",
         [&] { Button2Pressed(p); },
         {{"Add a new line", false},
          {"Select this Line", false},
          {"Edit a line point", true},
          {"Delete this Line", true},
          {"Cancel ", true},
          kChoicesPrompt}},
        {"edit points",
         [&] { Button3Pressed(p); },
         {{"Add a new line", false},
          {"Select this Line", false},
          {"Done point editing", true},
          {"Delete this Line", false},
          {"Cancel ", true},
          kEditPrompt}},
        {"pick a point",
         [&] { Click(p, 1, 199, 140); },
         {{"Add a new line", false},
          {"Select this Line", true},
          {"Done point editing", true},
          {"Delete this Line", false},
          {"Cancel ", true},
          kEditPrompt}},
        {"drop it",
         [&] { Click(p, 1, 210, 130); },
         {{"Add a new line", false},
          {"Select this Line", true},
          {"Done point editing", true},
          {"Delete this Line", false},
          {"Cancel ", true},
          kEditPrompt}},
        {"done editing",
         [&] { Button3Pressed(p); },
         {kB1Idle,
          {"Modify a Line", true},
          {"Done point editing", false},
          {"Delete this Line", false},
          {"Cancel ", false},
          "Done with Pointing Editing"}},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(Shown(w), step.expected) << step.what;
    }
    EXPECT_EQ(w.Concluding.Caption(), "   UP ") << "the last release writes the status line";
    EXPECT_EQ(LinePoints(p.drawing, 1), (Points{{100, 100}, {210, 130}, {300, 120}}));
}

TEST(ActionStates, DoneAddingLineReportsCompletion) {
    FakeWorld w;
    Program& p = w.Started();
    Button1Pressed(p);
    Button3Pressed(p);
    EXPECT_EQ(w.Concluding.Caption(), "Action completed... Done with creating a new Line");
    EXPECT_EQ(p.drawing.LineCount8pint, 0) << "the empty line goes as with Cancel";
    EXPECT_EQ(Shown(w).b2, (Screen::Button{"2) Select_Un/Assign_Yes", false}));
    EXPECT_TRUE(p.actions.ReadyForAction8pbol);
}

TEST(ActionStates, FlagsOfEachState) {
    FakeWorld w;
    Program& p = w.Started();
    const ActionFlags& f = p.actions;
    DrawLine(p, {{10, 10}, {100, 90}});
    Button2Pressed(p);
    EXPECT_TRUE(f.SelectingLine8pbol && f.LineSearchOn8pbol && f.SearchAllLines8pbol);
    EXPECT_FALSE(f.ReadyForAction8pbol || f.LineFound8pbol || f.LineSelected8pbol);
    Click(p, 1, 50, 50);
    Button2Pressed(p);
    EXPECT_TRUE(f.LineFound8pbol && f.LineSelected8pbol);
    Button3Pressed(p);
    EXPECT_TRUE(f.EditingPoints8pbol && f.PickMidpoints8pbol && f.SelectingLine8pbol);
    EXPECT_FALSE(f.LineSelected8pbol);
    Click(p, 1, 20, 20);
    EXPECT_TRUE(f.MovingPoint8pbol);
    EXPECT_FALSE(f.EditingPoints8pbol);
}

TEST(ActionStates, CancelDuringANewLineDeletesItAndRepaints) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {100, 90}});
    Button1Pressed(p);
    Click(p, 1, 300, 300);
    Click(p, 1, 320, 330);
    w.canvas.calls.clear();
    CancelPressed(p);
    EXPECT_EQ(p.drawing.LineCount8pint, 1);
    EXPECT_EQ(LinePoints(p.drawing, 1), (Points{{10, 10}, {100, 90}}));
    EXPECT_FALSE(p.drawing.Points8pudt[3].InUse);
    EXPECT_FALSE(p.drawing.Points8pudt[4].InUse);
    EXPECT_EQ(p.drawing.SelectedLine8pint, NoLine);
    ASSERT_FALSE(w.canvas.calls.empty()) << "the cancelled line must leave the canvas";
    EXPECT_EQ(w.canvas.calls.front(), "clear");
    EXPECT_EQ(Shown(w).b2, (Screen::Button{"Modify a Line", true}));
}

TEST(ActionStates, CancelAndDeleteLeavePointEditingForGood) {
    for (bool viaDelete : {false, true}) {
        FakeWorld w;
        Program& p = w.Started();
        DrawLine(p, {{10, 10}, {100, 90}, {200, 20}});
        EditLineAt(p, 50, 50);
        Click(p, 1, 95, 85);  // picks vertex 2 up
        ASSERT_TRUE(p.actions.MovingPoint8pbol);
        if (viaDelete) {
            Button2Pressed(p);  // the pick found the line again
            Button4Pressed(p);
            EXPECT_EQ(w.Prompt.Caption(), "Done Deleting a Line");
        } else {
            CancelPressed(p);
        }
        EXPECT_FALSE(p.actions.EditingPoints8pbol) << viaDelete;
        EXPECT_FALSE(p.actions.MovingPoint8pbol) << viaDelete;
        CanvasMoved(p, 0, 400, 400);
        w.clock.now = 1;
        CanvasMoved(p, 0, 400, 400);
        Click(p, 2, 150, 50);
        EXPECT_EQ(p.drawing.LineCount8pint, viaDelete ? 0 : 1);
        if (!viaDelete) {
            EXPECT_EQ(LinePoints(p.drawing, 1), (Points{{10, 10}, {100, 90}, {200, 20}}));
        }
    }
}

TEST(ActionStates, DeletingTheLastLineLeavesButton2DisabledWithItsCaption) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {100, 90}});
    Button2Pressed(p);
    Click(p, 1, 50, 50);
    Button2Pressed(p);
    Button4Pressed(p);
    EXPECT_EQ(p.drawing.LineCount8pint, 0);
    EXPECT_EQ(Shown(w).b2, (Screen::Button{"Select this Line", false}));
    EXPECT_EQ(w.Prompt.Caption(), "Done Deleting a Line");
    EXPECT_EQ(w.canvas.calls.back(), "clear") << "redrawn without the line";
}

TEST(ActionStates, ButtonsWhoseFlagIsNotSetDoNothing) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {100, 90}});
    Button2Pressed(p);
    Click(p, 1, 50, 50);
    Button2Pressed(p);
    Click(p, 1, 60, 60);  // a press in "line chosen" clears the choice
    const Screen before = Shown(w);
    Button3Pressed(p);
    Button4Pressed(p);
    EXPECT_EQ(Shown(w), before);
    EXPECT_EQ(p.drawing.LineCount8pint, 1);
    Button1Pressed(p);
    EXPECT_EQ(p.drawing.LineCount8pint, 1) << "button 1 starts nothing outside idle";
}

TEST(ActionStates, DonePointEditingWhileCarryingDoesNothingThenEnds) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {100, 90}});
    EditLineAt(p, 50, 50);
    Click(p, 1, 20, 20);
    const Screen carrying = Shown(w);
    Button3Pressed(p);
    EXPECT_EQ(Shown(w), carrying);
    Click(p, 1, 30, 25);
    Button3Pressed(p);
    EXPECT_EQ(w.Prompt.Caption(), "Done with Pointing Editing");
}

TEST(ActionStates, EditALinePointWhileCarryingDoesNothing) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}, {100, 90}, {200, 20}});
    EditLineAt(p, 50, 50);
    Click(p, 1, 95, 85);  // carrying vertex 2
    Button2Pressed(p);    // the pick found the line: "Line chosen"
    const Screen chosen = Shown(w);
    Button3Pressed(p);  // "Edit a line point"
    EXPECT_EQ(Shown(w), chosen);
    EXPECT_TRUE(p.actions.MovingPoint8pbol);
    EXPECT_FALSE(p.actions.EditingPoints8pbol);
    Click(p, 2, 150, 40);  // drops the point; deletes nothing
    EXPECT_EQ(LinePoints(p.drawing, 1), (Points{{10, 10}, {150, 40}, {200, 20}}));
}

}  // namespace
}  // namespace qelt::testing
