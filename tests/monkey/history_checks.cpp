// The monkey's rules for undo and redo.
#include "interaction/history.h"
#include "monkey/checks.h"
#include "output/data_file.h"

namespace qelt::testing {

namespace {

int NewLinePoints(const DrawingTables& t) {
    return t.LineCount8pint < 1 ? 0 : t.Lines8pudt[t.LineCount8pint].PtCount;
}

// Takes the new step back and gives it again, on a copy, so that the run goes on untouched;
// undo must leave the tables `back`.
void CheckUndoRedo(const MonkeyWorld& w, const DrawingTables& back, Findings& out) {
    MonkeyWorld copy(w);
    Undo(copy.program);
    if (!(TablesOf(copy.program.drawing) == back)) {
        Report(out, "undo after step ", w.program.history.current,
               " does not give back the drawing before it");
    }
    Redo(copy.program);
    if (!(TablesOf(copy.program.drawing) == TablesOf(w.program.drawing))) {
        Report(out, "undo then redo of step ", w.program.history.current, " changes the drawing");
    }
}

// The data file of the drawing as it stood at `step`.
std::string FileOf(const MonkeyWorld& w, const Step& step) {
    DrawingState d = w.program.drawing;
    Restore(d, step);
    return DataFileText(d);
}

}  // namespace

void CheckHistory(const MonkeyWorld& w, const Before& before, Delivered kind, Findings& out) {
    const History& h = w.program.history;
    const Step& step = h.steps[h.current];
    const bool key = kind == Delivered::UndoOrRedo;
    // The drawing of the pick is that of the current step, as no step is taken while carrying.
    if (kind == Delivered::Cancel && before.carrying &&
        FileOf(w, h.steps[before.current]) != DataFileText(w.program.drawing)) {
        Report(out, "Cancel leaves a carry's drawing other than before the pick");
    }
    const bool moved = h.current != before.current;
    if (key && moved &&
        (step.tables.PointsUsed8pint != w.program.drawing.PointsUsed8pint ||
         FileOf(w, step) != DataFileText(w.program.drawing))) {
        Report(out, "the drawing after undo or redo is not that of step ", h.current);
    }
    const bool newStep = h.current == before.current + 1 && h.steps.size() == h.current + 1;
    const bool pointAdded =
        !key && before.adding && w.program.actions.AddingLine8pbol &&
        NewLinePoints(TablesOf(w.program.drawing)) == NewLinePoints(before.tables) + 1;
    const bool cancelled =
        kind == Delivered::Cancel && before.adding && NewLinePoints(before.tables) > 0;
    if (cancelled && (h.current != before.current + 2 || h.steps.size() != h.current + 1)) {
        Report(out, "Cancel of a new line with points took no step of the line as it stood");
    } else if (pointAdded || cancelled) {
        CheckUndoRedo(w, before.tables, out);
    } else if (!key && newStep) {
        CheckUndoRedo(w, TablesOf(before.atStep), out);
    } else if ((!key || before.adding) && (moved || h.steps.size() != before.steps)) {
        Report(out, "the history moved from step ", before.current, " of ", before.steps,
               " to step ", h.current, " of ", h.steps.size());
    }
}

}  // namespace qelt::testing
