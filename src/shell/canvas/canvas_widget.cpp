#include "shell/canvas/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "shell/canvas/background.h"
#include "shell/canvas/colour_and_pixel.h"
#include "shell/canvas/mouse_buttons.h"
#include "shell/canvas/pixel_raster.h"

namespace qelt::shell {

CanvasWidget::CanvasWidget(QWidget* parent, const QRect& outer, int frame)
    : QFrame(parent),
      Canvas(static_cast<Single>(outer.width() - 2 * frame),
             static_cast<Single>(outer.height() - 2 * frame), static_cast<Single>(outer.width()),
             static_cast<Single>(outer.height())),
      size_(outer.size().shrunkBy({frame, frame, frame, frame})) {
    setObjectName("CAD8pic");
    setGeometry(outer);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(frame);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    NewImage();
}

// The image holds a device pixel for every pixel of the screen, so that lines keep an even
// width on a scaled screen; the drawing itself stays in canvas pixels.
void CanvasWidget::NewImage() {
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(size_ * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    stale_ = true;
    PutDownBackground();
}

// A picture hidden and given again is not fitted again.
void CanvasWidget::SetBackground(const QImage& picture) {
    if (!picture.isNull() && picture.cacheKey() != fittedFrom_) {
        background_ = QImage();
    }
    picture_ = picture;
    stale_ = true;
}

const QImage* CanvasWidget::Background() {
    if (!HasBackground()) {
        return nullptr;
    }
    if (background_.isNull() || background_.devicePixelRatio() != image_.devicePixelRatio()) {
        background_ = FittedBackground(picture_, size_, image_.devicePixelRatio());
        fittedFrom_ = picture_.cacheKey();
    }
    return &background_;
}

// Over a picture only what the last repaint drew on is copied back: copying the whole picture
// costs more than the white fill, and a repaint over it is to cost about what one on white does.
void CanvasWidget::PutDownBackground() {
    const QImage* background = Background();
    if (background == nullptr) {
        image_.fill(Qt::white);
    } else if (stale_) {
        std::memcpy(image_.bits(), background->constBits(), image_.sizeInBytes());
    } else {
        uchar* const to = image_.bits();
        const uchar* const from = background->constBits();
        const qsizetype line = image_.bytesPerLine();
        for (const QRect& r : marked_) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                const qsizetype at = y * line + r.left() * qsizetype{sizeof(QRgb)};
                std::memcpy(to + at, from + at, r.width() * sizeof(QRgb));
            }
        }
    }
    marked_.clear();
    stale_ = false;
}

// The band reaches at most half its width times the square root of 2 beyond its end points.
void CanvasWidget::Mark(QPointF a, QPointF b, int width) {
    if (!HasBackground()) {
        return;  // a white clear fills the whole image
    }
    // Whole device pixels: truncation moves a bound by less than the one pixel to spare.
    const int reach = width + 1;
    const QRect box = QRect(QPoint(static_cast<int>(std::min(a.x(), b.x())) - reach,
                                   static_cast<int>(std::min(a.y(), b.y())) - reach),
                            QPoint(static_cast<int>(std::max(a.x(), b.x())) + reach,
                                   static_cast<int>(std::max(a.y(), b.y())) + reach)) &
                      image_.rect();
    // The sides of a square, and the segments of a line, join into fewer and longer copies.
    const auto area = [](const QRect& r) { return qint64{r.width()} * r.height(); };
    if (!marked_.empty() && area(marked_.back() | box) <= area(marked_.back()) + area(box)) {
        marked_.back() |= box;
    } else {
        marked_.push_back(box);
    }
}

// A canvas pixel's centre, and a pen's width, in device pixels; widths are whole device
// pixels, so that every line of a width is as thick as every other.
QPointF CanvasWidget::Device(QPoint at) const {
    const qreal ratio = image_.devicePixelRatio();
    return {(at.x() + 0.5) * ratio - 0.5, (at.y() + 0.5) * ratio - 0.5};
}

int CanvasWidget::Device(Integer width) const {
    return std::max(1, static_cast<int>(std::lround(width * image_.devicePixelRatio())));
}

void CanvasWidget::ClearRaster() {
    if (image_.devicePixelRatio() != devicePixelRatioF()) {
        NewImage();
    } else {
        PutDownBackground();
    }
    Changed();
}

void CanvasWidget::PlotDot(Single x, Single y, Integer width, Long colour) {
    const QPointF at = Device(Pixel(x, y));
    FillBand(image_, at, at, Device(width), ToRgb(colour));
    Mark(at, at, Device(width));
    Changed();
}

void CanvasWidget::DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                            Long colour) {
    const QPointF from = Device(Pixel(x1, y1));
    const QPointF to = Device(Pixel(x2, y2));
    FillBand(image_, from, to, Device(width), ToRgb(colour));
    Mark(from, to, Device(width));
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
    // Moved to a screen of another scale: what is drawn is kept, scaled, until the next repaint.
    if (const qreal ratio = devicePixelRatioF(); image_.devicePixelRatio() != ratio) {
        image_ = image_.scaled(size_ * ratio);
        image_.setDevicePixelRatio(ratio);
        stale_ = true;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

bool CanvasWidget::OnDrawingArea(const QPointF& at) const {
    return at.x() >= 0 && at.y() >= 0 && at.x() < size_.width() && at.y() < size_.height();
}

QPointF CanvasWidget::Position(const QMouseEvent* event) const {
    return event->position() - contentsRect().topLeft();
}

void CanvasWidget::Dispatch(const MouseHandler& handler, int button, QMouseEvent* event) {
    if (handler) {
        handler(button, Position(event));
    }
}

// A press on the frame is no press on the canvas; a button pressed on the drawing area goes on
// reaching the canvas wherever the pointer goes until it is released.
void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    if (button != 0 && OnDrawingArea(Position(event))) {
        heldInside_ |= event->button();
        Dispatch(onPress, button, event);
    }
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const bool free = event->buttons() == Qt::NoButton && OnDrawingArea(Position(event));
    if (heldInside_ != Qt::NoButton || free) {
        Dispatch(onMove, ButtonCode(event->buttons()), event);
    }
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    if (button != 0 && heldInside_.testFlag(event->button())) {
        heldInside_ &= ~event->button();
        Dispatch(onRelease, button, event);
    }
}

}  // namespace qelt::shell
