// A picture of a drawing as an SVG document in which each line is one group.
#pragma once

#include <QIODevice>

#include "shell/pictures/picture_page.h"

namespace qelt::shell {

// Writes `page` to `device` as an SVG document: the page, then the canvas with its backdrop,
// the halo and each line, each a group of its own, its frame, and the axis labels in a group
// of their own. Returns whether all of it was written.
bool WriteSvg(QIODevice& device, const PicturePage& page);

}  // namespace qelt::shell
