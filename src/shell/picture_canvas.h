// The canvas of a picture of a drawing, painted with a QPainter on an image, an SVG or a PDF.
#pragma once

#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/canvas.h"

namespace qelt::shell {

// Keeps the dots and lines drawn since its last clear, as the screen's canvas keeps their
// pixels, and paints them on request: an SVG or a PDF page cannot take back what a clear erases.
class PictureCanvas : public Canvas {
  public:
    // `background` is drawn over the whole drawing area; a null image stands for white.
    PictureCanvas(QSize size, QSize outer, QImage background);

    // With the painter's origin at the canvas's top-left corner and a unit of one canvas pixel.
    void Paint(QPainter& painter) const;

  protected:
    void ClearRaster() override;
    void PlotDot(Single x, Single y, Integer width, Long colour) override;
    void DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width, Long colour) override;

  private:
    struct Mark {
        QPointF from, to;  // the same point for a dot
        Integer width;
        Long colour;
    };

    QSize size_;
    QImage background_;
    std::vector<Mark> marks_;
};

}  // namespace qelt::shell
