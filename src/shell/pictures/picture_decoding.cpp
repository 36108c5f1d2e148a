// A picture's bytes decoded only once they are known to fit the limits, whatever they hold.
#include "shell/pictures/picture_decoding.h"

#include <zlib.h>

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

#include "shell/pictures/picture_limits.h"
#include "shell/pictures/svg_check.h"

namespace qelt::shell {

namespace {

constexpr qint64 kDecodedLimit = kDecodedLimitMB * kMB;
constexpr qint64 kTextLimit = kPictureFileLimitMB * kMB;
// An SVG has no pixels of its own: it is drawn this large on its longer side, enough for the
// canvas on a screen scaled by 200 %.
constexpr int kSvgLongSide = 2048;
constexpr int kMostNested = 4;

// A picture's bytes as the decoder is given them, and their format.
struct Plain {
    QByteArray data;
    QByteArray format;
};

// The text of a compressed SVG, all of it, within what is left of the budget.
std::variant<QByteArray, QString> Uncompress(const QByteArray& compressed, PictureBudget& budget) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        return QString("damaged: it cannot be uncompressed");
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    QByteArray text;
    int result = Z_OK;
    // A file of several compressed parts is taken whole, as a decoder that reads on would.
    while (result == Z_OK || (result == Z_STREAM_END && stream.avail_in > 0)) {
        if (result == Z_STREAM_END) {
            inflateReset(&stream);
        }
        const qint64 room = kTextLimit - budget.textBytes - text.size();
        if (room <= 0) {
            inflateEnd(&stream);
            return QString("larger than %1 MB once uncompressed").arg(kPictureFileLimitMB);
        }
        const qsizetype start = text.size();
        text.resize(start + std::min(room, kMB));
        stream.next_out = reinterpret_cast<Bytef*>(text.data() + start);
        stream.avail_out = static_cast<uInt>(text.size() - start);
        result = inflate(&stream, Z_NO_FLUSH);
        text.resize(text.size() - stream.avail_out);
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) {
        return QString("damaged: its compressed data %1")
            .arg(result == Z_BUF_ERROR ? "ends early" : "is broken");
    }
    budget.textBytes += text.size();
    return text;
}

QByteArray FormatOf(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer);
}

// The format is told by the bytes, never by the name; other formats Qt reads are not taken.
std::variant<Plain, QString> Plainly(const QByteArray& bytes, PictureBudget& budget) {
    if (bytes.startsWith("\x1f\x8b")) {
        auto text = Uncompress(bytes, budget);
        if (const auto* why = std::get_if<QString>(&text)) {
            return *why;
        }
        if (FormatOf(std::get<QByteArray>(text)) != "svg") {
            return QString(kNotAPicture);
        }
        return Plain{std::get<QByteArray>(std::move(text)), "svg"};
    }
    const QByteArray format = FormatOf(bytes);
    if (format == "svg") {
        budget.textBytes += bytes.size();
        if (budget.textBytes > kTextLimit) {
            return QString("larger than %1 MB of SVG text").arg(kPictureFileLimitMB);
        }
    } else if (format != "png" && format != "jpeg" && format != "bmp" && format != "gif") {
        return QString(kNotAPicture);
    }
    return Plain{bytes, format};
}

// What a raster picture takes once decoded, told by its header: 4 bytes a pixel, 8 at 16 bits
// a channel.
std::variant<qint64, QString> RasterCost(QImageReader& reader) {
    const QSize size = reader.size();
    if (!size.isValid()) {
        return QString("damaged: its size cannot be read");
    }
    const QPixelFormat pixel = QImage::toPixelFormat(reader.imageFormat());
    const int channelBits =
        pixel.channelCount() > 0 ? pixel.bitsPerPixel() / pixel.channelCount() : 8;
    const qint64 bytes =
        qint64{size.width()} * size.height() * std::max(4, pixel.bitsPerPixel() / 8);
    if (bytes > kDecodedLimit) {
        return QString("larger than %1 MB once decoded: %2 × %3 at %4 bits")
            .arg(kDecodedLimitMB)
            .arg(size.width())
            .arg(size.height())
            .arg(channelBits);
    }
    return bytes;
}

std::optional<QString> OverBudget(const PictureBudget& budget) {
    if (budget.decodedBytes > kDecodedLimit) {
        return QString("larger than %1 MB once decoded, with the pictures inside it")
            .arg(kDecodedLimitMB);
    }
    return std::nullopt;
}

// The bytes that decoding a picture found inside an SVG will take, `depth` pictures deep, with
// any pictures inside it counted into `budget`; or why it may not be decoded.
std::variant<qint64, QString> CountInnerPicture(const QByteArray& bytes, int depth,
                                                PictureBudget& budget) {
    if (depth > kMostNested) {
        return QString("pictures inside pictures more than %1 deep").arg(kMostNested);
    }
    auto plain = Plainly(bytes, budget);
    if (const auto* why = std::get_if<QString>(&plain)) {
        return *why;
    }
    auto& [data, format] = std::get<Plain>(plain);
    if (format != "svg") {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format);
        return RasterCost(reader);
    }
    // Decoded whole, at the size it states.
    const auto stated = CheckSvg(data, depth, budget, CountInnerPicture);
    if (const auto* why = std::get_if<QString>(&stated)) {
        return *why;
    }
    const QSizeF size = std::get<QSizeF>(stated);
    return qint64(std::max(0.0, size.width()) * std::max(0.0, size.height()) * 4);
}

}  // namespace

// The picture is read from memory, so that whatever it names is not looked for.
std::variant<ReadPicture, QString> DecodePicture(const QByteArray& bytes) {
    // For any picture whose size the checks could not tell, the renderer's inside an SVG too.
    QImageReader::setAllocationLimit(kDecodedLimitMB);
    PictureBudget budget;
    auto plain = Plainly(bytes, budget);
    if (const auto* why = std::get_if<QString>(&plain)) {
        return *why;
    }
    auto& [data, format] = std::get<Plain>(plain);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);  // a photograph the right way up
    qint64 cost = 0;
    if (format == "svg") {
        const auto checked = CheckSvg(data, 0, budget, CountInnerPicture);
        if (const auto* why = std::get_if<QString>(&checked)) {
            return *why;
        }
        const QSize stated = reader.size();
        if (!stated.isEmpty()) {
            reader.setScaledSize(stated.scaled(kSvgLongSide, kSvgLongSide, Qt::KeepAspectRatio));
            cost = qint64{reader.scaledSize().width()} * reader.scaledSize().height() * 4;
        }
    } else {
        const auto raster = RasterCost(reader);
        if (const auto* why = std::get_if<QString>(&raster)) {
            return *why;
        }
        cost = std::get<qint64>(raster);
    }
    budget.decodedBytes += cost;
    if (auto why = OverBudget(budget)) {
        return *why;
    }
    const QSize size = reader.size();
    QImage picture = reader.read();
    if (picture.isNull()) {
        return "damaged: " + reader.errorString();
    }
    picture.convertTo(QImage::Format_ARGB32_Premultiplied);  // in place where it can be
    const QSize shown = size.isValid() ? size : picture.size();
    return ReadPicture{std::move(picture), shown};
}

}  // namespace qelt::shell
