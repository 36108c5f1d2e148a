// The drawing: point pool, line table, group table and editing selection.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "state/types.h"

namespace qelt {

inline constexpr Integer MaxLines = 43;
inline constexpr Integer MaxLinePoints = 20;
inline constexpr Integer MaxPoints = 55;

struct PointRec {
    Integer X = 0;
    Integer Y = 0;
    bool InUse = false;
    bool operator==(const PointRec&) const = default;
};

struct LineRec {
    Bounded<Integer, 1, MaxLinePoints> PtIdx;  // pool slots, in drawing order
    Integer PtCount = 0;
    bool InUse = false;
    Integer LineNo = 0;
    FixedString2 Code;
    bool operator==(const LineRec&) const = default;
};

struct GroupRec {
    std::string Name;
    std::string Note;
    Bounded<Integer, 1, 11> LineNo;
    Integer LineCount = 0;
    Integer EdgeLine1 = 0;
    Integer EdgeLine2 = 0;
};

struct SegRec {
    Integer X1 = 0;
    Integer Y1 = 0;
    Integer X2 = 0;
    Integer Y2 = 0;
    Long Color = 0;
    Integer Width = 0;
    Integer Line = 0;  // the line it is a segment of
    bool operator==(const SegRec&) const = default;
};

// How often a drawing has changed: every operation that changes its tables adds one, so that
// an unchanged count spares a look at the tables. A drawing put in place of another is a change
// of it, and its count goes past both, so that a drawing copied in whole never passes for one
// left as it was.
class ChangeCount {
  public:
    ChangeCount() = default;
    ChangeCount(const ChangeCount&) = default;
    ChangeCount& operator=(const ChangeCount& other) {
        count_ = std::max(count_, other.count_) + 1;
        return *this;
    }
    void Add() { ++count_; }
    std::uint64_t Value() const { return count_; }

  private:
    std::uint64_t count_ = 0;
};

// The whole drawing: the point pool, the polylines that refer to it, the (always empty) group
// table and the editing selection. Everything is zero at start, the selection included.
struct DrawingState {
    Bounded<PointRec, 1, MaxPoints> Points8pudt;
    Integer PointsUsed8pint = 0;  // high-water mark of the pool; never lowered

    Bounded<LineRec, 1, MaxLines> Lines8pudt;
    Integer LineCount8pint = 0;

    Bounded<GroupRec, 0, 9> Groups8pudt;
    Integer GroupCount8pint = 0;
    Integer CurrentGroup8pint = 0;

    Integer SelectedLine8pint = 0;
    Integer SelectedPoint8pint = 0;
    Integer FoundLine8pint = 0;
    Integer FoundPoint8pint = 0;

    ChangeCount changes;
};

// The number of points of lines 1..`lineCount` of the table.
inline int PointTotal(const Bounded<LineRec, 1, MaxLines>& lines, Integer lineCount) {
    int total = 0;
    for (Integer k = 1; k <= lineCount; ++k) {
        total += lines[k].PtCount;
    }
    return total;
}

// The coordinates of the point at `position` of `line`.
inline const PointRec& PointOf(const DrawingState& d, int line, int position) {
    return d.Points8pudt[d.Lines8pudt[line].PtIdx[position]];
}

}  // namespace qelt
