#include "monkey/checks.h"

namespace qelt::testing {

Before Remember(const MonkeyWorld& w) {
    return {w.program.drawing.PointsUsed8pint};
}

Findings Violations(const MonkeyWorld& w, const Before& before) {
    Findings out;
    CheckDrawing(w.program.drawing, before, out);
    // The file is read back against the drawing, which has to be whole for that.
    if (out.empty()) {
        CheckDataFile(w.program.drawing, out);
    }
    CheckDisplayLists(w.program.lists, out);
    CheckActionState(w, out);
    return out;
}

}  // namespace qelt::testing
