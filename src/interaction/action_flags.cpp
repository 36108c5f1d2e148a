// The state of the action buttons that the flags form.
#include "interaction/action_flags.h"

namespace qelt {

namespace {

// The flags that tell the states apart.
struct Marks {
    bool ready, adding, selecting, found, selected, editing, moving;
    bool operator==(const Marks&) const = default;
};

struct KnownState {
    Marks marks;
    ActionState state;
};

// Every way the flags form a state, as presses and clicks lead to them. Leaving point editing
// through Cancel, "Done point editing" or deleting the line clears the editing and carrying
// flags, so they are clear wherever point editing has not been entered.
constexpr KnownState kStates[] = {
    {{true, false, false, false, false, false, false}, ActionState::Idle},
    {{false, true, false, false, false, false, false}, ActionState::NewLine},
    {{false, false, true, false, false, false, false}, ActionState::SelectLine},
    // A press found a line, or, after one did, found none or ended point editing.
    {{false, false, true, true, false, false, false}, ActionState::SelectLine},
    {{false, false, true, true, true, false, false}, ActionState::LineChosen},
    // "Select this Line" during point editing: the line is chosen, and as nothing ends point
    // editing, a press still edits points.
    {{false, false, true, true, true, true, false}, ActionState::LineChosen},
    // "Select this Line" while a point is carried: the point goes on following the pointer
    // until a press drops it.
    {{false, false, true, true, true, false, true}, ActionState::LineChosen},
    {{false, false, true, true, false, true, false}, ActionState::PointEditing},
    {{false, false, true, true, false, false, true}, ActionState::Carrying},
};

}  // namespace

std::optional<ActionState> StateOf(const ActionFlags& f) {
    const Marks marks{f.ReadyForAction8pbol, f.AddingLine8pbol,   f.SelectingLine8pbol,
                      f.LineFound8pbol,      f.LineSelected8pbol, f.EditingPoints8pbol,
                      f.MovingPoint8pbol};
    for (const KnownState& known : kStates) {
        if (known.marks == marks) {
            return known.state;
        }
    }
    return std::nullopt;
}

}  // namespace qelt
