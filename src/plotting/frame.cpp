// The plot frame on the canvas and the world window in feet that the axis labels show.
#include "plotting/frame.h"

#include <optional>
#include <utility>

#include "state/checked.h"

namespace qelt {

namespace {

// a x b + c formed in double from its Single operands and stored once as Single.
Single ProductSum(double a, double b, double c) {
    return static_cast<Single>(a * b + c);
}

// None once the world window's far edge has left the 16-bit range, where repeated zooms take it.
std::optional<Integer> SpanOf(Single world) {
    const std::optional<Integer> span = NearestIfInRange(world);
    return span && *span <= 0 ? Integer{20} : span;
}

Integer ExtentOf(Integer from, Integer to) {
    const Integer extent = CheckedSub(to, from);
    return extent <= 0 ? Integer{20} : extent;
}

// Moves one axis of the world window on: the near edge from the frame's near edge, the far
// edge from its far edge, both at the scale of the old far value over the canvas extent.
// Fails where the span leaves the 16-bit range.
bool MoveAxis(Single& nearWorld, Single& farWorld, Integer frameNear, Integer frameFar,
              Integer canvasExtent) {
    const std::optional<Integer> span = SpanOf(farWorld);
    if (!span) {
        return false;
    }
    const auto scale = static_cast<Single>(static_cast<double>(*span) / canvasExtent);
    nearWorld = ProductSum(frameNear, scale, nearWorld);
    farWorld = ProductSum(frameFar, scale, nearWorld);
    return true;
}

// The whole computation on a copy, so that an overflow anywhere leaves the frame as it was:
// none, or an OverflowError from the frame's own arithmetic.
std::optional<PlotFrame> Computed(PlotFrame f) {
    const Integer frameLeft = CheckedSub(f.CentreX8pint, f.HalfWidth8pint);
    if (frameLeft < 0) {
        f.HalfWidth8pint = CheckedSub(f.CentreX8pint, 5);
    }
    const Integer frameRight = CheckedAdd(f.CentreX8pint, f.HalfWidth8pint);
    if (frameRight > f.CanvasRight8pint) {
        f.HalfWidth8pint = CheckedSub(CheckedSub(f.CanvasRight8pint, f.CentreX8pint), 5);
    }
    const Integer frameBottom = CheckedAdd(f.CentreY8pint, f.HalfHeight8pint);
    if (frameBottom > f.CanvasBottom8pint) {
        f.HalfHeight8pint = CheckedSub(CheckedSub(f.CanvasBottom8pint, f.CentreY8pint), 5);
    }
    const Integer frameTop = CheckedSub(f.CentreY8pint, f.HalfHeight8pint);
    if (frameTop < 0) {
        f.HalfHeight8pint = CheckedSub(f.CentreY8pint, 5);
    }
    if (!MoveAxis(f.WorldLeft8psng, f.WorldRight8psng, frameLeft, frameRight,
                  ExtentOf(f.CanvasLeft8pint, f.CanvasRight8pint)) ||
        !MoveAxis(f.WorldTop8psng, f.WorldBottom8psng, frameTop, frameBottom,
                  ExtentOf(f.CanvasTop8pint, f.CanvasBottom8pint))) {
        return std::nullopt;
    }
    f.UnitFactor8psng = 1.0F;
    f.UnitSuffix8pstr = " ft";
    return f;
}

// Puts the computed frame in place of `frame`, or tells that it overflowed.
bool Attempted(PlotFrame& frame) {
    try {
        std::optional<PlotFrame> computed = Computed(frame);
        if (computed) {
            frame = *std::move(computed);
        }
        return computed.has_value();
    } catch (const OverflowError&) {
        return false;
    }
}

std::string LabelText(const PlotFrame& f, Single world) {
    const auto value = static_cast<Single>(double{f.UnitFactor8psng} * world);
    return FormatLabelNumber(value) + f.UnitSuffix8pstr;
}

}  // namespace

void SetUpPlotFrame(const PlotView& v) {
    PlotFrame& f = v.frame;
    f.WorldLeft8psng = 1954;
    f.WorldBottom8psng = static_cast<Single>(-54.32);
    f.WorldRight8psng = 2017;
    f.WorldTop8psng = static_cast<Single>(12.34);

    const Canvas& canvas = v.canvas;
    const double left = canvas.ScaleLeft();
    const double width = canvas.ScaleWidth();
    const double top = canvas.ScaleTop();
    const double height = canvas.ScaleHeight();
    f.CanvasLeft8pint = Nearest(left);
    f.CanvasRight8pint = Nearest(width + left);
    f.CanvasTop8pint = Nearest(top);
    f.CanvasBottom8pint = Nearest(height + top);

    f.CentreX8pint = Nearest(width / 2 + left);
    f.HalfWidth8pint = Nearest(width / 4);
    f.CentreY8pint = Nearest(height / 2 + top);
    f.HalfHeight8pint = Nearest(height / 4);

    ComputePlotFrame(v);
}

void ComputePlotFrame(const PlotView& v) {
    // Repeated zooms push the world window past the 16-bit span; the last good frame and labels
    // stay, and the user can go on drawing.
    if (!Attempted(v.frame)) {
        return;
    }
    const PlotFrame& next = v.frame;
    const Readouts& r = v.readouts;
    r.left.SetCaption(LabelText(next, next.WorldLeft8psng));
    r.right.SetCaption(LabelText(next, next.WorldRight8psng));
    r.top.SetCaption(LabelText(next, next.WorldTop8psng));
    r.bottom.SetCaption(LabelText(next, next.WorldBottom8psng));
}

}  // namespace qelt
