// Undo and redo: the drawing's history of steps, taken whenever an event leaves it changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "state/drawing.h"

namespace qelt {

struct Program;

// The point pool and the line table, which every change to the drawing goes through.
struct DrawingTables {
    Bounded<PointRec, 1, MaxPoints> Points8pudt;
    Integer PointsUsed8pint = 0;
    Bounded<LineRec, 1, MaxLines> Lines8pudt;
    Integer LineCount8pint = 0;
    bool operator==(const DrawingTables&) const = default;
};
DrawingTables TablesOf(const DrawingState& d);
// Puts the tables in place of the drawing's own, as a change of it; a selection beyond its lines
// names none.
void PutTables(DrawingState& d, const DrawingTables& t);

// The drawing as it stood after one step: what its data file is made of.
struct Step {
    DrawingTables tables;
    Bounded<GroupRec, 0, 9> Groups8pudt;
    Integer GroupCount8pint = 0;
    const char* what = "";  // what the step did, e.g. "point moved"
};
// Puts the drawing as it stood at the step in place of `d`'s, as a change of it.
void Restore(DrawingState& d, const Step& s);

struct History {
    // The first is the drawing the run started with; the oldest go first when there are many.
    std::deque<Step> steps;
    std::size_t current = 0;  // the step the drawing stands at; later ones can be redone
    // While points are edited, undo and redo keep to the steps taken since editing began, from
    // `floor` up to `ceiling`, so that the line being edited keeps existing.
    std::optional<std::size_t> floor;
    std::size_t ceiling = 0;
    // The drawing's change count when its file was last compared with the current step's: while
    // it stays the same, so does the file, and the comparison is spared.
    std::uint64_t compared = 0;
    // While a new line is drawn, the tables as it stood with each number of its points, from
    // none on, and the one the drawing stands at: undo and redo take its points back and give
    // them again one by one, until a new point drops those taken back.
    std::vector<DrawingTables> newLine;
    std::size_t newLineAt = 0;
    std::uint64_t followed = 0;  // the change count when the new line was last followed
};

// The drawing as it stands becomes the first step, with nothing to undo or redo.
void StartHistory(Program& p);
// After every event: when the program rests and its drawing makes another data file than the
// current step, the drawing becomes a new step and the steps that could be redone are dropped.
// Only a drawing whose change count moved is looked at, and no data file is made for it.
void RecordStep(Program& p);
// The drawing of the previous (next) step, with a full repaint and a word on the completion
// line; only while the program rests, or, while a new line is drawn, its last point taken back
// (given again).
void Undo(Program& p);
void Redo(Program& p);
// Backspace: takes back the last point of a new line as undo does; at other times nothing.
void TakeBackPoint(Program& p);
// Cancel of a new line: `asItStood`, the tables before the line was removed, becomes a step
// when the line had points, and its removal the next, so that undo brings the line back.
void RecordCancelledLine(Program& p, const DrawingTables& asItStood);

}  // namespace qelt
