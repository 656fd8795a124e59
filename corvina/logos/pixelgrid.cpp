#include "corvina/logos/pixelgrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvina {

namespace {

const QColor kOutside(165, 172, 167);
const QColor kGridLine(215, 215, 215);
constexpr int kGridFromZoom = 5;

}  // namespace

PixelGrid::PixelGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("raster"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void PixelGrid::setPicture(const QImage& picture) {
    const bool resized = picture.size() != picture_.size();
    picture_ = picture;
    if (resized) {
        updateGeometry();
        resize(sizeHint());
    }
    update();
}

void PixelGrid::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateGeometry();
    resize(sizeHint());
    update();
}

QSize PixelGrid::sizeHint() const {
    return picture_.size() * zoom_ + QSize(1, 1);
}

QPoint PixelGrid::pixelAt(QPoint position) const {
    const auto cell = [this](int value) {
        return value < 0 ? -1 - (-value - 1) / zoom_ : value / zoom_;
    };
    return {cell(position.x()), cell(position.y())};
}

void PixelGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kOutside);
    if (picture_.isNull()) return;
    const QRect area(QPoint(0, 0), picture_.size() * zoom_);
    painter.drawImage(area, picture_);
    if (zoom_ < kGridFromZoom) return;
    painter.setPen(kGridLine);
    const QRect visible = event->rect() & area;
    for (int x = visible.left() / zoom_; x <= picture_.width(); ++x) {
        if (x * zoom_ > visible.right() + 1) break;
        painter.drawLine(x * zoom_, area.top(), x * zoom_, area.bottom());
    }
    for (int y = visible.top() / zoom_; y <= picture_.height(); ++y) {
        if (y * zoom_ > visible.bottom() + 1) break;
        painter.drawLine(area.left(), y * zoom_, area.right(), y * zoom_);
    }
}

void PixelGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    dragging_ = true;
    emit pressed(pixelAt(event->position().toPoint()), event->button() == Qt::LeftButton);
}

void PixelGrid::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) emit moved(pixelAt(event->position().toPoint()));
}

void PixelGrid::mouseReleaseEvent(QMouseEvent*) {
    if (!dragging_) return;
    dragging_ = false;
    emit released();
}

}  // namespace corvina
