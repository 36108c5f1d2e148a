// The canvas of a picture of a drawing, painted with a QPainter on an image, an SVG or a PDF.
#pragma once

#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "platform/canvas.h"

namespace qelt::shell {

// Keeps the dots and lines drawn since its last clear, as the screen's canvas keeps their
// pixels, and paints them on request: an SVG or a PDF page cannot take back what a clear erases.
class PictureCanvas : public Canvas {
  public:
    // The marks of one line, or of the halo, in one colour: the pen's bands and dots as one
    // outline to fill.
    struct Shape {
        bool halo;
        Integer line;
        QString code;  // the line's code, without the blanks that pad it
        QColor colour;
        QPainterPath outline;
    };

    // `background` is drawn over the whole drawing area; a null image stands for white.
    PictureCanvas(QSize size, QSize outer, QImage background);

    QSize size() const { return size_; }
    const QImage& background() const { return background_; }

    // With the painter's origin at the canvas's top-left corner and a unit of one canvas pixel:
    // the background and every mark in the order drawn, as the screen shows them.
    void Paint(QPainter& painter) const;
    // The same, with every shape filled whole in its turn.
    void PaintShapes(QPainter& painter) const;
    // The halo's marks, then each line's segments and squares, a new shape wherever the colour
    // changes: one shape for the halo and one per line as long as each line is of one colour.
    // Where all lines are of one colour, as in a drawing just opened, their picture is the one
    // the screen shows.
    std::vector<Shape> Shapes() const;

    bool HasBackground() const override { return !background_.isNull(); }
    void MarksOfLine(Integer line, std::string_view code) override;

  protected:
    void ClearRaster() override;
    void PlotDot(Single x, Single y, Integer width, Long colour) override;
    void DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width, Long colour) override;

  private:
    struct Mark {
        QPointF from, to;  // the same point for a dot
        Integer width;
        Long colour;
        Integer line;
        bool halo;
    };

    void PaintBackground(QPainter& painter) const;

    QSize size_;
    QImage background_;
    std::vector<Mark> marks_;
    Integer line_ = 0;
    QMap<Integer, QString> codes_;
};

}  // namespace qelt::shell
