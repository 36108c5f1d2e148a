// The flags of the action state machine behind the four action buttons and Cancel.
#pragma once

#include <optional>

namespace qelt {

// The states the flags form (every flag not named is false; LineSearchOn goes with
// SelectingLine, PickMidpoints stays on once point editing has started):
//
//   State          Flags set                                  Enabled buttons        Leads to
//   Idle           ReadyForAction                             1 "Add a new line",    1: New line
//                                                             2 "Modify a Line"      2: Select line
//                                                             (with >= 1 line)
//   New line       AddingLine                                 3 "Done adding Line",  3: Idle
//                                                             Cancel                 Cancel: Idle
//   Select line    SelectingLine                              Cancel; 2 "Select     2: Line chosen
//                  (+ LineFound once a press found a line)    this Line" when found  Cancel: Idle
//   Line chosen    SelectingLine, LineFound, LineSelected     3 "Edit a line point", 3: Point
//   editing
//                                                             4 "Delete this Line",  4: Idle
//                                                             Cancel                 Cancel: Idle
//   Point editing  SelectingLine, LineFound, EditingPoints    3 "Done point          3: Idle
//                                                             editing", Cancel       Cancel: Idle
//   Carrying       SelectingLine, LineFound, MovingPoint      as Point editing       next press:
//                                                             (3 does nothing)       Point editing
struct ActionFlags {
    bool ReadyForAction8pbol = false;
    bool AddingLine8pbol = false;
    bool SelectingLine8pbol = false;
    bool LineSearchOn8pbol = false;
    bool SearchAllLines8pbol = false;
    bool LineHit8pbol = false;
    bool LineFound8pbol = false;
    bool LineSelected8pbol = false;
    bool EditingPoints8pbol = false;
    bool MovingPoint8pbol = false;
    bool PickMidpoints8pbol = false;
    bool MidpointPicked8pbol = false;
};

// The states of the table above.
enum class ActionState { Idle, NewLine, SelectLine, LineChosen, PointEditing, Carrying };

// The state the flags form, or none when they form no state of the table. Line chosen holds also
// with EditingPoints or MovingPoint, when the line was chosen while points were edited.
std::optional<ActionState> StateOf(const ActionFlags& f);

}  // namespace qelt
