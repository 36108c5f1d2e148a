#include <string>

#include "editing/editing.h"
#include "interaction/actions.h"

namespace qelt {

void CreateLine(Program& p) {
    DrawingState& d = p.drawing;
    if (d.LineCount8pint >= MaxLines) {
        ResetActionButtons(p);
        // Written after the reset, which would otherwise replace it with the idle prompt.
        p.platform.controls.UserMustSee8lbl.SetCaption(
            "Too many general Lines --- Max allowable is " + std::to_string(MaxLines));
        return;
    }
    const Integer k = ++d.LineCount8pint;
    LineRec& line = d.Lines8pudt[k];
    line.LineNo = k;
    line.InUse = true;
    line.PtCount = 0;
    line.Code = "UN";
    d.SelectedLine8pint = k;
}

void AddPointAtMouse(Program& p) {
    DrawingState& d = p.drawing;
    LineRec& line = d.Lines8pudt[d.LineCount8pint];
    Control& prompt = p.platform.controls.UserMustSee8lbl;
    if (line.PtCount >= MaxLinePoints) {
        // The limit is written with a blank for its sign, as numbers are.
        prompt.SetCaption("too many Line points, maximum is  " + std::to_string(MaxLinePoints));
        return;
    }
    Integer slot = 0;
    if (!AllocPoint(d, slot)) {
        prompt.SetCaption("Too many points in the drawing --- Max allowable is " +
                          std::to_string(MaxPoints));
        return;
    }
    const Integer n = ++line.PtCount;
    line.PtIdx[n] = slot;
    PointRec& point = d.Points8pudt[slot];
    point.X = p.mouse.MouseX8pint;
    point.Y = p.mouse.MouseY8pint;
    point.InUse = true;
    d.SelectedPoint8pint = n;
}

bool AllocPoint(DrawingState& d, Integer& slot) {
    for (Integer i = 1; i <= d.PointsUsed8pint; ++i) {
        if (!d.Points8pudt[i].InUse) {
            d.Points8pudt[i].InUse = true;
            slot = i;
            return true;
        }
    }
    if (d.PointsUsed8pint >= MaxPoints) {
        return false;
    }
    slot = ++d.PointsUsed8pint;
    d.Points8pudt[slot].InUse = true;
    return true;
}

}  // namespace qelt
