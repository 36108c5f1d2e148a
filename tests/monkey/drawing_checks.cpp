// The monkey's rules for the point pool and the line table.
#include <array>

#include "monkey/checks.h"

namespace qelt::testing {

namespace {

// Where a pool slot is referenced from: line and position, or 0 when nowhere.
struct Reference {
    int line = 0;
    int position = 0;
};

// Each referenced slot in range and in use, and no slot referenced twice.
void CheckLinePoints(const DrawingState& d, int k, std::array<Reference, MaxPoints + 1>& refs,
                     Findings& out) {
    const LineRec& line = d.Lines8pudt[k];
    if (line.PtCount < 0 || line.PtCount > MaxLinePoints) {
        Report(out, "line ", k, " has PtCount ", line.PtCount);
        return;
    }
    for (int j = 1; j <= line.PtCount; ++j) {
        const Integer slot = line.PtIdx[j];
        if (slot < 1 || slot > d.PointsUsed8pint) {
            Report(out, "line ", k, " point ", j, " refers to slot ", slot, " outside 1..",
                   d.PointsUsed8pint);
            continue;
        }
        if (!d.Points8pudt[slot].InUse) {
            Report(out, "line ", k, " point ", j, " refers to free slot ", slot);
        }
        if (refs[slot].line != 0) {
            Report(out, "slot ", slot, " is point ", refs[slot].position, " of line ",
                   refs[slot].line, " and point ", j, " of line ", k);
        }
        refs[slot] = {k, j};
    }
}

}  // namespace

void CheckDrawing(const DrawingState& d, const Before& before, Findings& out) {
    if (d.LineCount8pint < 0 || d.LineCount8pint > MaxLines) {
        Report(out, "LineCount8pint is ", d.LineCount8pint);
        return;
    }
    if (d.PointsUsed8pint < before.PointsUsed8pint || d.PointsUsed8pint > MaxPoints) {
        Report(out, "PointsUsed8pint went from ", before.PointsUsed8pint, " to ",
               d.PointsUsed8pint);
        return;
    }
    std::array<Reference, MaxPoints + 1> refs{};
    for (int k = 1; k <= d.LineCount8pint; ++k) {
        CheckLinePoints(d, k, refs, out);
    }
    for (int slot = 1; slot <= MaxPoints; ++slot) {
        const bool inUse = d.Points8pudt[slot].InUse;
        if (inUse && refs[slot].line == 0) {
            Report(out, "slot ", slot, " is in use but no line refers to it");
        }
        if (inUse && slot > d.PointsUsed8pint) {
            Report(out, "slot ", slot, " is in use above PointsUsed8pint ", d.PointsUsed8pint);
        }
    }
    const Integer selected = d.SelectedLine8pint;
    if (selected != NoLine && (selected < 0 || selected > d.LineCount8pint)) {
        Report(out, "SelectedLine8pint is ", selected, " with ", d.LineCount8pint, " lines");
    }
    if (d.GroupCount8pint != 0 || d.CurrentGroup8pint != 0) {
        Report(out, "the group table is no longer empty");
    }
}

void CheckDisplayLists(const DisplayLists& lists, Findings& out) {
    if (lists.SegCount8pint < 0 || lists.SegCount8pint > decltype(lists.Segs8pudt)::upper) {
        Report(out, "SegCount8pint is ", lists.SegCount8pint);
    }
    if (lists.SymbolCount8pint < 0 ||
        lists.SymbolCount8pint > decltype(lists.Symbols8pudt)::upper) {
        Report(out, "SymbolCount8pint is ", lists.SymbolCount8pint);
    }
}

}  // namespace qelt::testing
