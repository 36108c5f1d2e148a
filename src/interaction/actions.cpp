// The click logic of the action buttons and the states it moves between.
#include "interaction/actions.h"

#include <string>

#include "editing/editing.h"
#include "interaction/history.h"
#include "plotting/rendering.h"

namespace qelt {

namespace {

// One button's new state: enabled or not, and the caption to write, if any.
struct ButtonSetting {
    bool enabled;
    const char* caption = nullptr;
};

void Apply(Control& button, ButtonSetting setting) {
    button.SetEnabled(setting.enabled);
    if (setting.caption != nullptr) {
        button.SetCaption(setting.caption);
    }
}

void SetButtons(Program& p, ButtonSetting b1, ButtonSetting b2, ButtonSetting b3, ButtonSetting b4,
                ButtonSetting cancel) {
    const MainControls& c = p.platform.controls;
    Apply(c.Button1_NewRenameLeft_8cbn, b1);
    Apply(c.Button2_SelectAssignUnassignYes_8cbn, b2);
    Apply(c.Button3_EditDone_8cbn, b3);
    Apply(c.Button4_DeleteRightNo_8cbn, b4);
    Apply(c.Button_Cancel8cbn, cancel);
}

void Prompt(Program& p, const std::string& text) {
    p.platform.controls.UserMustSee8lbl.SetCaption(text);
}

constexpr ButtonSetting kOff{false};
constexpr ButtonSetting kOn{true};

// Leaving point editing by any way but "Done point editing" must stop it too, or presses would
// go on editing points (and a carried point follow the pointer) behind the idle prompt.
void StopPointEditing(Program& p) {
    p.actions.EditingPoints8pbol = false;
    p.actions.MovingPoint8pbol = false;
}

void StartNewLine(Program& p) {
    p.actions.AddingLine8pbol = true;
    Prompt(p,
           "Generating a new Line - click to add line points --> "
           "To finalize push 'Done adding Line`");
    SetButtons(p, kOff, kOff, {true, "Done adding Line"}, kOff, kOn);
}

void ShowLineChoices(Program& p) {
    p.actions.LineSelected8pbol = true;
    Prompt(p, "Push `Edit a Point` button   OR  `Delete this Line` button");
    SetButtons(p, kOff, kOff, {true, "Edit a line point"}, {true, "Delete this Line"}, kOn);
}

void CancelNewLine(Program& p) {
    DrawingState& d = p.drawing;
    if (d.SelectedLine8pint != NoLine) {
        d.SelectedLine8pint = d.LineCount8pint;  // the line being generated is the last one
        DeleteSelectedLine(d);
    }
}

// A line finished without a point could never be found again, so it goes as a cancelled one
// does.
void FinishNewLine(Program& p) {
    if (p.drawing.Lines8pudt[p.drawing.LineCount8pint].PtCount == 0) {
        CancelNewLine(p);
    }
    ResetActionButtons(p);
    p.platform.controls.ConcludingInfoToUser8lbl.SetCaption(
        "Action completed... Done with creating a new Line");
}

void FinishDeleteLine(Program& p) {
    ResetActionButtons(p);
    Prompt(p, "Done Deleting a Line");
}

}  // namespace

void ClearPressFlags(Program& p) {
    p.actions.MidpointPicked8pbol = false;
    p.actions.LineHit8pbol = false;
}

void ResetActionButtons(Program& p) {
    ClearPressFlags(p);
    ActionFlags& f = p.actions;
    f.ReadyForAction8pbol = true;
    f.LineSelected8pbol = false;
    f.SelectingLine8pbol = false;
    f.AddingLine8pbol = false;
    f.LineSearchOn8pbol = false;
    f.LineFound8pbol = false;
    // Button 2 keeps whatever caption it has while it is disabled.
    const ButtonSetting button2 =
        p.drawing.LineCount8pint >= 1 ? ButtonSetting{true, "Modify a Line"} : kOff;
    SetButtons(p, {true, "Add a new line"}, button2, kOff, kOff, kOff);
    Prompt(p, "waiting for your next activity");
}

void StartSelectLine(Program& p) {
    p.actions.SelectingLine8pbol = true;
    p.actions.LineSearchOn8pbol = true;
    p.actions.SearchAllLines8pbol = true;
    Prompt(p,
           "Click repeatedly in line area to find Line --> "
           "to finalize push `Select This line` button");
    SetButtons(p, kOff, {false, "Select This Line"}, kOff, kOff, kOn);
}

void StartPointEditing(Program& p) {
    p.actions.EditingPoints8pbol = true;
    p.actions.PickMidpoints8pbol = true;
    Prompt(p,
           "Move Pt: LEFT_CLICK, release, move, reclick ---- "
           "New Pt: LEFT_CLICK Between pts ---- "
           "Delete Pt: RIGHT_CLICK ----- and  `done`");
    SetButtons(p, kOff, kOff, {true, "Done point editing"}, kOff, kOn);
}

void Button1Pressed(Program& p) {
    if (p.actions.ReadyForAction8pbol) {
        p.actions.ReadyForAction8pbol = false;
        StartNewLine(p);
        if (!CreateLine(p.drawing)) {
            ResetActionButtons(p);
            // Written after the reset, which would otherwise replace it with the idle prompt.
            Prompt(p, "Too many general Lines --- Max allowable is " + std::to_string(MaxLines));
        }
    }
}

void Button2Pressed(Program& p) {
    if (p.actions.ReadyForAction8pbol) {
        p.actions.ReadyForAction8pbol = false;
        StartSelectLine(p);
    }
    if (p.actions.LineFound8pbol) {
        ShowLineChoices(p);
    }
}

void Button3Pressed(Program& p) {
    ActionFlags& f = p.actions;
    // While a point is carried Button 3 does nothing: starting point editing again would leave
    // the carried position to be dropped onto whatever point a later press moves into it.
    if (f.MovingPoint8pbol) {
        return;
    }
    if (f.AddingLine8pbol) {
        FinishNewLine(p);
    }
    if (f.LineSelected8pbol) {
        f.LineSelected8pbol = false;
        StartPointEditing(p);
    } else if (f.EditingPoints8pbol) {
        StopPointEditing(p);
        ResetActionButtons(p);
        Prompt(p, "Done with Pointing Editing");
    }
}

void Button4Pressed(Program& p) {
    if (p.actions.LineSelected8pbol) {
        DeleteSelectedLine(p.drawing);
        StopPointEditing(p);
        RedrawAll(p.plotView());
        FinishDeleteLine(p);
    }
}

void CancelPressed(Program& p) {
    // An abandoned carry leaves the drawing as it was before the pick: the point goes back, and
    // a point the pick inserted goes again.
    if (p.actions.MovingPoint8pbol) {
        PutTables(p.drawing, p.beforePick);
    }
    if (p.actions.AddingLine8pbol) {
        const DrawingTables asItStood = TablesOf(p.drawing);
        CancelNewLine(p);
        RecordCancelledLine(p, asItStood);
    }
    StopPointEditing(p);
    ResetActionButtons(p);
    // Repaint, so that a cancelled line does not stay on the canvas.
    RedrawAll(p.plotView());
}

}  // namespace qelt
