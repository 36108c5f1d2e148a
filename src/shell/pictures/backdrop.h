// A picture under the drawing to trace over, read from a file.
#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <variant>

namespace qelt::shell {

// A picture read for the backdrop, with what the user is told of it.
struct Backdrop {
    QImage picture;
    QString name;  // the file's name, without its folder
    QSize size;    // the picture's own size in pixels (for an SVG, the size it states)
};

// The picture in the file at `path`, a name as the file system encodes it, or a message that
// names the file and says why it cannot be shown: missing, not a regular file, not a picture,
// damaged, or over one of the limits within which every picture is read (time, memory, and no
// other file than this one).
std::variant<Backdrop, QString> ReadBackdrop(const std::string& path);

}  // namespace qelt::shell
