#include "app/window/side_panel.h"

#include <QPainter>

namespace sorimo {

void DrawTransparent(QImage& target, int x, int y, const QImage& picture, QRgb transparent) {
  const QImage src = picture.convertToFormat(QImage::Format_RGB32);
  for (int sy = 0; sy < src.height(); ++sy) {
    const int ty = y + sy;
    if (ty < 0 || ty >= target.height()) continue;
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
    QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(ty));
    for (int sx = 0; sx < src.width(); ++sx) {
      const int tx = x + sx;
      if (tx < 0 || tx >= target.width()) continue;
      if ((in[sx] | 0xFF000000) != (transparent | 0xFF000000)) out[tx] = in[sx] | 0xFF000000;
    }
  }
}

SidePanel::SidePanel(QWidget* parent) : QWidget(parent) {
  setObjectName("HofBox");
  // The board image sets the height of the row; the backdrop is 4 pixels taller, and those
  // last rows lie below the window's edge.
  setFixedSize(kWidth, kVisibleHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hofPic_ = QImage(":/hofpic.png").convertToFormat(QImage::Format_RGB32);
  if (hofPic_.isNull()) {
    hofPic_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
    hofPic_.fill(Qt::black);
  }
  saveHof_ = hofPic_.copy();
  shown_ = saveHof_;
  // The image list: for each girl her plain picture, then each mood drawn over it.
  for (int k = 0; k < 4; ++k) {
    const QString base = QString(":/girl%1").arg(k + 1);
    const QImage plain = QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
    girls_[size_t(3 * k)] = plain;
    for (int mood = 1; mood <= 2; ++mood) {
      QImage withMood = plain.copy();
      DrawTransparent(withMood, 0, 0, QImage(base + QString("_mood%1.png").arg(mood)), kGirlTransparent);
      girls_[size_t(3 * k + mood)] = withMood;
    }
  }
}

void SidePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, shown_);
}

}  // namespace sorimo
