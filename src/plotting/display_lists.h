// The drawing as segments and point symbols, the form in which it is painted.
#pragma once

#include <cstdint>

#include "state/drawing.h"

namespace qelt {

enum class SymbolKind { Square, Circle };

struct SymbolRec {
    Integer X = 0;
    Integer Y = 0;
    SymbolKind Kind = SymbolKind::Square;
    Long Color = 0;
    Single Size = 0;
    Integer Width = 0;
    Integer Line = 0;  // the line of the point it marks
    bool operator==(const SymbolRec&) const = default;
};

// The drawing as segments and point symbols, rebuilt from the line table for every repaint.
struct DisplayLists {
    Bounded<SegRec, 1, 102> Segs8pudt;
    Integer SegCount8pint = 0;
    Bounded<SymbolRec, 1, MaxPoints> Symbols8pudt;  // room for a square on every point
    Integer SymbolCount8pint = 0;
    // Symbol size unit in pixels, set once at start-up.
    Single SymbolScale8psng = 0;
    Single SymbolUnitX8psng = 0;
    Single SymbolUnitY8psng = 0;
};

class Canvas;

// What the last repaint was made of besides the canvas, byte for byte: what the lists were
// built from, and the halo's colour.
struct RepaintSources {
    Bounded<PointRec, 1, MaxPoints> points;
    Bounded<LineRec, 1, MaxLines> lines;
    Integer lineCount = 0;
    Integer selectedLine = 0;
    bool lineSearchOn = false;
    Long nearBlack = 0;
    Long lightGrey = 0;
    Long white = 0;
};

// What the canvas shows since the last repaint, so that a repaint that would put every pixel
// back as it stands can be left out: the lists as that repaint left them and what it was made
// of, and the canvas as it found and as it left it.
struct ShownLists {
    const Canvas* canvas = nullptr;  // none: no canvas is known to show them
    std::uint64_t rasterChanges = 0;
    // The widths in force as the repaint began, on which its marks depend (its first dot takes
    // the pen's width); the clear puts the pen at the origin, wherever it stood.
    Integer drawWidthBefore = 0;
    Integer lastWidthBefore = 0;
    // The pen and the widths as the repaint left them.
    Single penX = 0;
    Single penY = 0;
    Integer drawWidth = 0;
    Integer lastWidth = 0;
    DisplayLists lists;
    RepaintSources sources;
};

}  // namespace qelt
