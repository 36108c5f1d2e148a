#include <string_view>

#include "monkey/checks.h"

namespace qelt::testing {

namespace {

// The flags that tell the states apart, in the order of the state table.
struct Marks {
    bool ready, adding, selecting, found, selected, editing, moving;
    bool operator==(const Marks&) const = default;
};

struct KnownState {
    const char* name;
    Marks marks;
};

// The states of the action buttons, and the variants that presses and clicks lead to. Leaving
// point editing through Cancel, "Done point editing" or deleting the line clears the editing and
// carrying flags, so they are clear wherever point editing has not been entered.
constexpr KnownState kStates[] = {
    {"Idle", {true, false, false, false, false, false, false}},
    {"New line", {false, true, false, false, false, false, false}},
    {"Select line", {false, false, true, false, false, false, false}},
    // A press found a line, or, after one did, found none or ended point editing.
    {"Select line, a line found", {false, false, true, true, false, false, false}},
    {"Line chosen", {false, false, true, true, true, false, false}},
    // "Select this Line" during point editing: the line is chosen, and as nothing ends point
    // editing, a press still edits points.
    {"Line chosen, point editing on", {false, false, true, true, true, true, false}},
    // "Select this Line" while a point is carried: the point goes on following the pointer
    // until a press drops it.
    {"Line chosen, point carried", {false, false, true, true, true, false, true}},
    {"Point editing", {false, false, true, true, false, true, false}},
    {"Carrying", {false, false, true, true, false, false, true}},
};

Marks MarksOf(const ActionFlags& f) {
    return {f.ReadyForAction8pbol, f.AddingLine8pbol,    f.SelectingLine8pbol, f.LineFound8pbol,
            f.LineSelected8pbol,   f.EditingPoints8pbol, f.MovingPoint8pbol};
}

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
void CheckButtons(const MonkeyWorld& w, const std::string& state, Findings& out) {
    const bool idle = state == "Idle";
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
    } else if (state == "New line") {
        CheckButton(w.Button2, "Button 2", false, out);
        CheckButton(w.Button3, "Button 3", true, out);
        CheckCaption(w.Button3, "Button 3", "Done adding Line", out);
        CheckButton(w.Button4, "Button 4", false, out);
    }
}

}  // namespace

std::string ActionStateName(const ActionFlags& f) {
    const Marks marks = MarksOf(f);
    for (const KnownState& state : kStates) {
        if (state.marks == marks) {
            return state.name;
        }
    }
    return {};
}

void CheckActionState(const MonkeyWorld& w, Findings& out) {
    const ActionFlags& f = w.program.actions;
    CheckFlagPairs(f, out);
    const std::string state = ActionStateName(f);
    if (state.empty()) {
        Report(out, "the action flags form no known state: ready ", f.ReadyForAction8pbol,
               " adding ", f.AddingLine8pbol, " selecting ", f.SelectingLine8pbol, " found ",
               f.LineFound8pbol, " selected ", f.LineSelected8pbol, " editing ",
               f.EditingPoints8pbol, " moving ", f.MovingPoint8pbol);
        return;
    }
    CheckButtons(w, state, out);
}

}  // namespace qelt::testing
