#include "platform/canvas.h"

namespace qelt {

void Canvas::Cls() {
    ClearRaster();
    penX_ = 0;
    penY_ = 0;
}

void Canvas::PSet(Single x, Single y) {
    PlotDot(x, y, drawWidth_, ForeColor());
    penX_ = x;
    penY_ = y;
}

void Canvas::Line(Single x, Single y, Long colour) {
    DrawLine(penX_, penY_, x, y, drawWidth_, colour);
    penX_ = x;
    penY_ = y;
}

void Canvas::MoveTo(Single x, Single y) {
    penX_ = x;
    penY_ = y;
}

}  // namespace qelt
