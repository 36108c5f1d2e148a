// The drawing canvas: scale rectangle, pen and the drawing calls.
#include "platform/canvas.h"

#include "state/checked.h"

namespace qelt {

namespace {

constexpr Long kForeColour = 0;  // black, which nothing changes

}  // namespace

void Canvas::Cls() {
    ClearRaster();
    penX_ = 0;
    penY_ = 0;
}

void Canvas::PSet(Single x, Single y) {
    PlotDot(x, y, MarkWidth(), MarkColour(kForeColour));
    penX_ = x;
    penY_ = y;
}

void Canvas::Line(Single x, Single y, Long colour) {
    DrawLine(penX_, penY_, x, y, MarkWidth(), MarkColour(colour));
    penX_ = x;
    penY_ = y;
}

void Canvas::MoveTo(Single x, Single y) {
    penX_ = x;
    penY_ = y;
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

Integer Canvas::MarkWidth() const {
    return halo_ ? CheckedAdd(drawWidth_, Integer{2}) : drawWidth_;
}

Long Canvas::MarkColour(Long colour) const {
    return halo_ ? halo_->colour : colour;
}

}  // namespace qelt
