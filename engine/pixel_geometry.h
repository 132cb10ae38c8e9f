// Where a tile is in pixels and which cell a pointer is over: the one home of these
// formulas, for the game's redraw requests, the renderer and the window's pointer.
// Pixels are those of the board buffer, board origin included, unless said otherwise.
#pragma once

#include "engine/board.h"
#include "engine/host.h"

namespace sorimo {

struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Top-left corner of the 40 x 50 face of a tile anchored at 1-based (col, row, layer).
constexpr PixelPoint FaceCorner(int col, int row, int layer, int originX, int originY) {
  return {CoordX(col - 1, layer - 1, originX), CoordY(row - 1, layer - 1, originY)};
}

// The box of the 38 x 38 Clicks picture of cell (C, R); neighbours overlap by 6 pixels.
constexpr int kClicksTileSize = 38;
constexpr PixelRect ClicksTileBox(int c, int r, int originX, int originY) {
  const int left = 32 * (c - 1) + originX - 8, top = 32 * (r - 1) + originY - 16;
  return {left, top, left + kClicksTileSize, top + kClicksTileSize};
}

// What RedrawTile redraws for the tile at its record's cell: the sprite box, or with shadows
// on a box 10 pixels larger on every side, so that the shadows the tile cast on its
// neighbours go or come with it.
DirtyRect RedrawTileRect(const TileRecord& tile, int originX, int originY, bool shadows);
// What HLRedrawTile redraws: the face alone.
DirtyRect HLRedrawTileRect(const TileRecord& tile, int originX, int originY);

// The half-tile column and row under a board-relative point, dividing toward zero, so that
// points down to 19 pixels left of the board still read column 0.
struct BoardCell {
  int column = 0, row = 0;
};
constexpr BoardCell CellAt(int px, int py) { return {px / 20, py / 25}; }

// A pointer position in the visible image made board-relative, and whether it is over the
// board: 0 <= column <= 34 and 0 <= row <= 20.
struct BoardPointer {
  int x = 0, y = 0;
  bool onBoard = false;
};
BoardPointer PointerOnBoard(int pointerX, int pointerY, int originX, int originY);

}  // namespace sorimo
