// Helpers that draw, click and read back what the buttons show, as a user would.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "editing/editing.h"
#include "interaction/actions.h"
#include "interaction/ending.h"
#include "interaction/mouse.h"
#include "support/fake_platform.h"

namespace qelt::testing {

using Points = std::vector<std::pair<int, int>>;

// Appends a line with these points straight into the drawing, as drawing them would.
inline Integer AddLine(DrawingState& d, const Points& points) {
    const Integer k = ++d.LineCount8pint;
    LineRec& line = d.Lines8pudt[k];
    line = LineRec{};
    line.LineNo = k;
    line.InUse = true;
    line.Code = "UN";
    for (auto [x, y] : points) {
        Integer slot = 0;
        AllocPoint(d, slot);
        d.Points8pudt[slot] = {static_cast<Integer>(x), static_cast<Integer>(y), true};
        line.PtIdx[++line.PtCount] = slot;
    }
    return k;
}

// The points of a line, in order.
inline Points LinePoints(const DrawingState& d, int line) {
    Points points;
    for (int j = 1; j <= d.Lines8pudt[line].PtCount; ++j) {
        const PointRec& point = PointOf(d, line, j);
        points.emplace_back(point.X, point.Y);
    }
    return points;
}

// A press and its release at one place on the canvas.
inline void Click(Program& p, Integer button, Single x, Single y) {
    CanvasPressed(p, button, x, y);
    CanvasReleased(p, x, y);
}

// Draws a whole line through the buttons and the canvas, as a user would.
inline void DrawLine(Program& p, const Points& points) {
    Button1Pressed(p);
    for (auto [x, y] : points) {
        Click(p, 1, static_cast<Single>(x), static_cast<Single>(y));
    }
    Button3Pressed(p);
}

// From idle: selects the line whose box holds (x, y) and starts editing its points.
inline void EditLineAt(Program& p, Single x, Single y) {
    Button2Pressed(p);
    Click(p, 1, x, y);
    Button2Pressed(p);
    Button3Pressed(p);
}

// Everything the action buttons and the two text lines show.
struct Screen {
    struct Button {
        std::string caption;
        bool enabled;
        bool operator==(const Button&) const = default;
    };
    Button b1, b2, b3, b4, cancel;
    std::string prompt;
    bool operator==(const Screen&) const = default;
};

inline Screen Shown(const FakeWorld& w) {
    auto button = [](const FakeControl& c) { return Screen::Button{c.Caption(), c.Enabled()}; };
    return {button(w.Button1), button(w.Button2), button(w.Button3),
            button(w.Button4), button(w.Cancel),  w.Prompt.Caption()};
}

inline std::ostream& operator<<(std::ostream& out, const Screen& s) {
    auto button = [&](const Screen::Button& b) {
        out << "[" << b.caption << (b.enabled ? " E" : " D") << "] ";
    };
    button(s.b1);
    button(s.b2);
    button(s.b3);
    button(s.b4);
    button(s.cancel);
    return out << '"' << s.prompt << '"';
}

}  // namespace qelt::testing
