// A picture of a drawing as an SVG document in which each line is one group.
#include "shell/pictures/svg_picture.h"

#include <QBuffer>
#include <QFontInfo>
#include <QXmlStreamWriter>

namespace qelt::shell {

namespace {

QString Number(qreal value) {
    return QString::number(value, 'g', 7);
}

QString PathData(const QPainterPath& path) {
    QStringList steps;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element step = path.elementAt(i);
        steps << QString(step.isMoveTo() ? "M" : "L") + Number(step.x) + "," + Number(step.y);
    }
    return steps.join(' ');
}

// A picture inside the document, so that the SVG file is all there is to pass on.
QString EmbeddedPng(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "data:image/png;base64," + QString::fromLatin1(png.toBase64());
}

void Rect(QXmlStreamWriter& svg, const QRectF& r) {
    svg.writeEmptyElement("rect");
    svg.writeAttribute("x", Number(r.x()));
    svg.writeAttribute("y", Number(r.y()));
    svg.writeAttribute("width", Number(r.width()));
    svg.writeAttribute("height", Number(r.height()));
}

void StartGroup(QXmlStreamWriter& svg, const QString& id, const QString& title) {
    svg.writeStartElement("g");
    svg.writeAttribute("id", id);
    svg.writeTextElement("title", title);
}

// A group for the halo and one for each line, holding the line's segments and squares.
void WriteMarks(QXmlStreamWriter& svg, const std::vector<PictureCanvas::Shape>& shapes) {
    const PictureCanvas::Shape* group = nullptr;
    for (const PictureCanvas::Shape& shape : shapes) {
        if (group == nullptr || group->halo != shape.halo || group->line != shape.line) {
            if (group != nullptr) {
                svg.writeEndElement();
            }
            group = &shape;
            if (shape.halo) {
                StartGroup(svg, "halo", "Halo under the lines");
            } else {
                StartGroup(svg, QString("line-%1").arg(shape.line),
                           QString("Line %1, code %2").arg(shape.line).arg(shape.code));
            }
        }
        svg.writeEmptyElement("path");
        svg.writeAttribute("fill", shape.colour.name());
        svg.writeAttribute("d", PathData(shape.outline));
    }
    if (group != nullptr) {
        svg.writeEndElement();
    }
}

// Embedded at its own pixels, stretched over the canvas as on the screen.
void WriteBackdrop(QXmlStreamWriter& svg, const QImage& background, const QRectF& area) {
    StartGroup(svg, "backdrop", "Backdrop");
    svg.writeEmptyElement("image");
    svg.writeAttribute("width", Number(area.width()));
    svg.writeAttribute("height", Number(area.height()));
    svg.writeAttribute("preserveAspectRatio", "none");
    svg.writeAttribute("xlink:href", EmbeddedPng(background));
    svg.writeEndElement();
}

void WriteCanvas(QXmlStreamWriter& svg, const PicturePage& page) {
    const PictureCanvas& canvas = page.canvas();
    const QRectF area(QPointF(), canvas.size());
    svg.writeStartElement("defs");
    svg.writeStartElement("clipPath");
    svg.writeAttribute("id", "canvas-area");
    Rect(svg, area);
    svg.writeEndElement();
    svg.writeEndElement();
    svg.writeStartElement("g");
    svg.writeAttribute("id", "canvas");
    svg.writeAttribute("transform",
                       QString("translate(%1,%2)").arg(page.origin().x()).arg(page.origin().y()));
    if (!canvas.background().isNull()) {
        WriteBackdrop(svg, canvas.background(), area);
    }
    svg.writeStartElement("g");
    svg.writeAttribute("id", "drawing");
    svg.writeAttribute("clip-path", "url(#canvas-area)");
    // Without smoothing, as on the screen, where every pixel has exactly the colour asked for.
    svg.writeAttribute("shape-rendering", "crispEdges");
    WriteMarks(svg, canvas.Shapes());
    svg.writeEndElement();
    Rect(svg, page.frame().translated(-page.origin()));
    svg.writeAttribute("id", "frame");
    svg.writeAttribute("fill", "none");
    svg.writeAttribute("stroke", QColor(Qt::gray).name());
    svg.writeEndElement();
}

void WriteLabels(QXmlStreamWriter& svg, const PicturePage& page) {
    svg.writeStartElement("g");
    svg.writeAttribute("id", "axis-labels");
    svg.writeAttribute("font-family", QFontInfo(page.font()).family() + ", sans-serif");
    svg.writeAttribute("font-size", Number(page.font().pixelSize()));
    svg.writeTextElement("title", "Axis labels");
    for (const PageText& text : page.texts()) {
        svg.writeStartElement("text");
        svg.writeAttribute("text-anchor", text.anchor == Qt::AlignLeft    ? "start"
                                          : text.anchor == Qt::AlignRight ? "end"
                                                                          : "middle");
        svg.writeAttribute("transform", QString("translate(%1,%2)%3")
                                            .arg(Number(text.at.x()), Number(text.at.y()),
                                                 text.upward ? " rotate(-90)" : ""));
        svg.writeCharacters(text.words);
        svg.writeEndElement();
    }
    svg.writeEndElement();
}

}  // namespace

bool WriteSvg(QIODevice& device, const PicturePage& page) {
    QXmlStreamWriter svg(&device);
    svg.setAutoFormatting(true);
    svg.writeStartDocument();
    svg.writeStartElement("svg");
    svg.writeDefaultNamespace("http://www.w3.org/2000/svg");
    svg.writeNamespace("http://www.w3.org/1999/xlink", "xlink");
    svg.writeAttribute("version", "1.1");
    const QSize size = page.size();
    svg.writeAttribute("width", QString::number(size.width()));
    svg.writeAttribute("height", QString::number(size.height()));
    svg.writeAttribute("viewBox", QString("0 0 %1 %2").arg(size.width()).arg(size.height()));
    svg.writeTextElement("title", page.title());
    svg.writeTextElement("desc", "A drawing by qelt-cad");
    Rect(svg, QRectF(QPointF(), size));
    svg.writeAttribute("fill", "#ffffff");
    WriteCanvas(svg, page);
    WriteLabels(svg, page);
    svg.writeEndElement();
    svg.writeEndDocument();
    return !svg.hasError();
}

}  // namespace qelt::shell
