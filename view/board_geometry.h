// Pixel geometry of the board as drawn: the buffer size and sprite boxes. Face corners,
// the Clicks cells, the rectangles of the partial redraws and the pointer's cell are the
// engine's (engine/pixel_geometry.h). All in pixels of the board
// buffer (the visible image `Game`), that is with the board origin already added.
#pragma once

#include "engine/board.h"
#include "engine/host.h"
#include "engine/pixel_geometry.h"

namespace sorimo {

constexpr int kBoardWidth = 704, kBoardHeight = 468;  // background, board buffer and Game

// The 46 x 56 sprite: the face plus the edge on its left and below it.
constexpr PixelRect SpriteBox(int col, int row, int layer, int originX, int originY) {
  const PixelPoint f = FaceCorner(col, row, layer, originX, originY);
  return {f.x - 6, f.y, f.x + kFaceWidth, f.y + kSpriteHeight};
}


}  // namespace sorimo
