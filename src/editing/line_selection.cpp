// Finding the line a press picks, by the boxes of the lines.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "editing/editing.h"

namespace qelt {

namespace {

// Whether `at` is within the extent lo..hi of a box along one axis. Between distinct ends it must
// lie strictly inside, never on an edge; a box with no whole pixel inside along the axis (all
// points at one coordinate, or at two neighbouring ones) takes the reach of a point's square
// beyond its ends instead, so that flat lines and one-point lines can be found.
bool WithinExtent(Integer lo, Integer hi, Integer at, Integer reach) {
    if (hi - lo > 1) {
        return lo < at && at < hi;
    }
    return lo - reach <= at && at <= hi + reach;
}

// A line with no point has no box and is never hit.
bool MouseInLineBox(const DrawingState& d, Integer line, Integer x, Integer y, Integer reachX,
                    Integer reachY) {
    Integer minX = 32000;
    Integer maxX = -32000;
    Integer minY = 32000;
    Integer maxY = -32000;
    const Integer count = d.Lines8pudt[line].PtCount;
    for (Integer j = 1; j <= count; ++j) {
        const PointRec& point = PointOf(d, line, j);
        minX = std::min(minX, point.X);
        maxX = std::max(maxX, point.X);
        minY = std::min(minY, point.Y);
        maxY = std::max(maxY, point.Y);
    }
    return count > 0 && WithinExtent(minX, maxX, x, reachX) && WithinExtent(minY, maxY, y, reachY);
}

}  // namespace

// The one counter serves every press of the program, so it may point past a shorter list of
// candidates; it then starts again at the first.
bool FindNearestLine(DrawingState& d, Integer x, Integer y, bool searchAllLines,
                     Integer& clickCycle, Integer reachX, Integer reachY) {
    std::vector<Integer> candidates;
    for (Integer k = 1; searchAllLines && k <= d.LineCount8pint; ++k) {
        if (MouseInLineBox(d, k, x, y, reachX, reachY)) {
            candidates.push_back(k);
        }
    }
    if (candidates.empty()) {
        d.SelectedLine8pint = NoLine;
        return false;
    }
    if (++clickCycle > static_cast<Integer>(candidates.size())) {
        clickCycle = 1;
    }
    d.SelectedLine8pint = candidates.at(clickCycle - 1);
    return true;
}

bool OnPointSquare(const DrawingState& d, Integer line, Integer x, Integer y, Integer reachX,
                   Integer reachY) {
    if (line < 1 || line > d.LineCount8pint) {
        return false;
    }
    for (Integer j = 1; j <= d.Lines8pudt[line].PtCount; ++j) {
        const PointRec& point = PointOf(d, line, j);
        if (std::abs(x - point.X) <= reachX && std::abs(y - point.Y) <= reachY) {
            return true;
        }
    }
    return false;
}

}  // namespace qelt
