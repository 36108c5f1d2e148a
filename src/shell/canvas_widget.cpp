#include "shell/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/mouse_buttons.h"
#include "shell/pixel_raster.h"

namespace qelt::shell {

namespace {

constexpr int kBorder = 2;

QRgb ToRgb(Long colour) {
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Canvas coordinates are whole pixels.
QPoint Pixel(Single x, Single y) {
    return {qRound(x), qRound(y)};
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent, const QRect& outer)
    : QFrame(parent),
      Canvas(static_cast<Single>(outer.width() - 2 * kBorder),
             static_cast<Single>(outer.height() - 2 * kBorder), static_cast<Single>(outer.width()),
             static_cast<Single>(outer.height())),
      image_(outer.width() - 2 * kBorder, outer.height() - 2 * kBorder, QImage::Format_RGB32) {
    setObjectName("CAD8pic");
    setGeometry(outer);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    image_.fill(Qt::white);
}

void CanvasWidget::ClearRaster() {
    image_.fill(Qt::white);
    Changed();
}

void CanvasWidget::PlotDot(Single x, Single y, Integer width, Long colour) {
    const QPoint at = Pixel(x, y);
    FillBand(image_, at, at, width, ToRgb(colour));
    Changed();
}

void CanvasWidget::DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                            Long colour) {
    FillBand(image_, Pixel(x1, y1), Pixel(x2, y2), width, ToRgb(colour));
    Changed();
}

void CanvasWidget::Changed() {
    if (!paintPending_) {
        paintPending_ = true;
        update();
    }
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    paintPending_ = false;
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void CanvasWidget::Dispatch(const MouseHandler& handler, int button, QMouseEvent* event) {
    if (handler && button >= 0) {
        const QPointF at = event->position() - contentsRect().topLeft();
        handler(button, static_cast<float>(at.x()), static_cast<float>(at.y()));
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    Dispatch(onPress, button == 0 ? -1 : button, event);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    Dispatch(onMove, ButtonCode(event->buttons()), event);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    Dispatch(onRelease, button == 0 ? -1 : button, event);
}

}  // namespace qelt::shell
