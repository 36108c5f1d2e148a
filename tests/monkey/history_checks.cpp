#include "interaction/history.h"
#include "monkey/checks.h"
#include "output/data_file.h"

namespace qelt::testing {

namespace {

bool SameTables(const DrawingState& a, const DrawingState& b) {
    return a.Points8pudt == b.Points8pudt && a.PointsUsed8pint == b.PointsUsed8pint &&
           a.Lines8pudt == b.Lines8pudt && a.LineCount8pint == b.LineCount8pint;
}

// Takes the new step back and gives it again, on a copy, so that the run goes on untouched.
void CheckUndoRedo(const MonkeyWorld& w, const Before& before, Findings& out) {
    MonkeyWorld copy(w);
    Undo(copy.program);
    if (!SameTables(copy.program.drawing, before.atStep)) {
        Report(out, "undo after step ", w.program.history.current,
               " does not give back the drawing of the step before");
    }
    Redo(copy.program);
    if (!SameTables(copy.program.drawing, w.program.drawing)) {
        Report(out, "undo then redo of step ", w.program.history.current, " changes the drawing");
    }
}

}  // namespace

void CheckHistory(const MonkeyWorld& w, const Before& before, Delivered kind, Findings& out) {
    const History& h = w.program.history;
    const Step& step = h.steps[h.current];
    const bool key = kind == Delivered::UndoOrRedo;
    // The drawing of the pick is that of the current step, as no step is taken while carrying.
    if (kind == Delivered::Cancel && before.carrying &&
        h.steps[before.current].file != DataFileText(w.program.drawing)) {
        Report(out, "Cancel leaves a carry's drawing other than before the pick");
    }
    const bool moved = h.current != before.current;
    if (key && moved &&
        (step.tables.PointsUsed8pint != w.program.drawing.PointsUsed8pint ||
         step.file != DataFileText(w.program.drawing))) {
        Report(out, "the drawing after undo or redo is not that of step ", h.current);
    }
    const bool newStep = h.current == before.current + 1 && h.steps.size() == h.current + 1;
    if (!key && newStep) {
        CheckUndoRedo(w, before, out);
    } else if (!key && (moved || h.steps.size() != before.steps)) {
        Report(out, "the history moved from step ", before.current, " of ", before.steps,
               " to step ", h.current, " of ", h.steps.size());
    }
}

}  // namespace qelt::testing
