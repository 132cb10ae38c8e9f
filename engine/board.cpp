#include "engine/board.h"

namespace sorimo {

int LayoutCells::count() const {
  int n = 0;
  for (const auto& l : layer)
    for (uint8_t c : l) n += c != 0;
  return n;
}

int WhatTileThere(const BoardGrid& grid, int px, int py) {
  int result = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int x = kColumns; x >= 1; --x)
      for (int y = 1; y <= kRows; ++y) {
        const uint8_t v = grid.at(x, y, z);
        if (v == 0) continue;
        const PixelRect b = TileBox(x, y, z);
        if (px >= b.left && px < b.right && py >= b.top && py < b.bottom) result = v;
      }
  return result;
}

Cell WhatAdd(const BoardGrid& grid, int px, int py) {
  Cell result;
  for (int z = 1; z <= kLayers; ++z)
    for (int x = kColumns; x >= 1; --x)
      for (int y = 1; y <= kRows; ++y) {
        if (z > 1) {
          bool below = false;
          for (int dx = -1; dx <= 1 && !below; ++dx)
            for (int dy = -1; dy <= 1 && !below; ++dy) below = grid.at(x + dx, y + dy, z - 1) != 0;
          if (!below) continue;
        }
        const PixelRect b = TileBox(x, y, z);
        if (px >= b.left && px < b.left + 30 && py >= b.top && py < b.top + 35) result = {x, y, z};
      }
  return result;
}

}  // namespace sorimo
