// The limits every picture is read within, and what reading one has taken of them.
#pragma once

#include <QtGlobal>

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

}  // namespace qelt::shell
