// The drawing canvas as a Qt widget.
#include "shell/canvas/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "shell/canvas/background.h"
#include "shell/canvas/colour_and_pixel.h"
#include "shell/canvas/mouse_buttons.h"

namespace qelt::shell {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

}  // namespace

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
    QImage image(size_ * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    SetImage(std::move(image));
    PutDownBackground();
}

// Whatever the image holds is stale until the next clear puts all of it down. The scale and the
// pens' widths in device pixels are taken here, once, and not at every mark.
void CanvasWidget::SetImage(QImage image) {
    image_ = std::move(image);
    ratio_ = image_.devicePixelRatio();
    // Written straight through from here on: the image is never shared, so its pixels stay put.
    raster_ = {reinterpret_cast<QRgb*>(image_.bits()),
               image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)), image_.width(),
               image_.height(), &blocks_};
    for (std::size_t width = 0; width < deviceWidths_.size(); ++width) {
        deviceWidths_[width] = DeviceWidth(static_cast<Integer>(width));
    }
    blocks_.Reset(raster_.Pixels());
    stale_ = true;
    RasterChanged();
}

// A picture hidden and given again is not fitted again.
void CanvasWidget::SetBackground(const QImage& picture) {
    if (!picture.isNull() && picture.cacheKey() != fittedFrom_) {
        background_ = QImage();
    }
    picture_ = picture;
    stale_ = true;
    RasterChanged();
}

const QImage* CanvasWidget::Background() {
    if (!HasBackground()) {
        return nullptr;
    }
    if (background_.isNull() || background_.devicePixelRatio() != ratio_) {
        background_ = FittedBackground(picture_, size_, ratio_);
        fittedFrom_ = picture_.cacheKey();
    }
    return &background_;
}

// Only the blocks the last repaint wrote are put back, in white or from the picture: the whole
// image costs more than a repaint's marks, and a repaint is to cost what it draws.
void CanvasWidget::PutDownBackground() {
    NoteErased();
    const QImage* background = Background();
    // Asked of the image once a clear, not at every mark; nothing shares it, so it stays put.
    QRgb* const to = raster_.pixels = reinterpret_cast<QRgb*>(image_.bits());
    if (stale_ || blocks_.Overflowed()) {
        if (background == nullptr) {
            image_.fill(kWhite);
        } else {
            std::memcpy(to, background->constBits(), image_.sizeInBytes());
        }
    } else if (background == nullptr) {
        static constexpr std::array<QRgb, DrawnBlocks::kPixels> kWhiteBlock = [] {
            std::array<QRgb, DrawnBlocks::kPixels> block{};
            block.fill(kWhite);
            return block;
        }();
        for (const std::ptrdiff_t at : blocks_.Blocks()) {
            std::memcpy(to + at, kWhiteBlock.data(), sizeof kWhiteBlock);
        }
    } else {
        const auto* const from = reinterpret_cast<const QRgb*>(background->constBits());
        for (const std::ptrdiff_t at : blocks_.Blocks()) {
            std::memcpy(to + at, from + at, sizeof(QRgb) * DrawnBlocks::kPixels);
        }
    }
    blocks_.Reset(raster_.Pixels());
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

int CanvasWidget::DeviceWidth(Integer width) const {
    return std::max(1, static_cast<int>(std::lround(width * ratio_)));
}

// A band reaches at most half its width times the square root of 2 beyond its end points;
// truncating to whole device pixels moves a bound by less than the one pixel to spare.
void CanvasWidget::Fill(QPointF a, QPointF b, Integer width, Long colour) {
    const int device = Device(width);
    FillBand(raster_, a, b, device, ToRgb(colour));
    drawnOn_.Take(a, b, device + 1);
    Changed();
}

void CanvasWidget::ClearRaster() {
    if (ratio_ != devicePixelRatioF()) {
        NewImage();
    } else {
        PutDownBackground();
    }
    Changed();
}

void CanvasWidget::PlotDot(Single x, Single y, Integer width, Long colour) {
    const QPointF at = Device(Pixel(x, y));
    Fill(at, at, width, colour);
}

void CanvasWidget::DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                            Long colour) {
    Fill(Device(Pixel(x1, y1)), Device(Pixel(x2, y2)), width, colour);
}

// The corners are taken to device pixels once, not once for each side that meets there.
void CanvasWidget::DrawSquare(const SquareAt& at, Integer cornerWidth, Integer width, Long dot,
                              Long side) {
    const QPointF topLeft = Device(Pixel(at.left, at.top));
    const QPointF topRight = Device(Pixel(at.right, at.top));
    const QPointF bottomRight = Device(Pixel(at.right, at.bottom));
    const QPointF bottomLeft = Device(Pixel(at.left, at.bottom));
    const QPointF centre = Device(Pixel(at.x, at.y));
    Fill(topLeft, topLeft, cornerWidth, dot);
    Fill(topLeft, topRight, width, side);
    Fill(topRight, bottomRight, width, side);
    Fill(bottomRight, bottomLeft, width, side);
    Fill(bottomLeft, topLeft, width, side);
    Fill(centre, centre, width, dot);
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
    if (const qreal ratio = devicePixelRatioF(); ratio_ != ratio) {
        QImage scaled = image_.scaled(size_ * ratio);
        scaled.setDevicePixelRatio(ratio);
        SetImage(std::move(scaled));
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
