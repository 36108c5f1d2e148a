// The zoom box drawn over the drawing while "Zoom In Box" is on.
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

void DrawTooSmallCross(const PlotView& v, Integer cx, Integer cy) {
    Canvas& canvas = v.canvas;
    const Long red = v.palette.Red8plng;
    PlotPointIfInside(canvas, CheckedSub(cx, kSmallest), CheckedAdd(cy, kSmallest));
    LineToIfInside(v, CheckedAdd(cx, kSmallest), CheckedSub(cy, kSmallest), red, kCrossWidth);
    PlotPointIfInside(canvas, CheckedAdd(cx, kSmallest), CheckedAdd(cy, kSmallest));
    LineToIfInside(v, CheckedSub(cx, kSmallest), CheckedSub(cy, kSmallest), red, kCrossWidth);
}

}  // namespace

void ShowCursorOffset(const PlotView& v, Integer x, Integer y) {
    PlotFrame& f = v.frame;
    f.HalfWidth8pint = Abs(CheckedSub(f.CentreX8pint, x));
    f.HalfHeight8pint = Abs(CheckedSub(f.CentreY8pint, y));
    v.readouts.zoomHalfWidth.SetCaption(std::to_string(f.HalfWidth8pint));
}

void DrawCircleSymbol(const PlotView& v, Integer x, Integer y, Single size, Integer width,
                      Long colour, bool struck) {
    if (x == NoLine) {
        return;
    }
    const CircleAxis hor = CircleExtents(v.lists.SymbolUnitX8psng, size);
    const CircleAxis ver = CircleExtents(v.lists.SymbolUnitY8psng, size);
    Canvas& canvas = v.canvas;
    PlotPointIfInside(canvas, CheckedSub(x, hor.r), y);
    canvas.SetDrawWidth(width);
    struct Vertex {
        int sx;
        Integer dx;
        int sy;
        Integer dy;
    };
    const std::array<Vertex, 16> polygon{{{-1, hor.b, 1, ver.c},
                                          {-1, hor.a, 1, ver.a},
                                          {-1, hor.c, 1, ver.b},
                                          {0, 0, 1, ver.r},
                                          {1, hor.c, 1, ver.b},
                                          {1, hor.a, 1, ver.a},
                                          {1, hor.b, 1, ver.c},
                                          {1, hor.r, 0, 0},
                                          {1, hor.b, -1, ver.c},
                                          {1, hor.a, -1, ver.a},
                                          {1, hor.c, -1, ver.b},
                                          {0, 0, -1, ver.r},
                                          {-1, hor.c, -1, ver.b},
                                          {-1, hor.a, -1, ver.a},
                                          {-1, hor.b, -1, ver.c},
                                          {-1, hor.r, 0, 0}}};
    for (const Vertex& at : polygon) {
        LineToUnclipped(canvas, Shift(x, at.sx, at.dx), Shift(y, at.sy, at.dy), colour);
    }
    if (struck) {
        PlotPointIfInside(canvas, CheckedSub(x, hor.a), CheckedAdd(y, ver.a));
        LineToIfInside(v, CheckedAdd(x, hor.a), CheckedSub(y, ver.a), colour, width);
    }
}

// The box the completing press would zoom to: crossed out when too small, struck through
// when it would leave the canvas control, else outlined.
void DrawZoomOverlay(const PlotView& v) {
    const PlotFrame& f = v.frame;
    const Integer cx = f.CentreX8pint;
    const Integer cy = f.CentreY8pint;
    Integer hw = f.HalfWidth8pint;
    Integer hh = f.HalfHeight8pint;
    const bool tooSmall = hw < kSmallest || hh < kSmallest;
    if (tooSmall) {
        hw = kSmallest;
        hh = kSmallest;
        DrawTooSmallCross(v, cx, cy);
    }
    const Canvas& canvas = v.canvas;
    const Integer left = CheckedSub(cx, hw);
    const Integer right = CheckedAdd(cx, hw);
    const Integer top = CheckedSub(cy, hh);
    const Integer bottom = CheckedAdd(cy, hh);
    const bool outside =
        left < 0 || top < 0 || right > canvas.OuterWidth() || bottom > canvas.OuterHeight();
    const Long red = v.palette.Red8plng;
    if (outside) {
        DrawCircleSymbol(v, cx, cy, kRefusedSize, kRefusedWidth, red, true);
        DrawSegment(v, right, bottom, left, top, red, kRefusedWidth);
    } else if (!tooSmall) {
        DrawBox(v, left, right, top, bottom);
    }
}

}  // namespace qelt
