#include "plotting/rendering.h"

namespace qelt {

void BuildDisplayList(Program&) {}
void PaintCanvas(Program& p) { p.platform.canvas.Cls(); }
void ShowCursorOffset(Program&) {}

}  // namespace qelt
