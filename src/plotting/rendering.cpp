// The full repaint of the drawing: display lists built from the line table, then painted.
#include "plotting/rendering.h"

#include <algorithm>
#include <cstring>

#include "plotting/primitives.h"
#include "state/checked.h"

namespace qelt {

namespace {

constexpr Integer kSegmentWidth = 2;
constexpr Single kSquareSize = 0.5F;
constexpr Integer kSymbolLimit = decltype(DisplayLists::Symbols8pudt)::upper;

// While line search is on, the found line stands out against the others.
Long LineColour(const PlotView& v, Integer line, Long colour) {
    if (!v.lineSearchOn) {
        return colour;
    }
    return line == v.drawing.SelectedLine8pint ? v.palette.NearBlack8plng
                                               : v.palette.LightGrey8plng;
}

// A half extent in pixels of a shape of `size` symbol units.
Integer HalfExtent(Single unit, Single size) {
    return Nearest(double{unit} * size);
}

// The list has room for every point of the pool; past its end the last entry would be
// overwritten, so the latest point would still get its mark. A point's coordinates are whole
// already.
void AddSymbol(DisplayLists& lists, const SymbolRec& symbol) {
    Integer& count = lists.SymbolCount8pint;
    count = std::min<Integer>(count + 1, kSymbolLimit);
    lists.Symbols8pudt[count] = symbol;
}

// A line's segments and a square on each of its points, each point looked up once.
void AddLine(const PlotView& v, Integer line, Long colour, Integer squareWidth) {
    const DrawingState& d = v.drawing;
    DisplayLists& lists = v.lists;
    const LineRec& rec = d.Lines8pudt[line];
    const PointRec* from = nullptr;
    for (Integer position = 1; position <= rec.PtCount; ++position) {
        const PointRec& to = d.Points8pudt[rec.PtIdx[position]];
        if (from != nullptr) {
            lists.Segs8pudt[++lists.SegCount8pint] =
                SegRec{from->X, from->Y, to.X, to.Y, colour, kSegmentWidth, line};
        }
        AddSymbol(lists, {to.X, to.Y, SymbolKind::Square, colour, kSquareSize, squareWidth, line});
        from = &to;
    }
}

// A square's half extents in pixels, the same for every square of a size.
struct SquareHalf {
    Integer x, y;
};

SquareHalf HalfExtents(const DisplayLists& lists, Single size) {
    return {HalfExtent(lists.SymbolUnitX8psng, size), HalfExtent(lists.SymbolUnitY8psng, size)};
}

// A square wholly inside the canvas, drawn as the clipped calls would draw it (the sides' width
// set as LineToIfInside sets it) without testing every corner against the canvas again: most
// squares of a repaint lie inside, and each is six drawing calls.
void DrawSquareInside(const PlotView& v, Integer left, Integer top, Integer right, Integer bottom,
                      Integer x, Integer y, Integer width, Long colour) {
    Canvas& canvas = v.canvas;
    const Integer sides = width != v.lastWidth ? width : canvas.DrawWidth();
    v.lastWidth = width;
    canvas.Square(left, top, right, bottom, x, y, colour, sides);
}

// `bounds` are the canvas's, taken once for all the squares of a repaint.
void DrawSquare(const PlotView& v, const Bounds& bounds, Integer x, Integer y, SquareHalf half,
                Integer width, Long colour) {
    const Integer left = CheckedSub(x, half.x);
    const Integer right = CheckedAdd(x, half.x);
    const Integer top = CheckedSub(y, half.y);
    const Integer bottom = CheckedAdd(y, half.y);
    if (Inside(bounds, left, top) && Inside(bounds, right, bottom)) {
        DrawSquareInside(v, left, top, right, bottom, x, y, width, colour);
    } else {
        DrawRectIfInside(v, bounds, left, top, right, bottom, colour, width);
        PlotPointIfInside(v.canvas, x, y);
    }
}

// A width of 0 is drawn as 1 and written back, so that the entry keeps the width it was
// painted at.
void TakePaintedWidth(SymbolRec& s) {
    if (s.Width == 0) {
        s.Width = 1;
    }
}

void PaintSymbol(const PlotView& v, const Bounds& bounds, SymbolRec& s, SquareHalf squareHalf) {
    TakePaintedWidth(s);
    v.canvas.SetDrawWidth(s.Width);
    if (s.Kind == SymbolKind::Square) {
        DrawSquare(v, bounds, s.X, s.Y, squareHalf, s.Width, s.Color);
    } else {
        DrawCircleSymbol(v, s.X, s.Y, s.Size, s.Width, s.Color, false);
    }
}

// Tells the canvas whose marks follow whenever the line changes, so that a picture can keep
// each line's marks together.
void Announce(const PlotView& v, Integer line, Integer& announced) {
    if (line != announced) {
        announced = line;
        v.canvas.MarksOfLine(line, v.drawing.Lines8pudt[line].Code.view());
    }
}

// Every segment, then every symbol over them.
void PaintLists(const PlotView& v) {
    DisplayLists& lists = v.lists;
    const Bounds bounds = BoundsOf(v.canvas);
    Integer line = 0;
    for (Integer k = 1; k <= lists.SegCount8pint; ++k) {
        const SegRec& s = lists.Segs8pudt[k];
        Announce(v, s.Line, line);
        DrawSegment(v, bounds, s.X1, s.Y1, s.X2, s.Y2, s.Color, s.Width);
    }
    line = 0;
    const SquareHalf squareHalf = HalfExtents(lists, kSquareSize);
    for (Integer k = 1; k <= lists.SymbolCount8pint; ++k) {
        SymbolRec& s = lists.Symbols8pudt[k];
        Announce(v, s.Line, line);
        PaintSymbol(v, bounds, s, s.Size == kSquareSize ? squareHalf : HalfExtents(lists, s.Size));
    }
}

// Over a picture, everything is first drawn a pixel wider on each side in a light halo, so
// that dark and light lines alike stand out from whatever lies under them. All of the halo
// comes before any mark: a halo drawn just under its own mark would cut into the marks before
// it where they meet. The lines are then drawn as they are without a picture.
void PaintHalo(const PlotView& v) {
    const Integer lastWidth = v.lastWidth;
    v.canvas.BeginHalo(v.palette.White8plng);
    PaintLists(v);
    v.canvas.EndHalo();
    v.lastWidth = lastWidth;
}

// The first `count` entries of each, byte for byte; a count below 1 is none, as the loops over
// them take it. Equal bytes are equal entries, for entries without padding: of the lists'
// entries only a size of -0 against one of 0 would differ, and repaint. Entries with padding
// may differ in it alone, which only costs a build.
template <typename T>
bool SameBytes(const T& a, const T& b, Integer count) {
    const auto entries = static_cast<std::size_t>(std::max<Integer>(count, 0));
    return std::memcmp(&*a.begin(), &*b.begin(), entries * sizeof(*a.begin())) == 0;
}
static_assert(sizeof(SegRec) == 4 * sizeof(Integer) + sizeof(Long) + 2 * sizeof(Integer));
static_assert(sizeof(SymbolRec) == 2 * sizeof(Integer) + sizeof(SymbolKind) + sizeof(Long) +
                                       sizeof(Single) + 2 * sizeof(Integer));

bool SameLists(const DisplayLists& a, const DisplayLists& b) {
    return a.SegCount8pint == b.SegCount8pint && a.SymbolCount8pint == b.SymbolCount8pint &&
           a.SymbolUnitX8psng == b.SymbolUnitX8psng && a.SymbolUnitY8psng == b.SymbolUnitY8psng &&
           SameBytes(a.Segs8pudt, b.Segs8pudt, a.SegCount8pint) &&
           SameBytes(a.Symbols8pudt, b.Symbols8pudt, a.SymbolCount8pint);
}

// Everything BuildDisplayList reads and the halo's colour, as the last repaint had them.
bool SameSources(const PlotView& v) {
    const RepaintSources& s = v.shown.sources;
    const DrawingState& d = v.drawing;
    return s.lineCount == d.LineCount8pint && s.selectedLine == d.SelectedLine8pint &&
           s.lineSearchOn == v.lineSearchOn && s.nearBlack == v.palette.NearBlack8plng &&
           s.lightGrey == v.palette.LightGrey8plng && s.white == v.palette.White8plng &&
           SameBytes(s.points, d.Points8pudt, MaxPoints) &&
           SameBytes(s.lines, d.Lines8pudt, d.LineCount8pint);
}

void KeepSources(const PlotView& v) {
    RepaintSources& s = v.shown.sources;
    const DrawingState& d = v.drawing;
    s.lineCount = d.LineCount8pint;
    s.selectedLine = d.SelectedLine8pint;
    s.lineSearchOn = v.lineSearchOn;
    s.nearBlack = v.palette.NearBlack8plng;
    s.lightGrey = v.palette.LightGrey8plng;
    s.white = v.palette.White8plng;
    s.points = d.Points8pudt;
    std::copy_n(d.Lines8pudt.begin(), d.LineCount8pint, s.lines.begin());
}

// Whether a repaint of the lists kept would draw what the canvas shows: the last repaint drew
// on it without the zoom box, nothing has drawn on it, cleared or replaced it since, and the
// widths a repaint would begin with are those that repaint began with.
bool CanvasShowsRepaint(const PlotView& v) {
    const ShownLists& shown = v.shown;
    const Canvas& canvas = v.canvas;
    return shown.canvas == &canvas && !v.zoomBoxShown &&
           shown.rasterChanges == canvas.RasterChanges() &&
           shown.drawWidthBefore == canvas.DrawWidth() && shown.lastWidthBefore == v.lastWidth;
}

// A repaint left out leaves the pen and the widths as the repaint would have left them.
void LeaveAsPainted(const PlotView& v) {
    const ShownLists& shown = v.shown;
    v.canvas.MoveTo(shown.penX, shown.penY);
    v.canvas.SetDrawWidth(shown.drawWidth);
    v.lastWidth = shown.lastWidth;
}

// The lists have room for a square on every point of the pool: only those in use are kept.
void KeepLists(DisplayLists& to, const DisplayLists& from) {
    to.SegCount8pint = from.SegCount8pint;
    to.SymbolCount8pint = from.SymbolCount8pint;
    to.SymbolUnitX8psng = from.SymbolUnitX8psng;
    to.SymbolUnitY8psng = from.SymbolUnitY8psng;
    std::copy_n(from.Segs8pudt.begin(), from.SegCount8pint, to.Segs8pudt.begin());
    std::copy_n(from.Symbols8pudt.begin(), from.SymbolCount8pint, to.Symbols8pudt.begin());
}

void NoteShown(const PlotView& v, Integer drawWidthBefore, Integer lastWidthBefore) {
    const Canvas& canvas = v.canvas;
    ShownLists& shown = v.shown;
    shown.canvas = v.zoomBoxShown ? nullptr : &canvas;
    shown.rasterChanges = canvas.RasterChanges();
    shown.drawWidthBefore = drawWidthBefore;
    shown.lastWidthBefore = lastWidthBefore;
    shown.penX = canvas.CurrentX();
    shown.penY = canvas.CurrentY();
    shown.drawWidth = canvas.DrawWidth();
    shown.lastWidth = v.lastWidth;
}

// Painting writes them back too; written first, the lists compare with those a repaint left.
void TakePaintedWidths(DisplayLists& lists) {
    for (Integer k = 1; k <= lists.SymbolCount8pint; ++k) {
        TakePaintedWidth(lists.Symbols8pudt[k]);
    }
}

}  // namespace

// Half the repaints of a session (moves with nothing carried, presses that change nothing)
// would draw what the canvas shows already, and painting costs some seven times what building
// the lists does; when nothing the lists are built from has changed either, neither is done.
void RedrawAll(const PlotView& v) {
    const bool canvasShows = CanvasShowsRepaint(v);
    if (canvasShows && SameSources(v) && SameLists(v.shown.lists, v.lists)) {
        LeaveAsPainted(v);
        return;
    }
    BuildDisplayList(v);
    TakePaintedWidths(v.lists);
    KeepSources(v);
    if (canvasShows && SameLists(v.shown.lists, v.lists)) {
        LeaveAsPainted(v);
        return;
    }
    KeepLists(v.shown.lists, v.lists);
    const Integer drawWidthBefore = v.canvas.DrawWidth();
    const Integer lastWidthBefore = v.lastWidth;
    PaintCanvas(v);
    NoteShown(v, drawWidthBefore, lastWidthBefore);
}

void BuildDisplayList(const PlotView& v) {
    v.lists.SegCount8pint = 0;
    v.lists.SymbolCount8pint = 0;
    Long colour = 0;
    const Integer lineCount = v.drawing.LineCount8pint;
    const Integer squareWidth = Nearest(kSquareSize);
    for (Integer line = 1; line <= lineCount; ++line) {
        colour = LineColour(v, line, colour);
        AddLine(v, line, colour, squareWidth);
    }
}

void PaintCanvas(const PlotView& v) {
    v.canvas.Cls();
    if (v.canvas.HasBackground()) {
        PaintHalo(v);
    }
    PaintLists(v);
    if (v.zoomBoxShown) {
        DrawZoomOverlay(v);
    }
}

void DrawSymbol(const PlotView& v, SymbolKind kind, Integer x, Integer y, Long colour, Single size,
                Integer& width) {
    SymbolRec symbol{x, y, kind, colour, size, width, NoLine};
    PaintSymbol(v, BoundsOf(v.canvas), symbol, HalfExtents(v.lists, size));
    width = symbol.Width;
}

Integer SquareReach(Single unit) {
    return HalfExtent(unit, kSquareSize);
}

void DrawSquareSymbol(const PlotView& v, Integer x, Integer y, Single size, Integer width,
                      Long colour) {
    DrawSquare(v, BoundsOf(v.canvas), x, y, HalfExtents(v.lists, size), width, colour);
}

}  // namespace qelt
