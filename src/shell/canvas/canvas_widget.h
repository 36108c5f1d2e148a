// The drawing canvas as a Qt widget.
#pragma once

#include <QFrame>
#include <QImage>
#include <functional>
#include <vector>

#include "platform/canvas.h"

namespace qelt::shell {

// The drawing canvas: a sunken frame around a backing image that holds everything drawn, so
// that an exposure never erases the drawing. Drawing is aliased: every pixel drawn has exactly
// the colour asked for. Dots and lines are written straight into the image, since a repaint
// makes some three hundred such calls.
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

    // In device pixels: as many per canvas pixel as the screen's scale.
    const QImage& image() const { return image_; }

    // A picture that the next clear puts down, fitted and lightened, in place of plain white (a
    // null image: none); it is fitted once per picture and screen scale, not at every clear.
    void SetBackground(const QImage& picture);
    bool HasBackground() const override { return !picture_.isNull(); }

  protected:
    void ClearRaster() override;
    void PlotDot(Single x, Single y, Integer width, Long colour) override;
    void DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width, Long colour) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void NewImage();
    // The background fitted and lightened at the image's scale, or none for plain white.
    const QImage* Background();
    void PutDownBackground();
    // Notes the device pixels that a band from `a` to `b` of `width` may have drawn on.
    void Mark(QPointF a, QPointF b, int width);
    QPointF Device(QPoint at) const;
    int Device(Integer width) const;
    bool OnDrawingArea(const QPointF& at) const;
    QPointF Position(const QMouseEvent* event) const;
    void Dispatch(const MouseHandler& handler, int button, QMouseEvent* event);
    // Asks for one paint of the widget however many calls draw before it comes.
    void Changed();

    QSize size_;  // of the drawing area, in canvas pixels
    QImage image_;
    QImage picture_;
    QImage background_;      // picture_ fitted and lightened, at image_'s scale; null until needed
    qint64 fittedFrom_ = 0;  // the cache key of the picture background_ was fitted from
    // What was drawn on since the background was last put down, unless all of it is stale.
    std::vector<QRect> marked_;
    bool stale_ = true;
    Qt::MouseButtons heldInside_;
    bool paintPending_ = false;
};

}  // namespace qelt::shell
