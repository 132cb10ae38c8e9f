// Pixel geometry of the board as drawn: face corners, sprite boxes, the rectangles of the
// partial redraws, and the pointer's position on the board. All in pixels of the board
// buffer (the visible image `Game`), that is with the board origin already added.
#pragma once

#include "engine/board.h"
#include "engine/host.h"

namespace sorimo {

constexpr int kBoardWidth = 704, kBoardHeight = 468;  // background, board buffer and Game

struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Top-left corner of the 40 x 50 face of a tile anchored at 1-based (col, row, layer).
constexpr PixelPoint FaceCorner(int col, int row, int layer, int originX, int originY) {
  return {CoordX(col - 1, layer - 1, originX), CoordY(row - 1, layer - 1, originY)};
}

// The 46 x 56 sprite: the face plus the edge on its left and below it.
constexpr PixelRect SpriteBox(int col, int row, int layer, int originX, int originY) {
  const PixelPoint f = FaceCorner(col, row, layer, originX, originY);
  return {f.x - 6, f.y, f.x + kFaceWidth, f.y + kSpriteHeight};
}

// What RedrawTile redraws for the tile at its record's cell: the sprite box, or with shadows
// on a box 10 pixels larger on every side, so that the shadows the tile cast on its
// neighbours go or come with it.
DirtyRect RedrawTileRect(const TileRecord& tile, int originX, int originY, bool shadows);
// What HLRedrawTile redraws: the face alone.
DirtyRect HLRedrawTileRect(const TileRecord& tile, int originX, int originY);

// A pointer position in the visible image made board-relative, and whether it is over the
// board: 0 <= x div 20 <= 34 and 0 <= y div 25 <= 20, dividing toward zero.
struct BoardPointer {
  int x = 0, y = 0;
  bool onBoard = false;
};
BoardPointer PointerOnBoard(int pointerX, int pointerY, int originX, int originY);

// The box of the 38 x 38 Clicks picture of cell (C, R); neighbours overlap by 6 pixels.
constexpr int kClicksTileSize = 38;
constexpr PixelRect ClicksTileBox(int c, int r, int originX, int originY) {
  const int left = 32 * (c - 1) + originX - 8, top = 32 * (r - 1) + originY - 16;
  return {left, top, left + kClicksTileSize, top + kClicksTileSize};
}

}  // namespace sorimo
