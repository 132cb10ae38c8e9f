#include "app/window/clicks_pictures.h"

#include <QImage>
#include <QString>

namespace sorimo {

std::array<PixelBuffer, 6> ClicksPictures() {
  std::array<PixelBuffer, 6> tiles;
  for (size_t k = 0; k < tiles.size(); ++k) {
    const QImage image = QImage(QString(":/clicks%1.png").arg(k + 1)).convertToFormat(QImage::Format_RGB32);
    PixelBuffer tile(image.width(), image.height());
    // RGB32 words are 0xffRRGGBB; the buffers keep 0x00RRGGBB, so black stays the transparent 0.
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) tile.row(y)[x] = line[x] & 0xFFFFFFu;
    }
    tiles[k] = std::move(tile);
  }
  return tiles;
}

}  // namespace sorimo
