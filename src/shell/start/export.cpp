// Pictures of a drawing written to a file, without a display and without a window.
#include "shell/start/export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <optional>

#include "shell/canvas/background.h"
#include "shell/files/drawing_file.h"
#include "shell/files/export_file.h"
#include "shell/files/file_names.h"
#include "shell/pictures/backdrop.h"
#include "shell/pictures/picture_page.h"
#include "shell/pictures/svg_picture.h"
#include "shell/start/display.h"
#include "shell/start/refusal.h"
#include "shell/start/windowless_program.h"
#include "shell/windows/main_window_design.h"

namespace qelt::shell {

namespace {

// The backdrop under a vector picture, in pixels per canvas pixel: sharp when printed large.
constexpr qreal kVectorBackdropRatio = 2;
constexpr int kDotsPerInch = 96;  // a canvas pixel of an SVG or PDF picture, as on a screen

enum class Format { Png, Svg, Pdf };

std::optional<Format> FormatOf(const std::string& path) {
    const QString name = ShownName(path).toLower();
    if (name.endsWith(".png")) {
        return Format::Png;
    }
    if (name.endsWith(".svg")) {
        return Format::Svg;
    }
    if (name.endsWith(".pdf")) {
        return Format::Pdf;
    }
    return std::nullopt;
}

QRectF InPixels(const QRect& twips) {
    return TwipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The titles keep the window's distances from its canvas along the canvas's edges: the
// elevation a little below the middle of the left edge, the lateral distance some way in from
// the left end of the bottom edge.
AxisTitles WindowTitles() {
    const QRectF window = CanvasPlace();
    return {kElevationCaption, InPixels(kElevationCaptionTwips).center().y() - window.center().y(),
            kDistanceCaption, InPixels(kDistanceCaptionTwips).left() - window.left()};
}

bool PaintPng(QBuffer& file, const PicturePage& page, int scale) {
    QImage image(page.size() * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    page.Paint(painter, false);
    painter.end();
    return image.save(&file, "PNG");
}

bool PaintSvg(QBuffer& file, const PicturePage& page) {
    return WriteSvg(file, page);
}

// One page exactly the picture's size, each line one path.
bool PaintPdf(QBuffer& file, const PicturePage& page) {
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

// Made in memory whole, since the painters' writers say nothing of a failed write, then written
// and synced with every step checked.
int Write(const std::string& out, Format format, int scale, const PicturePage& page) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    const bool painted = format == Format::Png   ? PaintPng(file, page, scale)
                         : format == Format::Svg ? PaintSvg(file, page)
                                                 : PaintPdf(file, page);
    if (!painted) {
        return Refuse(Refusal(out, "cannot be written: the picture could not be made"), 1);
    }
    if (auto why = WriteWhole(out, file.data())) {
        return Refuse(Refusal(out, *why), 1);
    }
    return 0;
}

}  // namespace

int ExportWithoutDisplay(int& argc, char* argv[], const CommandLine& command) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    HoldQtMessagesUnlessAsked();
    const QGuiApplication application(argc, argv);
    return ExportPicture(command);
}

// The name written to is looked at before anything is read: it must not be one of the files read.
int ExportPicture(const CommandLine& command) {
    if (!command.file) {
        return Refuse("--export needs the FILE to draw", 2);
    }
    const std::string& out = *command.exportTo;
    if (out.empty()) {
        return Refuse("OUT is an empty name; give the name of the picture to write", 1);
    }
    const std::optional<Format> format = FormatOf(out);
    if (!format) {
        return Refuse(Refusal(out, "the name must end in .png, .svg or .pdf"), 1);
    }
    std::vector<std::string> inputs{*command.file};
    if (command.backdrop) {
        inputs.push_back(*command.backdrop);
    }
    if (auto why = RefusedPictureFile(out, inputs)) {
        return Refuse(Refusal(out, *why), 1);
    }
    auto read = ReadDrawingFile(*command.file);
    if (const auto* error = std::get_if<QString>(&read)) {
        return Refuse(*error, 2);
    }
    const QRect place = CanvasPlace();
    const QSize size = CanvasDrawingSize();
    QImage background;
    if (command.backdrop) {
        auto picture = ReadBackdrop(*command.backdrop);
        if (const auto* error = std::get_if<QString>(&picture)) {
            return Refuse(*error, 2);
        }
        const qreal ratio = format == Format::Png ? command.scale : kVectorBackdropRatio;
        background = FittedBackground(std::get<Backdrop>(picture).picture, size, ratio);
    }
    // The reader takes only points that every step of drawing them can hold.
    PictureCanvas canvas(size, place.size(), background);
    const AxisLabels labels = DrawOpened(canvas, std::get<DrawingState>(read), *command.file);
    // The file's name alone: a picture in a report names no folder of the user's.
    const QString name = QFileInfo(ShownName(*command.file)).fileName();
    return Write(out, *format, command.scale, PicturePage(canvas, labels, WindowTitles(), name));
}

}  // namespace qelt::shell
