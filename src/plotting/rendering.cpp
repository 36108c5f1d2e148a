#include "plotting/rendering.h"

#include "plotting/primitives.h"
#include "state/checked.h"

namespace qelt {

namespace {

constexpr Integer kSegmentWidth = 2;
constexpr Single kSquareSize = 0.5F;
constexpr Integer kSymbolLimit = decltype(DisplayLists::Symbols8pudt)::upper;

// While line search is on, the found line stands out against the others.
Long LineColour(const Program& p, Integer line, Long colour) {
    if (!p.actions.LineSearchOn8pbol) {
        return colour;
    }
    return line == p.drawing.SelectedLine8pint ? p.palette.NearBlack8plng
                                               : p.palette.LightGrey8plng;
}

// A half extent in pixels of a shape of `size` symbol units.
Integer HalfExtent(Single unit, Single size) {
    return Nearest(double{unit} * size);
}

}  // namespace

void BuildDisplayList(Program& p) {
    p.lists.SegCount8pint = 0;
    p.lists.SymbolCount8pint = 0;
    Long colour = 0;
    const Integer lineCount = p.drawing.LineCount8pint;
    for (Integer line = 1; line <= lineCount; ++line) {
        colour = LineColour(p, line, colour);
        AddLineSegments(p, line, colour, kSegmentWidth);
        const Integer points = p.drawing.Lines8pudt[line].PtCount;
        for (Integer position = 1; position <= points; ++position) {
            const PointRec& point = PointOf(p.drawing, line, position);
            AddSymbol(p, point.X, point.Y, "Square", colour, kSquareSize);
        }
    }
}

void AddLineSegments(Program& p, Integer line, Long colour, Integer width) {
    const Integer points = p.drawing.Lines8pudt[line].PtCount;
    for (Integer i = 1; i < points; ++i) {
        const PointRec& from = PointOf(p.drawing, line, i);
        const PointRec& to = PointOf(p.drawing, line, i + 1);
        const Integer k = ++p.lists.SegCount8pint;
        p.lists.Segs8pudt[k] = SegRec{from.X, from.Y, to.X, to.Y, colour, width};
    }
}

// Past the list's end the last entry is overwritten, so the latest point still gets its mark.
void AddSymbol(Program& p, Single x, Single y, const std::string& kind, Long colour, Single size) {
    Integer& count = p.lists.SymbolCount8pint;
    count = std::min<Integer>(count + 1, kSymbolLimit);
    p.lists.Symbols8pudt[count] =
        SymbolRec{Nearest(x), Nearest(y), kind, colour, size, Nearest(size)};
}

void PaintCanvas(Program& p) {
    p.platform.canvas.Cls();
    DisplayLists& lists = p.lists;
    for (Integer k = 1; k <= lists.SegCount8pint; ++k) {
        const SegRec& s = lists.Segs8pudt[k];
        DrawSegment(p, s.X1, s.Y1, s.X2, s.Y2, s.Color, s.Width);
    }
    for (Integer k = 1; k <= lists.SymbolCount8pint; ++k) {
        SymbolRec& s = lists.Symbols8pudt[k];
        DrawSymbol(p, s.Kind, s.X, s.Y, s.Color, s.Size, s.Width);
    }
    if (p.mouse.ZoomBoxDragging8pbol) {
        DrawZoomOverlay(p);
    }
}

void DrawSymbol(Program& p, const std::string& kind, Integer x, Integer y, Long colour, Single size,
                Integer& width) {
    if (width == 0) {
        width = 1;
    }
    p.platform.canvas.SetDrawWidth(width);
    if (kind == "SQUARE" || kind == "Square") {
        DrawSquareSymbol(p, x, y, size, width, colour);
    } else if (kind == "CIRCLE") {
        DrawCircleSymbol(p, x, y, size, width, colour, kind);
    }
}

void DrawSquareSymbol(Program& p, Integer x, Integer y, Single size, Integer width, Long colour) {
    const Integer hx = HalfExtent(p.lists.SymbolUnitX8psng, size);
    const Integer hy = HalfExtent(p.lists.SymbolUnitY8psng, size);
    const Integer left = CheckedSub(x, hx);
    const Integer right = CheckedAdd(x, hx);
    const Integer top = CheckedSub(y, hy);
    const Integer bottom = CheckedAdd(y, hy);
    PlotPointIfInside(p.platform.canvas, left, top);
    LineToIfInside(p, right, top, colour, width);
    LineToIfInside(p, right, bottom, colour, width);
    LineToIfInside(p, left, bottom, colour, width);
    LineToIfInside(p, left, top, colour, width);
    PlotPointIfInside(p.platform.canvas, x, y);
}

}  // namespace qelt
