// Whether a layout shows whole on the board image: every tile's box (TileBox, board-relative)
// must lie inside the 704 x 468 image whose board origin is at (36, 25).
#pragma once

#include <vector>

#include "engine/board.h"

namespace sorimo {

struct BoardImage {
  int width = 704, height = 468;  // the picture behind the board
  int originX = 36, originY = 25; // where board pixel (0, 0) lies in it
};

// The union of the boxes of all tiles, board-relative; all zero for an empty layout.
PixelRect LayoutPixelBounds(const LayoutCells& cells);

// Anchors whose box reaches outside the image, in layer, row, column order.
std::vector<Cell> TilesOutsideImage(const LayoutCells& cells, const BoardImage& image = {});

// How far the middle of the layout's pixel bounds lies from the middle of the image, in
// pixels (positive: right of / below the middle).
struct CentreOffset {
  int dx = 0, dy = 0;
};
CentreOffset LayoutCentreOffset(const LayoutCells& cells, const BoardImage& image = {});

}  // namespace sorimo
