// A picture of a drawing laid out: the canvas in a thin frame with its four axis labels.
#pragma once

#include <QFont>
#include <QPainter>

#include "shell/picture_canvas.h"
#include "shell/windowless_program.h"

namespace qelt::shell {

// The canvas with its axis labels where the main window has them: "top" and "bottom" left of
// the canvas at its upper and lower edge, "left" and "right" below it at its two ends. Measured
// in canvas pixels, on a white page.
class PicturePage {
  public:
    PicturePage(const PictureCanvas& canvas, AxisLabels labels, QString title);

    const QString& title() const { return title_; }
    QSize size() const;
    void Paint(QPainter& painter) const;

  private:
    QSizeF CanvasSize() const;

    const PictureCanvas& canvas_;
    AxisLabels labels_;
    QString title_;
    QFont font_;
    qreal side_ = 0;  // the room left of the canvas for its labels
    qreal line_ = 0;  // a label's height
    QPointF origin_;  // of the canvas
};

}  // namespace qelt::shell
