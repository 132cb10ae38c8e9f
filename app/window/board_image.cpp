#include "app/window/board_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace sorimo {

BoardImage::BoardImage(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardImage::setPixels(const uint32_t* pixels, int width, int height) {
  // RGB32 ignores the top byte, so the renderer's 0x00RRGGBB words are shown as they are.
  image_ = QImage(reinterpret_cast<const uchar*>(pixels), width, height, width * 4, QImage::Format_RGB32);
  setFixedSize(width, height);
}

void BoardImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (image_.isNull()) {
    p.fillRect(event->rect(), Qt::black);
    return;
  }
  const QRect r = event->rect();
  p.drawImage(r.topLeft(), image_, r);
}

void BoardImage::mouseMoveEvent(QMouseEvent* event) {
  if (onMove) onMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void BoardImage::mouseReleaseEvent(QMouseEvent* event) {
  if (onRelease) onRelease(event->button(), event->position().toPoint().x(), event->position().toPoint().y());
}

}  // namespace sorimo
