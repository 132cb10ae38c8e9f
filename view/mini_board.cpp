#include "view/mini_board.h"

#include <algorithm>
#include <cstdint>

namespace sorimo {

PixelBuffer ScaledDown(const PixelBuffer& picture, int width, int height) {
  PixelBuffer out(width, height);
  if (picture.empty() || out.empty()) return out;
  for (int y = 0; y < height; ++y) {
    const int top = y * picture.height() / height;
    const int bottom = std::max(top + 1, (y + 1) * picture.height() / height);
    for (int x = 0; x < width; ++x) {
      const int left = x * picture.width() / width;
      const int right = std::max(left + 1, (x + 1) * picture.width() / width);
      uint32_t r = 0, g = 0, b = 0;
      for (int sy = top; sy < bottom; ++sy) {
        const uint32_t* row = picture.row(sy);
        for (int sx = left; sx < right; ++sx) {
          r += (row[sx] >> 16) & 0xFF;
          g += (row[sx] >> 8) & 0xFF;
          b += row[sx] & 0xFF;
        }
      }
      const uint32_t n = uint32_t((bottom - top) * (right - left));
      out.setPixel(x, y, ((r / n) << 16) | ((g / n) << 8) | (b / n));
    }
  }
  return out;
}

void MinusRedraw(const LayoutCells& cells, const PixelBuffer& scaledBackground, const PixelBuffer& miniTile,
                 PixelBuffer& out) {
  out = scaledBackground;
  if (out.width() != kMiniBoardWidth || out.height() != kMiniBoardHeight) out = PixelBuffer(kMiniBoardWidth, kMiniBoardHeight);
  for (int l = 0; l < kLayers; ++l)
    for (int c = kColumns - 1; c >= 0; --c)
      for (int r = 0; r < kRows; ++r) {
        const uint8_t v = cells.layer[size_t(l)][size_t(r * kColumns + c)];
        if (v < 1 || v > 154) continue;
        const int left = 14 + 5 * c + 3 * l, top = 8 + 6 * r - 3 * l;
        for (int y = 0; y < miniTile.height(); ++y)
          for (int x = 0; x < miniTile.width(); ++x)
            if (const uint32_t p = miniTile.pixel(x, y); p != kBlack) out.setPixel(left + x, top + y, p);
      }
}

}  // namespace sorimo
