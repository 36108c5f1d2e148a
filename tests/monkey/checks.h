// The rules the monkey checks after every event.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "monkey/monkey_world.h"

namespace qelt::testing {

using Findings = std::vector<std::string>;

// Adds one finding, written from its parts.
template <typename... Parts>
void Report(Findings& out, const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    out.push_back(text.str());
}

// What the checks after an event compare with: the state before it.
struct Before {
    Integer PointsUsed8pint = 0;
    std::size_t steps = 0;  // of the history
    std::size_t current = 0;
    DrawingState atStep;  // the drawing of the history's current step
    bool carrying = false;
    DrawingTables tables;  // of the drawing as it stood
    bool adding = false;   // a new line was under way
};
Before Remember(const MonkeyWorld& w);

// The kinds of event that some rules are about.
enum class Delivered { Other, UndoOrRedo, Cancel };

// Every rule that the program's state must keep after the event and does not; empty when all
// hold.
Findings Violations(const MonkeyWorld& w, const Before& before, Delivered kind = Delivered::Other);

// The parts of Violations, each on its own.
void CheckDrawing(const DrawingState& d, const Before& before, Findings& out);
void CheckDisplayLists(const DisplayLists& lists, Findings& out);
void CheckActionState(const MonkeyWorld& w, Findings& out);
// Undo and redo: the step an event took, or a point added to a new line, is taken back exactly
// and given again by redo; the keys leave the drawing of the step they moved to, and while a new
// line is under way move no step. Cancel of a new line with points takes two steps (the line as
// it stood, undone first, and its removal), any other none; a carry it ends leaves the drawing's
// file as before the pick.
void CheckHistory(const MonkeyWorld& w, const Before& before, Delivered kind, Findings& out);
// The data file the writer makes of the drawing at this moment, read back.
void CheckDataFile(const DrawingState& d, Findings& out);
void CheckDataFileText(std::string_view text, const DrawingState& d, Findings& out);

}  // namespace qelt::testing
