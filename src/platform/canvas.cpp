// The drawing canvas: scale rectangle, pen and the drawing calls.
#include "platform/canvas.h"

namespace qelt {

void Canvas::Cls() {
    ++rasterChanges_;
    ClearRaster();
    penX_ = 0;
    penY_ = 0;
}

void Canvas::DrawSquare(const SquareAt& at, Integer cornerWidth, Integer width, Long dot,
                        Long side) {
    PlotDot(at.left, at.top, cornerWidth, dot);
    DrawLine(at.left, at.top, at.right, at.top, width, side);
    DrawLine(at.right, at.top, at.right, at.bottom, width, side);
    DrawLine(at.right, at.bottom, at.left, at.bottom, width, side);
    DrawLine(at.left, at.bottom, at.left, at.top, width, side);
    PlotDot(at.x, at.y, width, dot);
}

void Canvas::BeginHalo(Long colour) {
    halo_ = Halo{colour, drawWidth_, penX_, penY_};
}

void Canvas::EndHalo() {
    drawWidth_ = halo_->drawWidth;
    penX_ = halo_->penX;
    penY_ = halo_->penY;
    halo_.reset();
}

}  // namespace qelt
