// The monkey's random events, drawn to suit the state the program is in.
#pragma once

#include <cstdint>

#include "monkey/events.h"

namespace qelt::testing {

// A stream of random numbers from one seed (splitmix64): the same seed gives the same events.
class Dice {
  public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // 0..n-1
    int Below(int n);
    // A multiple of 0.25 in lo..hi.
    Single Quarter(int lo, int hi);

  private:
    std::uint64_t state_;
};

// How a run leans, so that different runs reach different limits: quick short lines reach 43
// lines, long lines 20 points in a line and 55 in the drawing, and much selecting the editing.
struct Temper {
    int newLine;     // weight of "Add a new line" when idle
    int addPoint;    // weight of a press while a new line is drawn
    int finishLine;  // weight of "Done adding Line" while a new line is drawn
    int cancelLine;  // weight of Cancel while a new line is drawn
    int select;      // weight of "Modify a Line" when idle
    int edit;        // weight of "Edit a line point" once a line is chosen
    int deleteLine;  // weight of "Delete this Line" once a line is chosen
};
Temper RandomTemper(Dice& dice);

// The next thing a restless user does to this program: presses, moves and releases over the
// canvas, inside, on the edge of and far outside it, moves over the window, clicks on the buttons
// that are enabled, "Zoom In Box", and the timer going on in irregular steps and past midnight.
// Presses favour the places that matter (points, midpoints, inside the boxes of lines) and the
// actions lean towards the limits of the drawing.
Event NextEvent(const MonkeyWorld& w, const Temper& temper, Dice& dice);

}  // namespace qelt::testing
