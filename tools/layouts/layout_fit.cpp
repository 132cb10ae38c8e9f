#include "tools/layouts/layout_fit.h"

#include <algorithm>

namespace sorimo {

PixelRect LayoutPixelBounds(const LayoutCells& cells) {
  PixelRect bounds;
  bool any = false;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        if (cells.at(x, y, z) == 0) continue;
        const PixelRect b = TileBox(x, y, z);
        if (!any) {
          bounds = b;
          any = true;
          continue;
        }
        bounds.left = std::min(bounds.left, b.left);
        bounds.top = std::min(bounds.top, b.top);
        bounds.right = std::max(bounds.right, b.right);
        bounds.bottom = std::max(bounds.bottom, b.bottom);
      }
  return bounds;
}

std::vector<Cell> TilesOutsideImage(const LayoutCells& cells, const BoardImage& image) {
  std::vector<Cell> outside;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        if (cells.at(x, y, z) == 0) continue;
        const PixelRect b = TileBox(x, y, z);
        if (b.left < -image.originX || b.top < -image.originY || b.right > image.width - image.originX ||
            b.bottom > image.height - image.originY)
          outside.push_back({x, y, z});
      }
  return outside;
}

CentreOffset LayoutCentreOffset(const LayoutCells& cells, const BoardImage& image) {
  const PixelRect b = LayoutPixelBounds(cells);
  // Doubled coordinates keep the half pixels of odd sizes.
  const int layoutX2 = b.left + b.right, layoutY2 = b.top + b.bottom;
  const int imageX2 = image.width - 2 * image.originX, imageY2 = image.height - 2 * image.originY;
  return {(layoutX2 - imageX2) / 2, (layoutY2 - imageY2) / 2};
}

}  // namespace sorimo
