// The full repaint of the drawing: display lists built from the line table, then painted.
#pragma once

#include "plotting/plot_view.h"

namespace qelt {

// BuildDisplayList, then PaintCanvas unless the canvas shows what that would paint already;
// either way the pen and the widths end as the painting leaves them.
void RedrawAll(const PlotView& v);
void BuildDisplayList(const PlotView& v);
// Clears the canvas and draws every segment, every symbol and the zoom box while it is shown;
// over a picture, a light halo under the segments and symbols first.
void PaintCanvas(const PlotView& v);
// Draws one symbol. A width of 0 is drawn as 1 and that width is written back into `width`, so
// that a display-list entry keeps the width it was painted at.
void DrawSymbol(const PlotView& v, SymbolKind kind, Integer x, Integer y, Long colour, Single size,
                Integer& width);
// How far a point's square reaches to either side of the point, in pixels, along an axis of
// `unit` pixels per symbol unit.
Integer SquareReach(Single unit);
void DrawSquareSymbol(const PlotView& v, Integer x, Integer y, Single size, Integer width,
                      Long colour);
// A 16-gon; `struck` adds a stroke through it.
void DrawCircleSymbol(const PlotView& v, Integer x, Integer y, Single size, Integer width,
                      Long colour, bool struck);

// The zoom box: its half extents follow the pointer, which the read-out shows, while the zoom
// step waits for its completing press.
void ShowCursorOffset(const PlotView& v, Integer x, Integer y);
void DrawZoomOverlay(const PlotView& v);

}  // namespace qelt
