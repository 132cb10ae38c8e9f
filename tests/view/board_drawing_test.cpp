// Drawing tiles: placement, transparency, back-to-front order, the notched edge, what is
// never drawn, and a tileset too small for its layout.
#include <gtest/gtest.h>

#include "renderer_fixture.h"
#include "view/tileset_layout.h"

namespace sorimo {
namespace {

using namespace sorimo::testing;

// The colour of pixel (x, y) of a plain sprite of `face`, or `under` where it is transparent.
uint32_t SpritePixel(int face, int x, int y, uint32_t under) {
  if (!SpriteOpaque(x, y)) return under;
  if (x < 6 || y >= 50) return kEdgeColour;
  return InEngraving(x - 6, y) ? FaceColour(face) : kBlankColour;
}

TEST_F(RendererTest, OneTileIsDrawnInItsSpriteBoxAndNowhereElse) {
  Put(10, 6, 2, 37);  // face 10
  renderer.FullRedraw(scene);
  const PixelRect box = SpriteBox(10, 6, 2, scene.originX, scene.originY);
  EXPECT_EQ(box, (PixelRect{20 * 10 + 12 - 52 + 36, 25 * 6 - 12 - 59 + 25, 20 * 10 + 12 - 52 + 36 + 46,
                            25 * 6 - 12 - 59 + 25 + 56}));
  for (int y = 0; y < kBoardHeight; ++y)
    for (int x = 0; x < kBoardWidth; ++x) {
      const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      const uint32_t expected = inside ? SpritePixel(10, x - box.left, y - box.top, kBoardColour) : kBoardColour;
      ASSERT_EQ(At(x, y), expected) << x << "," << y;
    }
}

TEST_F(RendererTest, TilesAreDrawnBackToFront) {
  // Layer 2 over layer 1.
  Put(10, 10, 1, 1);
  Put(10, 10, 2, 5);
  // Within a layer the smaller column covers the edge of the larger one...
  Put(20, 4, 1, 9);
  Put(22, 4, 1, 13);
  // ...and the lower row covers the bottom edge of the upper one.
  Put(26, 14, 1, 17);
  Put(26, 16, 1, 21);
  renderer.FullRedraw(scene);
  EXPECT_EQ(AtFace(10, 10, 2, 2, 2), kBlankColour);
  EXPECT_EQ(AtFace(10, 10, 2, 20, 25), FaceColour(2));
  EXPECT_EQ(AtFace(10, 10, 1, 0, 53), kEdgeColour);  // the lower tile's edge shows below-left
  // Column 22's left edge lies under column 20's face.
  EXPECT_EQ(AtFace(22, 4, 1, -3, 20), kBlankColour);
  EXPECT_EQ(AtFace(22, 4, 1, 5, 20), kBlankColour);
  // Row 14's bottom edge lies under row 16's face.
  EXPECT_EQ(AtFace(26, 14, 1, 10, 52), kBlankColour);
  EXPECT_EQ(AtFace(26, 16, 1, 10, 52), kEdgeColour);
}

TEST_F(RendererTest, BottomEdgeIsNotchedOnlyWhenALowerRightNeighbourIsThere) {
  Put(10, 6, 1, 1);
  renderer.FullRedraw(scene);
  // Alone: the whole edge, up to the corner.
  EXPECT_EQ(AtFace(10, 6, 1, 30, 53), kEdgeColour);
  EXPECT_EQ(AtFace(10, 6, 1, 10, 53), kEdgeColour);

  Put(11, 8, 1, 5);  // half a tile right, one tile down
  renderer.FullRedraw(scene);
  // The neighbour's face shows where the full edge would have covered it (sprite pixels
  // of the neighbour, whose box starts at fx + 14, fy + 50)...
  for (int x = 21; x < 40; ++x)
    for (int y = 50; y < 56; ++y)
      ASSERT_EQ(AtFace(10, 6, 1, x, y), SpritePixel(2, x - 14, y - 50, kBoardColour)) << x << "," << y;
  EXPECT_EQ(AtFace(10, 6, 1, 30, 53), kBlankColour);
  // ...the left part of the edge is drawn as before, and the sprite's bottom-right corner
  // closes it at fx + 15..fx + 20, its transparent triangle letting the neighbour through.
  EXPECT_EQ(AtFace(10, 6, 1, 10, 53), kEdgeColour);
  EXPECT_EQ(AtFace(10, 6, 1, 15, 50), kEdgeColour);
  EXPECT_EQ(AtFace(10, 6, 1, 17, 52), kEdgeColour);
  EXPECT_EQ(AtFace(10, 6, 1, 20, 55), kBlankColour);

  // A neighbour one row higher, or one column further, leaves the edge whole.
  grid.set(11, 8, 1, 0);
  Put(11, 7, 1, 9);
  renderer.FullRedraw(scene);
  EXPECT_EQ(AtFace(10, 6, 1, 25, 53), kEdgeColour);
  grid.set(11, 7, 1, 0);
  Put(12, 8, 1, 9);
  renderer.FullRedraw(scene);
  EXPECT_EQ(AtFace(10, 6, 1, 25, 53), kEdgeColour);
}

TEST_F(RendererTest, EmptyCellsAndUndealtPositionsAreNeverDrawn) {
  for (int x = 1; x <= kColumns; x += 3)
    for (int y = 1; y <= kRows; y += 2) Put(x, y, 1 + (x + y) % kLayers, SlotMarker);
  Put(5, 5, 1, 255);
  renderer.FullRedraw(scene);
  EXPECT_EQ(renderer.boardPicture(), PixelBuffer(kBoardWidth, kBoardHeight, kBoardColour));
  // Nor does an undealt position notch the edge of its neighbour.
  Put(10, 6, 1, 1);
  Put(11, 8, 1, SlotMarker);
  renderer.FullRedraw(scene);
  EXPECT_EQ(AtFace(10, 6, 1, 30, 53), kEdgeColour);
}

TEST_F(RendererTest, TilesetSmallerThanItsLayoutIsNeverReadPastItsEdge) {
  // Under AddressSanitizer any read outside the 20 x 20 picture would stop the test.
  renderer.setTileset(PixelBuffer(20, 20, Rgb(9, 9, 9)));
  for (int n = 1; n <= kTileCount; ++n) Put(1 + (n % 17) * 2, 1 + (n / 17) * 2, 1 + n % 3, n);
  scene.firstSelected = 3;
  scene.hintFirst = 7;
  scene.hoverTile = 11;
  options.Shadows = true;
  renderer.FullRedraw(scene);
  scene.layoutFaces = true;
  scene.ghost = {4, 4, 0};
  renderer.FullRedraw(scene);
  renderer.setTileset(PixelBuffer());
  renderer.FullRedraw(scene);
  // With no tile mask, a sprite ORs black onto the background, which changes nothing.
  scene.layoutFaces = false;
  grid.clear();
  Put(10, 6, 1, 1);
  renderer.FullRedraw(scene);
  EXPECT_EQ(renderer.boardPicture(), PixelBuffer(kBoardWidth, kBoardHeight, kBoardColour));
}

TEST_F(RendererTest, NoGridDrawsTheBackgroundOnly) {
  Put(10, 6, 1, 1);
  scene.grid = nullptr;
  renderer.FullRedraw(scene);
  EXPECT_EQ(renderer.boardPicture(), renderer.background());
}

TEST_F(RendererTest, ShowFondPutsTheBackgroundAloneOnScreen) {
  Put(10, 6, 1, 1);
  renderer.FullRedraw(scene);
  ASSERT_NE(renderer.boardPicture(), renderer.background());
  renderer.ShowFond();
  EXPECT_EQ(renderer.boardPicture(), renderer.background());
}

TEST_F(RendererTest, TileSpriteForThePreviewIsDrawnMasked) {
  PixelBuffer panel(100, 100, Rgb(1, 2, 3));
  renderer.DrawTileSprite(panel, 24, 30, 124);  // a dragon, face 37
  for (int y = 0; y < 56; ++y)
    for (int x = 0; x < 46; ++x) ASSERT_EQ(panel.pixel(24 + x, 30 + y), SpritePixel(37, x, y, Rgb(1, 2, 3)));
  EXPECT_EQ(panel.pixel(23, 40), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace sorimo
