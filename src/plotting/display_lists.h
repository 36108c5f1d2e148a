// The drawing as segments and point symbols, the form in which it is painted.
#pragma once

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

}  // namespace qelt
