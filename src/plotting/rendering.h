#pragma once

#include <string>

#include "program/program.h"

namespace qelt {

void BuildDisplayList(Program& p);
void PaintCanvas(Program& p);
void AddLineSegments(Program& p, Integer line, Long colour, Integer width);
void AddSymbol(Program& p, Single x, Single y, const std::string& kind, Long colour, Single size);
void DrawSymbol(Program& p, const std::string& kind, Integer x, Integer y, Long colour, Single size,
                Integer& width);
void DrawSquareSymbol(Program& p, Integer x, Integer y, Single size, Integer width, Long colour);

// The zoom box shown while the zoom step waits for its completing press.
void ShowCursorOffset(Program& p);
void DrawCircleSymbol(Program& p, Integer x, Integer y, Single size, Integer width, Long colour,
                      const std::string& kind);
void DrawZoomOverlay(Program& p);

}  // namespace qelt
