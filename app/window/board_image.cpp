#include "app/window/board_image.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace sorimo {

BoardImage::BoardImage(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardImage::setPixels(const uint32_t* pixels, int width, int height) {
  // RGB32 ignores the top byte, so the renderer's 0x00RRGGBB words are shown as they are.
  image_ = QImage(reinterpret_cast<const uchar*>(pixels), width, height, width * 4, QImage::Format_RGB32);
  setFixedSize(scale_.LogicalSize(image_.size()));
}

void BoardImage::setScale(const PixelScale& scale) {
  scale_ = scale;
  setFixedSize(scale_.LogicalSize(image_.size()));
  update();
}

void BoardImage::updatePixels(const QRect& pixels) { update(scale_.LogicalRect(pixels)); }

QPoint BoardImage::pointAt(QPoint pixel) const {
  const QPointF centre = scale_.LogicalCentre(pixel);
  return {int(std::floor(centre.x())), int(std::floor(centre.y()))};
}

void BoardImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (image_.isNull()) {
    p.fillRect(event->rect(), Qt::black);
    return;
  }
  DrawPicture(p, image_, scale_, event->rect());
}

void BoardImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = scale_.PixelAt(event->position());
  if (onMove) onMove(at.x(), at.y());
}

void BoardImage::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (onLeave) onLeave();
}

void BoardImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = scale_.PixelAt(event->position());
  if (onRelease) onRelease(event->button(), at.x(), at.y());
}

}  // namespace sorimo
