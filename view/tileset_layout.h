// Where things are in a tileset picture and in the tile texture built from it.
//
// Tileset picture (top-left corners):
//   face picture of cell (c, r)  (41c + 1, 51r + 1)        40 x 50  engraving, black where the tile shows
//   face mask of cell (c, r)     (41c + 1, 51r + 1 + 312)  40 x 50  black where the engraving is drawn
//   tile body                    (0, 256)                  46 x 56  blank tile with its left and bottom edge
//   blank face                   (6, 256)                  40 x 50  face-down and editor tiles
//   selected face background     (52, 256)                 40 x 50
//   hint and pointer background  (98, 256)                 40 x 50
//   tile mask                    (138, 256)                46 x 56  black where the sprite is opaque
//   mask corner                  (178, 306)                 6 x 6   bottom-right corner of the tile mask
// Everything read lies inside the top-left 369 x 567 pixels.
//
// Texture: the finished 46 x 56 sprite of face cell (c, r) at (46c, 56r), its face at
// (46c + 6, 56r); transparent parts are black.
#pragma once

#include "engine/board.h"

namespace sorimo {

constexpr int kTilesetWidth = 800, kTilesetHeight = 600;  // the picture's size before any load
constexpr int kTextureWidth = 800, kTextureHeight = 600;

struct TilesetPoint {
  int x = 0, y = 0;
};

constexpr TilesetPoint kTileBody{0, 256};
constexpr TilesetPoint kBlankFace{6, 256};
constexpr TilesetPoint kSelectedFace{52, 256};
constexpr TilesetPoint kHintFace{98, 256};
constexpr TilesetPoint kTileMask{138, 256};
constexpr TilesetPoint kMaskCorner{178, 306};
constexpr int kFaceMaskOffsetY = 312;
constexpr int kEdge = 6;  // the visible thickness of a tile on its left and bottom

// The cell (c, r) of a face, the same in the tileset picture and in the texture.
struct FaceCell {
  int c = 0, r = 0;
  bool operator==(const FaceCell&) const = default;
};

// Faces 1..42; anything else gives cell (0, 0), so a stray value still reads inside the picture.
constexpr FaceCell FaceCellOf(int face) {
  if (face >= 1 && face <= 9) return {face - 1, 2};     // craks
  if (face >= 10 && face <= 18) return {face - 10, 1};  // bamboos
  if (face >= 19 && face <= 27) return {face - 19, 0};  // dots
  if (face >= 28 && face <= 31) return {face - 28, 4};  // flowers
  if (face >= 32 && face <= 35) return {face - 32, 3};  // seasons
  if (face >= 36 && face <= 38) return {face - 36 + 4, 4};  // dragons
  if (face >= 39 && face <= 42) return {face - 39 + 4, 3};  // winds
  return {0, 0};
}

constexpr TilesetPoint FacePicture(FaceCell f) { return {41 * f.c + 1, 51 * f.r + 1}; }
constexpr TilesetPoint FaceMask(FaceCell f) { return {41 * f.c + 1, 51 * f.r + 1 + kFaceMaskOffsetY}; }
constexpr TilesetPoint TextureSprite(FaceCell f) { return {kSpriteWidth * f.c, kSpriteHeight * f.r}; }

}  // namespace sorimo
