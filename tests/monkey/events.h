// The events that reach a program from outside, and how they are delivered and printed.
#pragma once

#include <iosfwd>
#include <variant>
#include <vector>

#include "monkey/monkey_world.h"

namespace qelt::testing {

// Everything that reaches a running program from outside: the mouse over the canvas and the main
// window, the buttons, and the timer. Positions are in canvas pixels (the window's own pixels for
// FormMove); buttons are 1 left, 2 right, 4 middle, and a move carries the sum of those held.
struct Press {
    Integer button;
    Single x;
    Single y;
};
struct Move {
    Integer buttons;
    Single x;
    Single y;
};
struct Release {
    Integer button;
    Single x;
    Single y;
};
struct FormMove {
    Integer buttons;
    Single x;
    Single y;
};
enum class Action { Button1, Button2, Button3, Button4, Cancel };
struct ButtonClick {
    Action button;
};
struct ZoomIn {};
// The standard Undo or Redo key, Escape, or Backspace.
enum class Key { Undo, Redo, Escape, Backspace };
struct KeyPress {
    Key key;
};
// The timer reads `seconds` (since midnight) from now on.
struct TimerAt {
    Single seconds;
};

using Event = std::variant<Press, Move, Release, FormMove, ButtonClick, ZoomIn, KeyPress, TimerAt>;
using Events = std::vector<Event>;

const FakeControl& ButtonOf(const MonkeyWorld& w, Action button);
// Whether the event is handled by the program, rather than only changing the timer.
bool ReachesProgram(const Event& e);
// Hands the event to the program as the window system would: a click on a disabled button never
// arrives, and the history notes the drawing after every event that arrives.
void Deliver(MonkeyWorld& w, const Event& e);

// Writes the event as the C++ that makes it again, e.g. Press{1, 120.5, 40}, so that a printed
// sequence can be pasted into an Events list and replayed.
std::ostream& operator<<(std::ostream& out, const Event& e);

}  // namespace qelt::testing
