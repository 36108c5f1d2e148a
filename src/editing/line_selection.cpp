#include <vector>

#include "editing/editing.h"

namespace qelt {

void GetLinePoint(const DrawingState& d, const Integer& line, const Integer& position, Integer& x,
                  Integer& y) {
    const PointRec& point = PointOf(d, line, position);
    x = point.X;
    y = point.Y;
}

// A hit lies strictly inside the box of the line's points: never on its edge, and never on a
// line of fewer than two points or a straight horizontal or vertical one.
void MouseInLineBox(const Program& p, const Integer& line, bool& inside) {
    Integer minX = 32000;
    Integer maxX = -32000;
    Integer minY = 32000;
    Integer maxY = -32000;
    const Integer count = p.drawing.Lines8pudt[line].PtCount;
    for (Integer j = 1; j <= count; ++j) {
        Integer x = 0;
        Integer y = 0;
        GetLinePoint(p.drawing, line, j, x, y);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const Integer mx = p.mouse.MouseX8pint;
    const Integer my = p.mouse.MouseY8pint;
    inside = minX < mx && mx < maxX && minY < my && my < maxY;
}

// Repeated presses step through the lines whose boxes hold the press, in line order; the one
// counter serves every press of the program.
void FindNearestLine(Program& p) {
    if (!p.actions.LineSearchOn8pbol) {
        return;
    }
    p.actions.LineHit8pbol = false;
    Control& button2 = p.platform.controls.Button2_SelectAssignUnassignYes_8cbn;
    button2.SetEnabled(false);
    button2.SetCaption(" -- --- --");

    std::vector<Integer> candidates;
    const Integer count = p.drawing.LineCount8pint;
    for (Integer k = 1; k <= count; ++k) {
        bool inside = false;
        if (p.actions.SearchAllLines8pbol) {
            MouseInLineBox(p, k, inside);
        }
        if (inside) {
            candidates.push_back(k);
        }
    }
    if (candidates.empty()) {
        p.drawing.SelectedLine8pint = NoLine;
        return;
    }
    if (++p.ClickCycle8sint > static_cast<Integer>(candidates.size())) {
        p.ClickCycle8sint = 1;
    }
    p.actions.LineHit8pbol = true;
    p.drawing.SelectedLine8pint = candidates.at(p.ClickCycle8sint - 1);
}

}  // namespace qelt
