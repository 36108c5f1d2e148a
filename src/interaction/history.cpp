// Undo and redo: the drawing's history of steps, taken whenever an event leaves it changed.
#include "interaction/history.h"

#include <string>
#include <utility>

#include "interaction/actions.h"
#include "interaction/program.h"
#include "plotting/rendering.h"

namespace qelt {

namespace {

// More steps than anyone takes back, few enough that a long session's memory stays flat.
constexpr std::size_t kMostSteps = 1000;

// No action under way, or points being edited with none carried.
bool Resting(const ActionFlags& f) {
    return f.ReadyForAction8pbol || (f.EditingPoints8pbol && !f.MovingPoint8pbol);
}

bool EditingPoints(const ActionFlags& f) {
    return f.EditingPoints8pbol || f.MovingPoint8pbol;
}

// A line that goes with one point is taken to have gone with the deletion of its last point;
// deleting a one-point line as a whole leaves the same drawing.
const char* WhatChanged(const DrawingTables& before, const DrawingTables& after) {
    const int lines = after.LineCount8pint - before.LineCount8pint;
    const int points = PointTotal(after.Lines8pudt, after.LineCount8pint) -
                       PointTotal(before.Lines8pudt, before.LineCount8pint);
    if (lines > 0) {
        return "new line";
    }
    if (lines < 0) {
        return points == -1 ? "point deleted" : "line deleted";
    }
    if (points != 0) {
        return points > 0 ? "point inserted" : "point deleted";
    }
    return "point moved";
}

bool SameTables(const DrawingState& d, const DrawingTables& t) {
    return d.PointsUsed8pint == t.PointsUsed8pint && d.LineCount8pint == t.LineCount8pint &&
           d.Points8pudt == t.Points8pudt && d.Lines8pudt == t.Lines8pudt;
}

// Whether the lines hold the same points and codes in the same order, which is what the data
// file writes of them.
bool SameLines(const DrawingState& d, const DrawingTables& t) {
    if (d.LineCount8pint != t.LineCount8pint) {
        return false;
    }
    for (Integer k = 1; k <= d.LineCount8pint; ++k) {
        const LineRec& a = d.Lines8pudt[k];
        const LineRec& b = t.Lines8pudt[k];
        if (a.PtCount != b.PtCount || !(a.Code == b.Code)) {
            return false;
        }
        for (Integer j = 1; j <= a.PtCount; ++j) {
            const PointRec& pa = d.Points8pudt[a.PtIdx[j]];
            const PointRec& pb = t.Points8pudt[b.PtIdx[j]];
            if (pa.X != pb.X || pa.Y != pb.Y) {
                return false;
            }
        }
    }
    return true;
}

// Whether the groups have the same names, notes and member lines, which is what the data file
// writes of them.
bool SameGroups(const DrawingState& d, const Step& s) {
    if (d.GroupCount8pint != s.GroupCount8pint) {
        return false;
    }
    for (Integer g = 1; g <= d.GroupCount8pint; ++g) {
        const GroupRec& a = d.Groups8pudt[g];
        const GroupRec& b = s.Groups8pudt[g];
        if (a.Name != b.Name || a.Note != b.Note || a.LineCount != b.LineCount) {
            return false;
        }
        for (Integer i = 1; i <= a.LineCount; ++i) {
            if (a.LineNo[i] != b.LineNo[i]) {
                return false;
            }
        }
    }
    return true;
}

// Whether the drawing makes the step's data file, told without making the file.
bool MakesFileOf(const DrawingState& d, const Step& s) {
    return SameLines(d, s.tables) && SameGroups(d, s);
}

Step StepOf(const DrawingState& d) {
    return {TablesOf(d), d.Groups8pudt, d.GroupCount8pint, ""};
}

void Say(Program& p, const std::string& text) {
    p.platform.controls.ConcludingInfoToUser8lbl.SetCaption(text);
}

// Puts the drawing at step `to`, repaints and says what was undone or redone.
void MoveTo(Program& p, std::size_t to, const std::string& said) {
    p.history.current = to;
    Restore(p.drawing, p.history.steps[to]);
    p.history.compared = p.drawing.changes.Value();
    if (p.actions.ReadyForAction8pbol) {
        ResetActionButtons(p);
    }
    RedrawAll(p.plotView());
    Say(p, said);
}

// Points editing starts and ends between events: the floor follows.
void FollowPointEditing(Program& p) {
    History& h = p.history;
    if (!EditingPoints(p.actions)) {
        h.floor.reset();
    } else if (!h.floor) {
        h.floor = h.current;
        h.ceiling = h.current;
    }
}

// The new line's points are noted as they come; a point added after some were taken back drops
// those. Once followed, the drawing stands as noted until its change count moves.
void FollowNewLine(Program& p) {
    History& h = p.history;
    const std::uint64_t changes = p.drawing.changes.Value();
    if (!p.actions.AddingLine8pbol) {
        h.newLine.clear();
        h.newLineAt = 0;
    } else if (h.newLine.empty() ||
               (changes != h.followed && !SameTables(p.drawing, h.newLine[h.newLineAt]))) {
        h.newLine.resize(h.newLine.empty() ? 0 : h.newLineAt + 1);
        h.newLine.push_back(TablesOf(p.drawing));
        h.newLineAt = h.newLine.size() - 1;
    }
    h.followed = changes;
}

// Puts the new line as it stood with one point fewer or more, and says so.
void MoveAlongNewLine(Program& p, std::size_t to, const char* said) {
    p.history.newLineAt = to;
    PutTables(p.drawing, p.history.newLine[to]);
    RedrawAll(p.plotView());
    Say(p, said);
}

void Push(History& h, Step step) {
    step.what = WhatChanged(h.steps[h.current].tables, step.tables);
    h.steps.resize(h.current + 1);
    h.steps.push_back(std::move(step));
    if (h.steps.size() > kMostSteps) {
        h.steps.pop_front();
        if (h.floor && *h.floor > 0) {
            --*h.floor;
        }
    }
    h.current = h.steps.size() - 1;
    h.ceiling = h.current;
}

}  // namespace

DrawingTables TablesOf(const DrawingState& d) {
    return {d.Points8pudt, d.PointsUsed8pint, d.Lines8pudt, d.LineCount8pint};
}

void PutTables(DrawingState& d, const DrawingTables& t) {
    d.Points8pudt = t.Points8pudt;
    d.PointsUsed8pint = t.PointsUsed8pint;
    d.Lines8pudt = t.Lines8pudt;
    d.LineCount8pint = t.LineCount8pint;
    d.changes.Add();
    if (d.SelectedLine8pint > d.LineCount8pint) {
        d.SelectedLine8pint = NoLine;
        d.SelectedPoint8pint = NoLine;
    }
}

void Restore(DrawingState& d, const Step& s) {
    PutTables(d, s.tables);
    d.Groups8pudt = s.Groups8pudt;
    d.GroupCount8pint = s.GroupCount8pint;
}

void StartHistory(Program& p) {
    p.history = History{};
    p.history.steps.push_back(StepOf(p.drawing));
    p.history.compared = p.drawing.changes.Value();
}

void RecordStep(Program& p) {
    History& h = p.history;
    const std::uint64_t changes = p.drawing.changes.Value();
    if (Resting(p.actions) && changes != h.compared) {
        h.compared = changes;
        if (!MakesFileOf(p.drawing, h.steps[h.current])) {
            Push(h, StepOf(p.drawing));
        }
    }
    FollowPointEditing(p);
    FollowNewLine(p);
}

void Undo(Program& p) {
    const History& h = p.history;
    if (p.actions.AddingLine8pbol) {
        if (h.newLineAt == 0) {
            Say(p, "Nothing to undo since the new line began");
        } else {
            MoveAlongNewLine(p, h.newLineAt - 1, "Undone: point added");
        }
    } else if (!Resting(p.actions)) {
        Say(p, "Undo works when no action is under way");
    } else if (h.current == h.floor.value_or(0)) {
        Say(p, h.floor ? "Nothing to undo since point editing began" : "Nothing to undo");
    } else {
        MoveTo(p, h.current - 1, std::string("Undone: ") + h.steps[h.current].what);
    }
}

void Redo(Program& p) {
    const History& h = p.history;
    if (p.actions.AddingLine8pbol) {
        if (h.newLineAt + 1 >= h.newLine.size()) {
            Say(p, "Nothing to redo since the new line began");
        } else {
            MoveAlongNewLine(p, h.newLineAt + 1, "Redone: point added");
        }
    } else if (!Resting(p.actions)) {
        Say(p, "Redo works when no action is under way");
    } else if (h.current >= (h.floor ? h.ceiling : h.steps.size() - 1)) {
        Say(p, h.floor ? "Nothing to redo since point editing began" : "Nothing to redo");
    } else {
        MoveTo(p, h.current + 1, std::string("Redone: ") + h.steps[h.current + 1].what);
    }
}

void TakeBackPoint(Program& p) {
    if (p.actions.AddingLine8pbol) {
        Undo(p);
    }
}

void RecordCancelledLine(Program& p, const DrawingTables& asItStood) {
    if (asItStood.Lines8pudt[asItStood.LineCount8pint].PtCount == 0) {
        return;
    }
    DrawingState stood = p.drawing;
    PutTables(stood, asItStood);
    History& h = p.history;
    Push(h, StepOf(stood));
    Push(h, StepOf(p.drawing));
    h.steps.back().what = "new line cancelled";
    h.compared = p.drawing.changes.Value();
}

}  // namespace qelt
