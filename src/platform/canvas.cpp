// The drawing canvas: scale rectangle, pen and the drawing calls.
#include "platform/canvas.h"

namespace qelt {

void Canvas::Cls() {
    ++rasterChanges_;
    ClearRaster();
    penX_ = 0;
    penY_ = 0;
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
