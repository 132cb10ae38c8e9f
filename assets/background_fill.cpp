#include "assets/background_fill.h"

#include "view/pixel_transfer.h"

namespace sorimo {

void FillBackground(PixelBuffer& background, const PixelBuffer& picture) {
  const int w = picture.width(), h = picture.height();
  const bool large = w >= background.width() && h >= background.height();
  if (large || w <= 0 || h <= 0) {
    BlockTransfer(background, 0, 0, w, h, picture, 0, 0, RasterOp::Copy);
    return;
  }
  for (int y = 0; y < background.height(); y += h)
    for (int x = 0; x < background.width(); x += w) BlockTransfer(background, x, y, w, h, picture, 0, 0, RasterOp::Copy);
}

}  // namespace sorimo
