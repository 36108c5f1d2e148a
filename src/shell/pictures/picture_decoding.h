// A picture's bytes decoded only once they are known to fit the limits, whatever they hold.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <variant>

namespace qelt::shell {

// A picture as decoding gives it, and the reader hands it back.
struct ReadPicture {
    QImage picture;  // 32 bits a pixel, whatever the file held
    QSize size;      // the picture's own size in pixels (for an SVG, the size it states)
};

// The picture in `bytes` (PNG, JPEG, BMP, GIF or SVG, which may be compressed), or why it may
// not or cannot be decoded.
std::variant<ReadPicture, QString> DecodePicture(const QByteArray& bytes);

}  // namespace qelt::shell
