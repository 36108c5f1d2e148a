// The canvas's background: a picture fitted to the drawing area and lightened.
#pragma once

#include <QImage>
#include <QSize>

namespace qelt::shell {

// The canvas's background, `size` canvas pixels at `ratio` device pixels each: white, with
// `picture` as large as its aspect ratio allows, centred, and lightened half way to white so that
// the drawing's colours stay readable over it.
QImage FittedBackground(const QImage& picture, QSize size, qreal ratio);

}  // namespace qelt::shell
