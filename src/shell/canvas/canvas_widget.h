// The drawing canvas as a Qt widget.
#pragma once

#include <QFrame>
#include <QImage>
#include <array>
#include <functional>
#include <limits>

#include "platform/canvas.h"
#include "shell/canvas/drawn_blocks.h"
#include "shell/canvas/pixel_raster.h"

namespace qelt::shell {

// The drawing canvas: a sunken frame around a backing image that holds everything drawn, so
// that an exposure never erases the drawing. Drawing is aliased: every pixel drawn has exactly
// the colour asked for. Dots and lines are written straight into the image, since a repaint
// makes some three hundred such calls; the screen is given only the rectangles they changed.
class CanvasWidget : public QFrame, public Canvas {
    Q_OBJECT
  public:
    // Button (1 left, 2 right, 4 middle; for moves the sum held) and position in pixels, as far
    // off the drawing area as a held button carried the pointer.
    using MouseHandler = std::function<void(int button, QPointF at)>;

    // `outer` is the canvas's place, a frame `frame` pixels wide included.
    CanvasWidget(QWidget* parent, const QRect& outer, int frame);

    MouseHandler onPress;
    MouseHandler onMove;
    MouseHandler onRelease;

    // In device pixels: as many per canvas pixel as the screen's scale. A copy, as the canvas
    // writes straight into its own.
    QImage image() const { return image_.copy(); }

    // A picture that the next clear puts down, fitted and lightened, in place of plain white (a
    // null image: none); it is fitted once per picture and screen scale, not at every clear.
    void SetBackground(const QImage& picture);
    bool HasBackground() const override { return !picture_.isNull(); }

  protected:
    void ClearRaster() override;
    void PlotDot(Single x, Single y, Integer width, Long colour) override;
    void DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width, Long colour) override;
    void DrawSquare(const SquareAt& at, Integer cornerWidth, Integer width, Long dot,
                    Long side) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // How far the dots and lines drawn since the background was last put down reach, in device
    // pixels; noted at every one of them, so kept to a few comparisons.
    struct Extent {
        qreal left = std::numeric_limits<qreal>::max();
        qreal top = std::numeric_limits<qreal>::max();
        qreal right = std::numeric_limits<qreal>::lowest();
        qreal bottom = std::numeric_limits<qreal>::lowest();
        int reach = 0;
        void Take(QPointF a, QPointF b, int reach);
        QRect Rect() const;
    };

    void NewImage();
    void SetImage(QImage image);
    // The background fitted and lightened at the image's scale, or none for plain white.
    const QImage* Background();
    void PutDownBackground();
    // The pen's band from `a` to `b`, in device pixels, noted as drawn on.
    void Fill(QPointF a, QPointF b, Integer width, Long colour);
    // Notes what a clear that puts down the background erases: what was drawn on since the last.
    void NoteErased();
    // The device pixels of the image under a rectangle of the widget, and the other way round.
    QRect InImage(const QRect& onWidget) const;
    QRect OnWidget(const QRect& inImage) const;
    // A canvas pixel's centre, and a pen's width, in device pixels; widths are whole device
    // pixels, so that every line of a width is as thick as every other.
    QPointF Device(QPoint at) const {
        return {(at.x() + 0.5) * ratio_ - 0.5, (at.y() + 0.5) * ratio_ - 0.5};
    }
    int Device(Integer width) const {
        return width >= 0 && width < static_cast<Integer>(deviceWidths_.size())
                   ? deviceWidths_[static_cast<std::size_t>(width)]
                   : DeviceWidth(width);
    }
    int DeviceWidth(Integer width) const;
    bool OnDrawingArea(const QPointF& at) const;
    QPointF Position(const QMouseEvent* event) const;
    void Dispatch(const MouseHandler& handler, int button, QMouseEvent* event);
    // Asks for one update of the screen however many calls draw before it comes.
    void Changed();
    // Asks Qt to paint what changed since the last update.
    void Update();

    QSize size_;  // of the drawing area, in canvas pixels
    QImage image_;
    Raster raster_;                       // image_'s pixels, written straight into
    qreal ratio_ = 1;                     // image_'s device pixels per canvas pixel
    std::array<int, 16> deviceWidths_{};  // the pen widths most used, in device pixels
    QImage picture_;
    QImage background_;      // picture_ fitted and lightened, at image_'s scale; null until needed
    qint64 fittedFrom_ = 0;  // the cache key of the picture background_ was fitted from
    // What was drawn on since the background was last put down, unless all of it is stale: the
    // blocks to put back, and how far they reach.
    DrawnBlocks blocks_;
    Extent drawnOn_;
    bool stale_ = true;
    // What changed since the last update, but what was drawn on since the last clear.
    QRect unpainted_;
    bool updatePending_ = false;
    Qt::MouseButtons heldInside_;
};

}  // namespace qelt::shell
