#include "app/window/pixel_scale.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace sorimo {

namespace {

// Rounding that forgives the last bits of a product of doubles: 704 * (4 / 3) * 0.75 must be
// 704, not 704.0000001 rounded up to 705.
constexpr double kSlack = 1e-6;
int Floor(double v) { return int(std::floor(v + kSlack)); }
int Ceil(double v) { return int(std::ceil(v - kSlack)); }

}  // namespace

QSize PixelScale::LogicalSize(QSize pixels) const {
  const double l = logicalPerPixel();
  return {Ceil(pixels.width() * l), Ceil(pixels.height() * l)};
}

QRect PixelScale::LogicalRect(const QRect& pixels) const {
  if (pixels.isEmpty()) return {};
  const double l = logicalPerPixel();
  const int left = Floor(pixels.left() * l), top = Floor(pixels.top() * l);
  const int right = Ceil((pixels.left() + pixels.width()) * l), bottom = Ceil((pixels.top() + pixels.height()) * l);
  return QRect(left, top, right - left, bottom - top);
}

QRect PixelScale::PixelRect(const QRect& logical) const {
  if (logical.isEmpty()) return {};
  const double l = logicalPerPixel();
  const int left = Floor(logical.left() / l), top = Floor(logical.top() / l);
  const int right = Ceil((logical.left() + logical.width()) / l), bottom = Ceil((logical.top() + logical.height()) / l);
  return QRect(left, top, right - left, bottom - top);
}

QPoint PixelScale::PixelAt(QPointF logical) const {
  const double l = logicalPerPixel();
  return {Floor(logical.x() / l), Floor(logical.y() / l)};
}

QPointF PixelScale::LogicalCentre(QPoint pixel) const {
  const double l = logicalPerPixel();
  return {(pixel.x() + 0.5) * l, (pixel.y() + 0.5) * l};
}

PixelScale ChoosePixelScale(double ratio, const std::function<bool(double devicePerPixel)>& fits) {
  if (!(ratio >= 1.5)) return PixelScale(ratio > 0 ? ratio : 1.0, ratio > 0 ? ratio : 1.0);
  for (int k = int(std::lround(ratio)); k >= 2; --k)
    if (fits(k)) return PixelScale(k, ratio);
  if (ratio < 2 && fits(ratio)) return PixelScale(ratio, ratio);
  return PixelScale(1, ratio);
}

void DrawPicture(QPainter& painter, const QImage& picture, const PixelScale& scale, const QRect& dirty) {
  const QRect source = scale.PixelRect(dirty) & picture.rect();
  if (source.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const double l = scale.logicalPerPixel();
  if (l != 1.0) painter.scale(l, l);
  painter.drawImage(source.topLeft(), picture, source);
  painter.restore();
}

}  // namespace sorimo
