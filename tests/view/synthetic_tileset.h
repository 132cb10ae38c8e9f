// A tileset made for the tests: every region in a colour of its own, so a pixel of the board
// tells exactly which part of which picture put it there.
#pragma once

#include "view/pixel_buffer.h"

namespace sorimo::testing {

constexpr uint32_t kEdgeColour = Rgb(200, 150, 50);      // the tile's left and bottom edge
constexpr uint32_t kBlankColour = Rgb(240, 240, 220);    // the face of the tile body
constexpr uint32_t kSelectedColour = Rgb(255, 200, 200); // selected face background
constexpr uint32_t kHintColour = Rgb(200, 255, 200);     // hint and pointer face background
constexpr uint32_t kBoardColour = Rgb(0, 100, 120);      // the background picture

// Colour of face f's engraving, a 12 x 14 block at (14, 18) inside the 40 x 50 face.
constexpr uint32_t FaceColour(int face) { return Rgb(4 * face, 60, 255 - 4 * face); }
constexpr int kEngravingLeft = 14, kEngravingTop = 18, kEngravingWidth = 12, kEngravingHeight = 14;
constexpr bool InEngraving(int x, int y) {
  return x >= kEngravingLeft && x < kEngravingLeft + kEngravingWidth && y >= kEngravingTop &&
         y < kEngravingTop + kEngravingHeight;
}

// The sprite's shape: transparent triangles at the top-left and bottom-right corners,
// where the edge bends round, as on a real tile. (x, y) inside the 46 x 56 sprite.
constexpr bool SpriteOpaque(int x, int y) { return x + y >= 6 && (x - 40) + (y - 50) < 6; }

PixelBuffer MakeSyntheticTileset();

}  // namespace sorimo::testing
