// A picture of a drawing laid out: the canvas in a thin frame with its axis labels and titles.
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "shell/pictures/picture_canvas.h"

namespace qelt::shell {

// The texts of the four axis labels.
struct AxisLabels {
    QString left, right, top, bottom;
};

// The window's two axis titles, and where the window has them beside its canvas, in pixels: the
// elevation's middle below the middle of the canvas's left edge, the lateral distance's start
// right of the left end of its bottom edge.
struct AxisTitles {
    QString elevation;
    qreal elevationDrop;
    QString distance;
    qreal distanceIn;
};

// A text on the page, anchored by a point of its baseline: its left end, middle or right end.
struct PageText {
    QString words;
    QPointF at;
    Qt::AlignmentFlag anchor;  // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight
    bool upward;               // turned a quarter anticlockwise about `at`
};

// The canvas with its axis labels where the main window has them: "top" and "bottom" left of
// the canvas at its upper and lower edge, "left" and "right" below it at its two ends; and the
// window's two axis titles, the elevation upwards left of the canvas and the lateral distance
// below it, as far from the canvas along its edges as on the window. Measured in canvas pixels,
// on a white page.
class PicturePage {
  public:
    PicturePage(const PictureCanvas& canvas, const AxisLabels& labels, const AxisTitles& titles,
                QString title);

    const QString& title() const { return title_; }
    QSize size() const;
    const PictureCanvas& canvas() const { return canvas_; }
    QPointF origin() const { return origin_; }  // the canvas's top-left corner
    const QFont& font() const { return font_; }
    const std::vector<PageText>& texts() const { return texts_; }
    // The line through the middle of the canvas's frame, one pixel wide, outside the canvas.
    QRectF frame() const;

    // The whole page; `byLine` fills the marks of each line whole (see PictureCanvas::Shapes)
    // where the screen draws them one by one.
    void Paint(QPainter& painter, bool byLine) const;

  private:
    const PictureCanvas& canvas_;
    QString title_;
    QFont font_;
    QPointF origin_;
    qreal line_ = 0;  // a label's height
    std::vector<PageText> texts_;
};

}  // namespace qelt::shell
