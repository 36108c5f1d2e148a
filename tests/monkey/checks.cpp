// The rules the monkey checks after every event.
#include "monkey/checks.h"

namespace qelt::testing {

Before Remember(const MonkeyWorld& w) {
    const History& h = w.program.history;
    DrawingState atStep;
    const Step& step = h.steps[h.current];
    atStep.Points8pudt = step.tables.Points8pudt;
    atStep.PointsUsed8pint = step.tables.PointsUsed8pint;
    atStep.Lines8pudt = step.tables.Lines8pudt;
    atStep.LineCount8pint = step.tables.LineCount8pint;
    const ActionFlags& f = w.program.actions;
    return {
        w.program.drawing.PointsUsed8pint, h.steps.size(),   h.current, atStep, f.MovingPoint8pbol,
        TablesOf(w.program.drawing),       f.AddingLine8pbol};
}

Findings Violations(const MonkeyWorld& w, const Before& before, Delivered kind) {
    Findings out;
    // Undo, redo and a cancelled carry give the pool's high-water mark of the drawing they
    // restore.
    Before drawingBefore = before;
    if (kind != Delivered::Other) {
        drawingBefore.PointsUsed8pint = w.program.drawing.PointsUsed8pint;
    }
    CheckDrawing(w.program.drawing, drawingBefore, out);
    CheckHistory(w, before, kind, out);
    // The file is read back against the drawing, which has to be whole for that.
    if (out.empty()) {
        CheckDataFile(w.program.drawing, out);
    }
    CheckDisplayLists(w.program.lists, out);
    CheckActionState(w, out);
    return out;
}

}  // namespace qelt::testing
