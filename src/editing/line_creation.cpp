// Adding a line, its points and taking them back; cancelling and deleting lines.
#include "editing/editing.h"

namespace qelt {

bool CreateLine(DrawingState& d) {
    if (d.LineCount8pint >= MaxLines) {
        return false;
    }
    const Integer k = ++d.LineCount8pint;
    LineRec& line = d.Lines8pudt[k];
    line.LineNo = k;
    line.InUse = true;
    line.PtCount = 0;
    line.Code = "UN";
    d.SelectedLine8pint = k;
    d.changes.Add();
    return true;
}

PointEntry AddPointAtMouse(DrawingState& d, Integer x, Integer y) {
    LineRec& line = d.Lines8pudt[d.LineCount8pint];
    if (line.PtCount >= MaxLinePoints) {
        return PointEntry::LineFull;
    }
    Integer slot = 0;
    if (!AllocPoint(d, slot)) {
        return PointEntry::PoolFull;
    }
    const Integer n = ++line.PtCount;
    line.PtIdx[n] = slot;
    d.Points8pudt[slot] = {x, y, true};
    d.SelectedPoint8pint = n;
    d.changes.Add();
    return PointEntry::Added;
}

bool AllocPoint(DrawingState& d, Integer& slot) {
    for (Integer i = 1; i <= d.PointsUsed8pint; ++i) {
        if (!d.Points8pudt[i].InUse) {
            d.Points8pudt[i].InUse = true;
            d.changes.Add();
            slot = i;
            return true;
        }
    }
    if (d.PointsUsed8pint >= MaxPoints) {
        return false;
    }
    slot = ++d.PointsUsed8pint;
    d.Points8pudt[slot].InUse = true;
    d.changes.Add();
    return true;
}

}  // namespace qelt
