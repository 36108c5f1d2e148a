// Picking, moving, inserting and deleting the points of a line.
#include "editing/editing.h"
#include "state/checked.h"

namespace qelt {

namespace {

Long SquaredDistance(Long dx, Long dy) {
    return CheckedAdd(CheckedMul(dx, dx), CheckedMul(dy, dy));
}

// A segment's midpoint, a whole or a half number.
Single Midpoint(Integer a, Integer b) {
    return static_cast<Single>(CheckedSub(b, a) / 2.0 + a);
}

// Whether `position` names a point of `line`, so that it may be moved or deleted.
bool IsPointOf(const DrawingState& d, Integer line, Integer position) {
    return line >= 1 && line <= d.LineCount8pint && position >= 1 &&
           position <= d.Lines8pudt[line].PtCount;
}

// A slot that some other position still refers to stays in use.
void FreePoint(DrawingState& d, Integer slot) {
    int references = 0;
    for (Integer k = 1; k <= d.LineCount8pint; ++k) {
        const LineRec& line = d.Lines8pudt[k];
        for (Integer j = 1; j <= line.PtCount; ++j) {
            references += line.PtIdx[j] == slot ? 1 : 0;
        }
    }
    if (references <= 1) {
        d.Points8pudt[slot].InUse = false;
    }
}

// Groups name lines by number: the deleted line leaves every group, and the lines after it are
// one lower. A group keeps its name and note with no line left.
void RenumberGroups(DrawingState& d, Integer deleted) {
    for (Integer g = 1; g <= d.GroupCount8pint; ++g) {
        GroupRec& group = d.Groups8pudt[g];
        Integer kept = 0;
        for (Integer i = 1; i <= group.LineCount; ++i) {
            const Integer line = group.LineNo[i];
            if (line != deleted) {
                group.LineNo[++kept] = line > deleted ? static_cast<Integer>(line - 1) : line;
            }
        }
        group.LineCount = kept;
    }
}

}  // namespace

// Candidates in the order vertex 1, midpoint 1-2, vertex 2, ...; only a strictly smaller
// distance replaces the best so far, so the earlier candidate wins a tie.
bool FindNearestPoint(DrawingState& d, Integer line, Integer x, Integer y, bool pickMidpoints) {
    d.FoundPoint8pint = NoLine;
    bool midpointPicked = false;
    Long best = 1'000'000'000;
    auto consider = [&](Long distance, Integer i, Integer j, bool midpoint) {
        if (distance < best) {
            best = distance;
            d.FoundLine8pint = i;
            d.FoundPoint8pint = j;
            midpointPicked = midpoint;
        }
    };
    for (Integer i = 1; i <= d.LineCount8pint; ++i) {
        if (line != NoLine && line != i) {
            continue;
        }
        const LineRec& rec = d.Lines8pudt[i];
        for (Integer j = 1; j <= rec.PtCount; ++j) {
            const PointRec& a = d.Points8pudt[rec.PtIdx[j]];
            consider(SquaredDistance(CheckedSub(x, a.X), CheckedSub(y, a.Y)), i, j, false);
            if (pickMidpoints && j < rec.PtCount) {
                const PointRec& b = d.Points8pudt[rec.PtIdx[j + 1]];
                const Long ex = NearestLong(x - double{Midpoint(a.X, b.X)});
                const Long ey = NearestLong(y - double{Midpoint(a.Y, b.Y)});
                consider(SquaredDistance(ex, ey), i, j, true);
            }
        }
    }
    return midpointPicked;
}

void MovePointToMouse(DrawingState& d, Integer x, Integer y) {
    // The dropping press may have selected another line, one without this position.
    if (!IsPointOf(d, d.SelectedLine8pint, d.SelectedPoint8pint)) {
        return;
    }
    PointRec& point = d.Points8pudt[d.Lines8pudt[d.SelectedLine8pint].PtIdx[d.SelectedPoint8pint]];
    point.X = x;
    point.Y = y;
    d.changes.Add();
}

// A full line or a full pool takes no new point; the press then goes on as a pick of the
// segment's first point.
void InsertPointAfterFound(DrawingState& d, Integer x, Integer y) {
    const Integer foundPoint = d.FoundPoint8pint;
    if (!IsPointOf(d, d.FoundLine8pint, foundPoint)) {
        return;
    }
    LineRec& line = d.Lines8pudt[d.FoundLine8pint];
    Integer slot = 0;
    if (line.PtCount >= MaxLinePoints || !AllocPoint(d, slot)) {
        return;
    }
    for (Integer j = line.PtCount; j >= foundPoint + 1; --j) {
        line.PtIdx[j + 1] = line.PtIdx[j];
    }
    ++line.PtCount;
    line.PtIdx[foundPoint + 1] = slot;
    d.Points8pudt[slot] = {x, y, true};
    d.FoundPoint8pint = foundPoint + 1;
    d.SelectedPoint8pint = foundPoint + 1;
    d.changes.Add();
}

void DeleteFoundPoint(DrawingState& d) {
    const Integer lineNo = d.FoundLine8pint;
    const Integer position = d.FoundPoint8pint;
    if (!IsPointOf(d, lineNo, position)) {
        return;
    }
    LineRec& line = d.Lines8pudt[lineNo];
    if (line.PtCount == 1) {
        d.SelectedLine8pint = lineNo;
        DeleteSelectedLine(d);
        return;
    }
    d.Points8pudt[line.PtIdx[position]].InUse = false;
    for (Integer j = position + 1; j <= line.PtCount; ++j) {
        line.PtIdx[j - 1] = line.PtIdx[j];
    }
    --line.PtCount;
    d.changes.Add();
}

// Later lines move down one place with their points and codes; the places' own InUse and
// LineNo stay where they are.
void DeleteSelectedLine(DrawingState& d) {
    const Integer selected = d.SelectedLine8pint;
    const Integer count = d.LineCount8pint;
    if (count < 1) {
        d.LineCount8pint = 0;
        return;
    }
    if (selected == NoLine || selected < 1 || selected > count) {
        return;
    }
    LineRec& gone = d.Lines8pudt[selected];
    gone.InUse = false;
    for (Integer j = 1; j <= gone.PtCount; ++j) {
        FreePoint(d, gone.PtIdx[j]);
    }
    for (Integer k = selected + 1; k <= count; ++k) {
        d.Lines8pudt[k - 1].PtIdx = d.Lines8pudt[k].PtIdx;
        d.Lines8pudt[k - 1].PtCount = d.Lines8pudt[k].PtCount;
        d.Lines8pudt[k - 1].Code = d.Lines8pudt[k].Code;
    }
    RenumberGroups(d, selected);
    d.LineCount8pint = count - 1;
    d.SelectedLine8pint = NoLine;
    d.SelectedPoint8pint = NoLine;
    d.changes.Add();
}

}  // namespace qelt
