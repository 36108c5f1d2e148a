#include "shell/export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <array>
#include <cmath>
#include <iostream>

#include "interaction/open_drawing.h"
#include "program/startup.h"
#include "shell/backdrop.h"
#include "shell/drawing_file.h"
#include "shell/main_window.h"
#include "shell/picture_canvas.h"

namespace qelt::shell {

namespace {

constexpr int kMaxScale = 8;
// The backdrop under a vector picture, in pixels per canvas pixel: sharp when printed large.
constexpr qreal kVectorBackdropRatio = 2;
constexpr qreal kGap = 6;         // around the picture, and between the canvas and its labels
constexpr int kLabelPixels = 12;  // the axis labels' font
constexpr int kDotsPerInch = 96;  // a canvas pixel of an SVG or PDF picture, as on a screen

enum class Format { Png, Svg, Pdf };

// Platform parts that show nothing: the program draws on the picture's canvas and writes its
// captions into these controls, where the picture reads the axis labels from.
class KeptCaption : public Control {
  public:
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

  private:
    std::string caption_;
    bool enabled_ = true;
};

class StoppedClock : public Clock {
  public:
    Single Timer() override { return 0; }
};

class NoFileOutput : public FileOutput {
  public:
    std::optional<std::string> Replace(const std::string&, const std::string&) override {
        return "no data file is written while a picture is made";
    }
};

class NoWindows : public Session {
  public:
    void Show(Form) override {}
    void Alert(const std::string&) override {}
    void End() override {}
};

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

struct AxisLabels {
    QString left, right, top, bottom;
};

// Starts a program on the picture's canvas and opens the drawing in it, as the program does when
// started with FILE, so that the canvas holds what the screen would show; returns the axis
// labels it wrote.
AxisLabels Draw(PictureCanvas& canvas, const DrawingState& drawing, const std::string& name) {
    std::array<KeptCaption, 12> c;
    StoppedClock clock;
    NoFileOutput output;
    NoWindows session;
    Program p(Platform{
        canvas,
        MainControls{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10], c[11]},
        clock, output, session});
    Form_Load(p);
    OpenDrawing(p, drawing, name);
    const Readouts shown = p.plotView().readouts;
    const auto text = [](const Control& label) { return QString::fromStdString(label.Caption()); };
    return {text(shown.left), text(shown.right), text(shown.top), text(shown.bottom)};
}

// The canvas in a thin frame with its axis labels where the main window has them: "top" and
// "bottom" left of the canvas at its upper and lower edge, "left" and "right" below it at its
// two ends. Measured in canvas pixels.
class Page {
  public:
    Page(const PictureCanvas& canvas, AxisLabels labels, QString title)
        : canvas_(canvas), labels_(std::move(labels)), title_(std::move(title)) {
        font_.setPixelSize(kLabelPixels);
        const QFontMetricsF metrics(font_);
        // Whole pixels, so that the canvas's pixels stay on the picture's pixels.
        side_ = std::ceil(std::max(metrics.horizontalAdvance(labels_.top),
                                   metrics.horizontalAdvance(labels_.bottom)));
        line_ = std::ceil(metrics.height());
        origin_ = {kGap + side_ + kGap, kGap};
    }

    const QString& title() const { return title_; }

    QSize size() const {
        const QSizeF canvas = Canvas();
        return QSizeF(origin_.x() + canvas.width() + kGap,
                      origin_.y() + canvas.height() + kGap + line_ + kGap)
            .toSize();
    }

    void Paint(QPainter& painter) const {
        painter.fillRect(QRectF(QPointF(), size()), Qt::white);
        painter.translate(origin_);
        canvas_.Paint(painter);
        const QSizeF canvas = Canvas();
        painter.setPen(QPen(Qt::gray, 1));
        painter.drawRect(QRectF(QPointF(-0.5, -0.5), canvas.grownBy({0.5, 0.5, 0.5, 0.5})));
        painter.setPen(Qt::black);
        painter.setFont(font_);
        const QRectF beside(-kGap - side_, 0, side_, canvas.height());
        painter.drawText(beside, Qt::AlignRight | Qt::AlignTop, labels_.top);
        painter.drawText(beside, Qt::AlignRight | Qt::AlignBottom, labels_.bottom);
        const QRectF below(0, canvas.height() + kGap, canvas.width(), line_);
        painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, labels_.left);
        painter.drawText(below, Qt::AlignRight | Qt::AlignTop, labels_.right);
    }

  private:
    QSizeF Canvas() const { return {canvas_.ScaleWidth(), canvas_.ScaleHeight()}; }

    const PictureCanvas& canvas_;
    AxisLabels labels_;
    QString title_;
    QFont font_;
    qreal side_ = 0;
    qreal line_ = 0;
    QPointF origin_;
};

bool PaintPng(QSaveFile& file, const Page& page, int scale) {
    QImage image(page.size() * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    page.Paint(painter);
    painter.end();
    return image.save(&file, "PNG");
}

bool PaintSvg(QSaveFile& file, const Page& page) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(page.size());
    svg.setViewBox(QRect(QPoint(), page.size()));
    svg.setResolution(kDotsPerInch);
    svg.setTitle(page.title());
    svg.setDescription("A drawing by qelt-cad");
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    page.Paint(painter);
    return painter.end();
}

// One page exactly the picture's size.
bool PaintPdf(QSaveFile& file, const Page& page) {
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
    page.Paint(painter);
    return painter.end();
}

// Through a save file, so that a failed write leaves no part of a picture behind.
int Write(const QString& out, Format format, int scale, const Page& page) {
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

bool ExportAsked(int argc, char* argv[]) {
    const QCoreApplication probe(argc, argv);
    return ParseCommandLine(QCoreApplication::arguments()).exportTo.has_value();
}

}  // namespace

std::optional<int> ExportIfAsked(int argc, char* argv[]) {
    if (!ExportAsked(argc, argv)) {
        return std::nullopt;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const CommandLine command = ParseCommandLine(QCoreApplication::arguments());
    if (!command.error.isEmpty()) {
        return Say(command.error, 2);
    }
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
    PictureCanvas canvas(size, place.size(), background);
    try {
        const AxisLabels labels =
            Draw(canvas, std::get<DrawingState>(read), command.file->toStdString());
        return Write(out, *format, scale, Page(canvas, labels, *command.file));
    } catch (const std::exception& fault) {
        return Say(*command.file + ": cannot be drawn: " + fault.what(), 1);
    }
}

}  // namespace qelt::shell
