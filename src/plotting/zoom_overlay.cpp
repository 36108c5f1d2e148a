#include <array>
#include <string>

#include "plotting/primitives.h"
#include "plotting/rendering.h"
#include "state/checked.h"

namespace qelt {

namespace {

constexpr Integer kSmallest = 40;  // a box with a smaller half extent is marked as too small
constexpr Integer kCrossWidth = 3;
constexpr Integer kRefusedWidth = 4;
constexpr Single kRefusedSize = 3.0F;

Integer Abs(Integer value) {
    return value < 0 ? CheckedSub(0, value) : value;
}

// `at` moved by `by` in the direction of `sign` (-1, 0 or 1).
Integer Shift(Integer at, int sign, Integer by) {
    if (sign == 0) {
        return at;
    }
    return sign > 0 ? CheckedAdd(at, by) : CheckedSub(at, by);
}

// The circle's extents on one axis: its radius, and the offsets of its 16-gon's vertices.
struct CircleAxis {
    Integer r, a, b, c;
};

CircleAxis CircleExtents(Single unit, Single size) {
    const double u = unit;
    return {Nearest(u * size), Nearest(u * 0.707 * size), Nearest(u * 0.9 * size),
            Nearest(u * 0.4358 * size)};
}

void DrawTooSmallCross(Program& p, Integer cx, Integer cy) {
    Canvas& canvas = p.platform.canvas;
    const Long red = p.palette.Red8plng;
    PlotPointIfInside(canvas, CheckedSub(cx, kSmallest), CheckedAdd(cy, kSmallest));
    LineToIfInside(p, CheckedAdd(cx, kSmallest), CheckedSub(cy, kSmallest), red, kCrossWidth);
    PlotPointIfInside(canvas, CheckedAdd(cx, kSmallest), CheckedAdd(cy, kSmallest));
    LineToIfInside(p, CheckedSub(cx, kSmallest), CheckedSub(cy, kSmallest), red, kCrossWidth);
}

}  // namespace

void ShowCursorOffset(Program& p) {
    PlotFrame& f = p.frame;
    f.HalfWidth8pint = Abs(CheckedSub(f.CentreX8pint, p.mouse.MouseX8pint));
    f.HalfHeight8pint = Abs(CheckedSub(f.CentreY8pint, p.mouse.MouseY8pint));
    p.platform.controls.Label21.SetCaption(std::to_string(f.HalfWidth8pint));
}

void DrawCircleSymbol(Program& p, Integer x, Integer y, Single size, Integer width, Long colour,
                      const std::string& kind) {
    if (x == NoLine) {
        return;
    }
    const CircleAxis h = CircleExtents(p.lists.SymbolUnitX8psng, size);
    const CircleAxis v = CircleExtents(p.lists.SymbolUnitY8psng, size);
    Canvas& canvas = p.platform.canvas;
    PlotPointIfInside(canvas, CheckedSub(x, h.r), y);
    canvas.SetDrawWidth(width);
    struct Vertex {
        int sx;
        Integer dx;
        int sy;
        Integer dy;
    };
    const std::array<Vertex, 16> polygon{{{-1, h.b, 1, v.c},
                                          {-1, h.a, 1, v.a},
                                          {-1, h.c, 1, v.b},
                                          {0, 0, 1, v.r},
                                          {1, h.c, 1, v.b},
                                          {1, h.a, 1, v.a},
                                          {1, h.b, 1, v.c},
                                          {1, h.r, 0, 0},
                                          {1, h.b, -1, v.c},
                                          {1, h.a, -1, v.a},
                                          {1, h.c, -1, v.b},
                                          {0, 0, -1, v.r},
                                          {-1, h.c, -1, v.b},
                                          {-1, h.a, -1, v.a},
                                          {-1, h.b, -1, v.c},
                                          {-1, h.r, 0, 0}}};
    for (const Vertex& at : polygon) {
        LineToUnclipped(canvas, Shift(x, at.sx, at.dx), Shift(y, at.sy, at.dy), colour);
    }
    if (kind == "\\") {
        PlotPointIfInside(canvas, CheckedSub(x, h.a), CheckedAdd(y, v.a));
        LineToIfInside(p, CheckedAdd(x, h.a), CheckedSub(y, v.a), colour, width);
    }
}

// The box the completing press would zoom to: crossed out when too small, struck through
// when it would leave the canvas control, else outlined.
void DrawZoomOverlay(Program& p) {
    const PlotFrame& f = p.frame;
    const Integer cx = f.CentreX8pint;
    const Integer cy = f.CentreY8pint;
    Integer hw = f.HalfWidth8pint;
    Integer hh = f.HalfHeight8pint;
    const bool tooSmall = hw < kSmallest || hh < kSmallest;
    if (tooSmall) {
        hw = kSmallest;
        hh = kSmallest;
        DrawTooSmallCross(p, cx, cy);
    }
    const Canvas& canvas = p.platform.canvas;
    const Integer left = CheckedSub(cx, hw);
    const Integer right = CheckedAdd(cx, hw);
    const Integer top = CheckedSub(cy, hh);
    const Integer bottom = CheckedAdd(cy, hh);
    const bool outside =
        left < 0 || top < 0 || right > canvas.OuterWidth() || bottom > canvas.OuterHeight();
    const Long red = p.palette.Red8plng;
    if (outside) {
        DrawCircleSymbol(p, cx, cy, kRefusedSize, kRefusedWidth, red, "\\");
        DrawSegment(p, right, bottom, left, top, red, kRefusedWidth);
    } else if (!tooSmall) {
        DrawBox(p, left, right, top, bottom);
    }
}

}  // namespace qelt
