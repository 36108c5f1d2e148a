// The drawing canvas as a Qt widget.
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
    NoteErased();
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
    drawnOn_ = {};
    stale_ = false;
}

// Once the image is all of one background, what a clear erases is what was drawn on since.
void CanvasWidget::NoteErased() {
    unpainted_ |= stale_ ? image_.rect() : drawnOn_.Rect() & image_.rect();
}

void CanvasWidget::Extent::Take(QPointF a, QPointF b, int bandReach) {
    left = std::min(left, std::min(a.x(), b.x()));
    top = std::min(top, std::min(a.y(), b.y()));
    right = std::max(right, std::max(a.x(), b.x()));
    bottom = std::max(bottom, std::max(a.y(), b.y()));
    reach = std::max(reach, bandReach);
}

QRect CanvasWidget::Extent::Rect() const {
    if (right < left) {
        return {};
    }
    return {QPoint(static_cast<int>(left) - reach, static_cast<int>(top) - reach),
            QPoint(static_cast<int>(right) + reach, static_cast<int>(bottom) + reach)};
}

// The band reaches at most half its width times the square root of 2 beyond its end points.
void CanvasWidget::Mark(QPointF a, QPointF b, int width) {
    // Whole device pixels: truncation moves a bound by less than the one pixel to spare.
    const int reach = width + 1;
    drawnOn_.Take(a, b, reach);
    if (!HasBackground()) {
        return;  // a white clear fills the whole image
    }
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

// Once the event that drew is done, so that a whole repaint is one update.
void CanvasWidget::Changed() {
    if (!updatePending_) {
        updatePending_ = true;
        QMetaObject::invokeMethod(this, &CanvasWidget::Update, Qt::QueuedConnection);
    }
}

// One rectangle around all that changed: Qt paints a repaint's hundred small rectangles one by
// one many times slower than the one around them.
void CanvasWidget::Update() {
    updatePending_ = false;
    unpainted_ |= drawnOn_.Rect() & image_.rect();
    if (!unpainted_.isEmpty()) {
        update(OnWidget(unpainted_));
    }
    unpainted_ = QRect();
}

QRect CanvasWidget::InImage(const QRect& onWidget) const {
    const qreal ratio = image_.devicePixelRatio();
    const QRect r = onWidget.translated(-contentsRect().topLeft());
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toAlignedRect() &
           image_.rect();
}

QRect CanvasWidget::OnWidget(const QRect& inImage) const {
    const qreal ratio = image_.devicePixelRatio();
    return QRectF(QPointF(inImage.topLeft()) / ratio, QSizeF(inImage.size()) / ratio)
        .toAlignedRect()
        .translated(contentsRect().topLeft());
}

// Only what an update asked for, or what was uncovered, is copied to the screen, in whole
// device pixels.
void CanvasWidget::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another scale: what is drawn is kept, scaled, until the next repaint.
    if (const qreal ratio = devicePixelRatioF(); image_.devicePixelRatio() != ratio) {
        image_ = image_.scaled(size_ * ratio);
        image_.setDevicePixelRatio(ratio);
        stale_ = true;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QPointF origin = contentsRect().topLeft();
    const qreal ratio = image_.devicePixelRatio();
    for (const QRect& r : event->region()) {
        const QRect source = InImage(r);
        if (!source.isEmpty()) {
            painter.drawImage(origin + QPointF(source.topLeft()) / ratio, image_, source);
        }
    }
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
