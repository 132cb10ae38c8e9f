// A small vocabulary for drawing layouts in code: single tiles, rows and blocks of tiles side
// by side, centred rectangles, and mirror images about the middle of the board.
//
// Anchors are the layout's own: a tile at (x, y, z) covers columns x..x+1 and rows y..y+1.
// The middle of the board lies between columns 17 and 18 and between rows 10 and 11, so the
// mirror image of an anchor column x is 34 - x and of an anchor row y is 20 - y; a layout
// drawn symmetric about those lines sits centred on the board image.
#pragma once

#include <string>
#include <vector>

#include "engine/board.h"

namespace sorimo::tools {

class DesignBuilder {
 public:
  // One tile. Placing a tile where one is anchored already, or outside 1..34 x 1..20 x 1..5,
  // is recorded as a design error (see errors()).
  DesignBuilder& Tile(int x, int y, int z);
  // cols x rows tiles side by side: anchors x, x + 2, ... and y, y + 2, ...
  DesignBuilder& Block(int x, int y, int z, int cols, int rows);
  DesignBuilder& Row(int x, int y, int z, int cols) { return Block(x, y, z, cols, 1); }
  DesignBuilder& Column(int x, int y, int z, int rows) { return Block(x, y, z, 1, rows); }
  // cols x rows tiles centred on the board, moved by (dx, dy) half tiles.
  DesignBuilder& Centred(int z, int cols, int rows, int dx = 0, int dy = 0);
  // Removes the tile anchored at (x, y, z); a missing one is a design error.
  DesignBuilder& Remove(int x, int y, int z);
  // Adds the mirror image of every tile placed so far (left-right, top-bottom, or both
  // together, a half turn). A tile that is its own image is not placed twice.
  DesignBuilder& MirrorX();
  DesignBuilder& MirrorY();
  DesignBuilder& MirrorXY() { return MirrorX().MirrorY(); }

  const LayoutCells& cells() const { return cells_; }
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  LayoutCells cells_{};
  std::vector<std::string> errors_;
};

}  // namespace sorimo::tools
