// The canvas of a picture of a drawing, painted with a QPainter on an image, an SVG or a PDF.
#include "shell/pictures/picture_canvas.h"

#include <QLineF>
#include <algorithm>

#include "shell/canvas/colour_and_pixel.h"

namespace qelt::shell {

namespace {

qreal Width(Integer width) {
    return std::max<Integer>(width, 1);
}

// The pen's band through the centres of the canvas pixels, squared off half its width beyond
// both ends; a dot is the pen's square. Every band turns the same way round, so that a filled
// outline of overlapping bands holds no holes.
QPolygonF Band(QPointF from, QPointF to, Integer width) {
    const QPointF centre(0.5, 0.5);
    const QPointF a = from + centre;
    const QPointF b = to + centre;
    const qreal length = QLineF(a, b).length();
    const QPointF along = (length > 0 ? (b - a) / length : QPointF(1, 0)) * Width(width) / 2;
    const QPointF across(-along.y(), along.x());
    return QPolygonF(
        {a - along - across, b + along - across, b + along + across, a - along + across});
}

}  // namespace

PictureCanvas::PictureCanvas(QSize size, QSize outer, QImage background)
    : Canvas(static_cast<Single>(size.width()), static_cast<Single>(size.height()),
             static_cast<Single>(outer.width()), static_cast<Single>(outer.height())),
      size_(size),
      background_(std::move(background)) {}

void PictureCanvas::MarksOfLine(Integer line, std::string_view code) {
    line_ = line;
    codes_[line] = QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())).trimmed();
}

void PictureCanvas::ClearRaster() {
    marks_.clear();
}

void PictureCanvas::PlotDot(Single x, Single y, Integer width, Long colour) {
    marks_.push_back({Pixel(x, y), Pixel(x, y), width, colour, line_, InHalo()});
}

void PictureCanvas::DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                             Long colour) {
    marks_.push_back({Pixel(x1, y1), Pixel(x2, y2), width, colour, line_, InHalo()});
}

void PictureCanvas::PaintBackground(QPainter& painter) const {
    const QRectF area(QPointF(), size_);
    if (background_.isNull()) {
        painter.fillRect(area, Qt::white);
    } else {
        painter.drawImage(area, background_);
    }
}

// Each mark is the pen's band, squared off half its width beyond both ends, through the centres
// of the canvas pixels; a dot is the pen's square. Nothing is blended.
void PictureCanvas::Paint(QPainter& painter) const {
    PaintBackground(painter);
    painter.save();
    painter.setClipRect(QRectF(QPointF(), size_));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(0.5, 0.5);
    for (const Mark& mark : marks_) {
        const qreal width = Width(mark.width);
        if (mark.from == mark.to) {
            const QPointF half(width / 2, width / 2);
            painter.fillRect(QRectF(mark.from - half, mark.from + half), ToColor(mark.colour));
        } else {
            painter.setPen(
                QPen(ToColor(mark.colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawLine(mark.from, mark.to);
        }
    }
    painter.restore();
}

void PictureCanvas::PaintShapes(QPainter& painter) const {
    PaintBackground(painter);
    painter.save();
    painter.setClipRect(QRectF(QPointF(), size_));
    for (const Shape& shape : Shapes()) {
        painter.fillPath(shape.outline, shape.colour);
    }
    painter.restore();
}

// The halo stays under everything, and each line's squares join its segments; in the order the
// marks were drawn otherwise.
std::vector<PictureCanvas::Shape> PictureCanvas::Shapes() const {
    std::vector<Mark> marks = marks_;
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) {
        return std::pair(!a.halo, a.halo ? 0 : a.line) < std::pair(!b.halo, b.halo ? 0 : b.line);
    });
    std::vector<Shape> shapes;
    for (const Mark& mark : marks) {
        const QColor colour = ToColor(mark.colour);
        if (shapes.empty() || shapes.back().halo != mark.halo ||
            (!mark.halo && shapes.back().line != mark.line) || shapes.back().colour != colour) {
            shapes.push_back({mark.halo,
                              mark.halo ? Integer{0} : mark.line,
                              mark.halo ? QString() : codes_.value(mark.line),
                              colour,
                              {}});
            shapes.back().outline.setFillRule(Qt::WindingFill);
        }
        shapes.back().outline.addPolygon(Band(mark.from, mark.to, mark.width));
        shapes.back().outline.closeSubpath();
    }
    return shapes;
}

}  // namespace qelt::shell
