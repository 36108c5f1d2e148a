// The monkey's rules for the action states, captions and enabled buttons.
#include <optional>
#include <string_view>

#include "monkey/checks.h"

namespace qelt::testing {

namespace {

void CheckButton(const FakeControl& button, const char* name, bool enabled, Findings& out) {
    if (button.Enabled() != enabled) {
        Report(out, name, enabled ? " is disabled" : " is enabled", " with caption \"",
               button.Caption(), "\"");
    }
}

void CheckCaption(const FakeControl& button, const char* name, std::string_view caption,
                  Findings& out) {
    if (button.Caption() != caption) {
        Report(out, name, " shows \"", button.Caption(), "\" instead of \"", caption, "\"");
    }
}

// Flags that only go together with others.
void CheckFlagPairs(const ActionFlags& f, Findings& out) {
    if (f.LineSearchOn8pbol != f.SelectingLine8pbol) {
        Report(out, "LineSearchOn8pbol differs from SelectingLine8pbol");
    }
    if (f.SelectingLine8pbol && !f.SearchAllLines8pbol) {
        Report(out, "line search on without SearchAllLines8pbol");
    }
    if (f.LineHit8pbol && !f.SelectingLine8pbol) {
        Report(out, "LineHit8pbol set outside line selection");
    }
    if ((f.EditingPoints8pbol || f.MovingPoint8pbol || f.MidpointPicked8pbol) &&
        !f.PickMidpoints8pbol) {
        Report(out, "point editing flags set before point editing ever started");
    }
}

// Idle and New line fix every button; in any other state Cancel must lead back to Idle.
void CheckButtons(const MonkeyWorld& w, ActionState state, Findings& out) {
    const bool idle = state == ActionState::Idle;
    CheckButton(w.Button1, "Button 1", idle, out);
    CheckButton(w.Cancel, "Cancel", !idle, out);
    if (idle) {
        const bool anyLine = w.program.drawing.LineCount8pint >= 1;
        CheckCaption(w.Button1, "Button 1", "Add a new line", out);
        CheckButton(w.Button2, "Button 2", anyLine, out);
        if (anyLine) {
            CheckCaption(w.Button2, "Button 2", "Modify a Line", out);
        }
        CheckButton(w.Button3, "Button 3", false, out);
        CheckButton(w.Button4, "Button 4", false, out);
    } else if (state == ActionState::NewLine) {
        CheckButton(w.Button2, "Button 2", false, out);
        CheckButton(w.Button3, "Button 3", true, out);
        CheckCaption(w.Button3, "Button 3", "Done adding Line", out);
        CheckButton(w.Button4, "Button 4", false, out);
    }
}

}  // namespace

void CheckActionState(const MonkeyWorld& w, Findings& out) {
    const ActionFlags& f = w.program.actions;
    CheckFlagPairs(f, out);
    const std::optional<ActionState> state = StateOf(f);
    if (!state) {
        Report(out, "the action flags form no known state: ready ", f.ReadyForAction8pbol,
               " adding ", f.AddingLine8pbol, " selecting ", f.SelectingLine8pbol, " found ",
               f.LineFound8pbol, " selected ", f.LineSelected8pbol, " editing ",
               f.EditingPoints8pbol, " moving ", f.MovingPoint8pbol);
        return;
    }
    CheckButtons(w, *state, out);
}

}  // namespace qelt::testing
