#include "shell/export.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <iostream>
#include <optional>

#include "shell/backdrop.h"
#include "shell/drawing_file.h"
#include "shell/main_window.h"
#include "shell/picture_page.h"
#include "shell/svg_picture.h"
#include "shell/windowless_program.h"

namespace qelt::shell {

namespace {

constexpr int kMaxScale = 8;
// The backdrop under a vector picture, in pixels per canvas pixel: sharp when printed large.
constexpr qreal kVectorBackdropRatio = 2;
constexpr int kDotsPerInch = 96;  // a canvas pixel of an SVG or PDF picture, as on a screen

enum class Format { Png, Svg, Pdf };

int Say(const QString& message, int status) {
    std::cerr << "qelt-cad: " << message.toStdString() << '\n';
    return status;
}

std::optional<Format> FormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") {
        return Format::Png;
    }
    if (suffix == "svg") {
        return Format::Svg;
    }
    if (suffix == "pdf") {
        return Format::Pdf;
    }
    return std::nullopt;
}

bool PaintPng(QSaveFile& file, const PicturePage& page, int scale) {
    QImage image(page.size() * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    page.Paint(painter, false);
    painter.end();
    return image.save(&file, "PNG");
}

bool PaintSvg(QSaveFile& file, const PicturePage& page) {
    return WriteSvg(file, page);
}

// One page exactly the picture's size, each line one path.
bool PaintPdf(QSaveFile& file, const PicturePage& page) {
    QPdfWriter pdf(&file);
    pdf.setCreator("qelt-cad");
    pdf.setTitle(page.title());
    pdf.setResolution(kDotsPerInch);
    const QPageSize size(QSizeF(page.size()) / kDotsPerInch, QPageSize::Inch, {},
                         QPageSize::ExactMatch);
    pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, {}));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    page.Paint(painter, true);
    return painter.end();
}

// Through a save file, so that a failed write leaves no part of a picture behind.
int Write(const QString& out, Format format, int scale, const PicturePage& page) {
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly)) {
        return Say(out + ": cannot be written: " + file.errorString(), 1);
    }
    const bool painted = format == Format::Png   ? PaintPng(file, page, scale)
                         : format == Format::Svg ? PaintSvg(file, page)
                                                 : PaintPdf(file, page);
    if (!painted || !file.commit()) {
        return Say(out + ": cannot be written: " + file.errorString(), 1);
    }
    return 0;
}

}  // namespace

int ExportWithoutDisplay(int& argc, char* argv[], const CommandLine& command) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    return ExportPicture(command);
}

int ExportPicture(const CommandLine& command) {
    bool whole = false;
    const int scale = command.scale.toInt(&whole);
    if (!whole || scale < 1 || scale > kMaxScale) {
        return Say(QString("--scale takes a whole number from 1 to %1").arg(kMaxScale), 2);
    }
    if (!command.file) {
        return Say("--export needs the FILE to draw", 2);
    }
    const QString& out = *command.exportTo;
    const std::optional<Format> format = FormatOf(out);
    if (!format) {
        return Say(out + ": the name must end in .png, .svg or .pdf", 1);
    }
    auto read = ReadDrawingFile(*command.file);
    if (const auto* error = std::get_if<QString>(&read)) {
        return Say(*error, 2);
    }
    const QRect place = CanvasPlace();
    const QSize size = CanvasWidget::DrawingSize(place.size());
    QImage background;
    if (command.backdrop) {
        auto picture = ReadBackdrop(*command.backdrop);
        if (const auto* error = std::get_if<QString>(&picture)) {
            return Say(*error, 2);
        }
        const qreal ratio = format == Format::Png ? scale : kVectorBackdropRatio;
        background = BackdropRaster(std::get<Backdrop>(picture).picture, size, ratio);
    }
    // The reader takes only points that every step of drawing them can hold.
    PictureCanvas canvas(size, place.size(), background);
    const AxisLabels labels = DrawOpened(canvas, std::get<DrawingState>(read), *command.file);
    // The file's name alone: a picture in a report names no folder of the user's.
    const QString name = QFileInfo(ShownName(*command.file)).fileName();
    return Write(out, *format, scale, PicturePage(canvas, labels, name));
}

}  // namespace qelt::shell
