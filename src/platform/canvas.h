// The drawing canvas: scale rectangle, pen and the drawing calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "state/checked.h"
#include "state/types.h"

namespace qelt {

// The drawing canvas: a scale rectangle in pixels, one pen position shared by every drawing
// call, a pen width and black as the foreground colour. Subclasses only put pixels on a raster.
// The pen's bookkeeping is inline: a repaint makes some four hundred drawing calls.
class Canvas {
  public:
    Canvas(Single width, Single height, Single outerWidth, Single outerHeight)
        : width_(width), height_(height), outerWidth_(outerWidth), outerHeight_(outerHeight) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Single ScaleLeft() const { return 0; }
    Single ScaleTop() const { return 0; }
    Single ScaleWidth() const { return width_; }
    Single ScaleHeight() const { return height_; }
    // The control's outer size, border included.
    Single OuterWidth() const { return outerWidth_; }
    Single OuterHeight() const { return outerHeight_; }

    Integer DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(Integer width) { drawWidth_ = width; }
    Single CurrentX() const { return penX_; }
    Single CurrentY() const { return penY_; }

    // Clears to the background colour and puts the pen at the origin.
    void Cls();
    // A dot of the pen width in the foreground colour, black; the pen moves there.
    void PSet(Single x, Single y) {
        ++rasterChanges_;
        PlotDot(x, y, MarkWidth(), MarkColour(kForeColour));
        MoveTo(x, y);
    }
    // From the pen position to (x, y) in the colour and pen width; the pen moves there.
    void Line(Single x, Single y, Long colour) {
        ++rasterChanges_;
        DrawLine(penX_, penY_, x, y, MarkWidth(), MarkColour(colour));
        MoveTo(x, y);
    }
    // A point's square, as a repaint draws some fifty: a dot at (left, top) at the pen's width,
    // which then becomes `width`; the four sides round from the dot in the colour, and a dot at
    // (x, y), where the pen stays.
    void Square(Single left, Single top, Single right, Single bottom, Single x, Single y,
                Long colour, Integer width) {
        ++rasterChanges_;
        const Integer corner = MarkWidth();
        SetDrawWidth(width);
        DrawSquare({left, top, right, bottom, x, y}, corner, MarkWidth(), MarkColour(kForeColour),
                   MarkColour(colour));
        MoveTo(x, y);
    }
    // The pen moves to (x, y), drawing nothing.
    void MoveTo(Single x, Single y) {
        penX_ = x;
        penY_ = y;
    }

    // Whether a picture lies under the drawing as its background, from which the marks need a
    // halo to stand out.
    virtual bool HasBackground() const { return false; }
    // Until EndHalo every dot and line is drawn in `colour`, a pixel wider on each side; EndHalo
    // puts the pen and its width back where BeginHalo found them.
    void BeginHalo(Long colour);
    void EndHalo();
    // The marks drawn from here on are those of line `line`, whose code is `code`.
    virtual void MarksOfLine(Integer /*line*/, std::string_view /*code*/) {}

    // Grows with every clear and mark and with whatever else changes what the raster holds or
    // what its next clear puts down: a repaint that finds it where the last repaint left it
    // knows that the raster still holds that repaint.
    std::uint64_t RasterChanges() const { return rasterChanges_; }

  protected:
    bool InHalo() const { return halo_.has_value(); }
    // For what the platform changes of its own accord: a raster in place of the old, another
    // background.
    void RasterChanged() { ++rasterChanges_; }
    virtual void ClearRaster() = 0;
    virtual void PlotDot(Single x, Single y, Integer width, Long colour) = 0;
    virtual void DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                          Long colour) = 0;
    struct SquareAt {
        Single left, top, right, bottom, x, y;
    };
    // The corner's dot at `cornerWidth`, the sides and the centre's dot at `width`, the dots in
    // `dot`, the sides in `side`: one call for the six marks of a square, which a raster may put
    // down at once.
    virtual void DrawSquare(const SquareAt& at, Integer cornerWidth, Integer width, Long dot,
                            Long side);

  private:
    // The halo's colour and what BeginHalo found, to put back.
    struct Halo {
        Long colour;
        Integer drawWidth;
        Single penX, penY;
    };

    static constexpr Long kForeColour = 0;  // black, which nothing changes

    Integer MarkWidth() const { return halo_ ? CheckedAdd(drawWidth_, Integer{2}) : drawWidth_; }
    Long MarkColour(Long colour) const { return halo_ ? halo_->colour : colour; }

    Single width_;
    Single height_;
    Single outerWidth_;
    Single outerHeight_;
    Integer drawWidth_ = 1;
    Single penX_ = 0;
    Single penY_ = 0;
    std::optional<Halo> halo_;
    std::uint64_t rasterChanges_ = 0;
};

}  // namespace qelt
