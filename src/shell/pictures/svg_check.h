// What an SVG's text holds and refers to, looked at before Qt's renderer is given it.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <variant>

#include "shell/pictures/picture_limits.h"

namespace qelt::shell {

// What a picture found inside an SVG, `depth` pictures deep, takes once decoded, with the pictures
// inside it counted into `budget`; or why it may not be decoded.
using InnerPictureCost = std::variant<qint64, QString> (*)(const QByteArray& bytes, int depth,
                                                           PictureBudget& budget);

// The size the SVG in `text` states, in pixels, when the renderer may be given it: it refers to
// no other file, none of its references leads back to itself, and its elements (each drawing of
// one counted), their nesting and the pictures inside it, as `innerCost` tells them, fit
// `budget`. Otherwise why not. `depth` counts the pictures it lies inside.
std::variant<QSizeF, QString> CheckSvg(const QByteArray& text, int depth, PictureBudget& budget,
                                       InnerPictureCost innerCost);

}  // namespace qelt::shell
