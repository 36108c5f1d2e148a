// What an SVG's text holds and refers to, looked at before Qt's renderer is given it.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <variant>

#include "shell/pictures/picture_decoding.h"

namespace qelt::shell {

// The size the SVG in `text` states, in pixels, when the renderer may be given it: it refers to
// no other file, none of its references leads back to itself, and its elements (each drawing of
// one counted), their nesting and the pictures inside it fit `budget`. Otherwise why not.
// `depth` counts the pictures it lies inside.
std::variant<QSizeF, QString> CheckSvg(const QByteArray& text, int depth, PictureBudget& budget);

}  // namespace qelt::shell
