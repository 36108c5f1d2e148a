#include <algorithm>
#include <cstdlib>
#include <vector>

#include "editing/editing.h"

namespace qelt {

namespace {

// A hit lies strictly inside the box of the line's points: never on its edge, and never on a
// line of fewer than two points or a straight horizontal or vertical one.
bool MouseInLineBox(const DrawingState& d, Integer line, Integer x, Integer y) {
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
    return minX < x && x < maxX && minY < y && y < maxY;
}

}  // namespace

// The one counter serves every press of the program, so it may point past a shorter list of
// candidates; it then starts again at the first.
bool FindNearestLine(DrawingState& d, Integer x, Integer y, bool searchAllLines,
                     Integer& clickCycle) {
    std::vector<Integer> candidates;
    for (Integer k = 1; searchAllLines && k <= d.LineCount8pint; ++k) {
        if (MouseInLineBox(d, k, x, y)) {
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
