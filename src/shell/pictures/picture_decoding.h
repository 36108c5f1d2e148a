// A picture's bytes decoded only once they are known to fit the limits, whatever they hold.
#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

#include "shell/pictures/picture_reader.h"

namespace qelt::shell {

inline constexpr qint64 kMB = 1 << 20;
inline constexpr int kDecodedLimitMB = 256;
inline constexpr int kPictureFileLimitMB = 64;
inline constexpr const char* kNotAPicture =
    "not a picture this program can read (PNG, JPEG, BMP, GIF or SVG)";

// What reading one picture has taken so far, with every picture inside it counted.
struct PictureBudget {
    qint64 decodedBytes = 0;  // pixels of every picture decoded, 4 or 8 bytes each
    qint64 textBytes = 0;     // SVG text, once uncompressed
    qint64 elements = 0;      // SVG elements and references, each drawing of one counted
};

// The picture in `bytes` (PNG, JPEG, BMP, GIF or SVG, which may be compressed), or why it may
// not or cannot be decoded.
std::variant<ReadPicture, QString> DecodePicture(const QByteArray& bytes);

// The bytes that decoding a picture found inside an SVG will take, `depth` pictures deep, with
// any pictures inside it counted into `budget`; or why it may not be decoded.
std::variant<qint64, QString> CountInnerPicture(const QByteArray& bytes, int depth,
                                                PictureBudget& budget);

}  // namespace qelt::shell
