#include "app/dialogs/transparent_image.h"

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

}  // namespace sorimo
