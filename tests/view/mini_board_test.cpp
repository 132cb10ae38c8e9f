// The layout chooser's mini-board: where each tile goes, what covers what, and the background.
#include "view/mini_board.h"

#include <gtest/gtest.h>

namespace sorimo {
namespace {

constexpr uint32_t kTileColour = 0xF0E0C0, kEdgeColour = 0x2040A0, kSky = 0x102030;

// A 13 x 15 mini tile: a 1-pixel black (transparent) frame around an edge colour, the face inside.
PixelBuffer MiniTile() {
  PixelBuffer tile(13, 15, kBlack);
  for (int y = 1; y < 14; ++y)
    for (int x = 1; x < 12; ++x) tile.setPixel(x, y, x == 1 || y == 13 ? kEdgeColour : kTileColour);
  return tile;
}

PixelBuffer Board(const LayoutCells& cells) {
  PixelBuffer out;
  MinusRedraw(cells, PixelBuffer(kMiniBoardWidth, kMiniBoardHeight, kSky), MiniTile(), out);
  return out;
}

TEST(MiniBoard, EachLayerLiesThreePixelsUpAndRightOfTheOneBelow) {
  for (int z = 1; z <= 5; ++z) {
    LayoutCells cells;
    cells.set(10, 8, z, 1);
    const PixelBuffer out = Board(cells);
    ASSERT_EQ(out.width(), kMiniBoardWidth);
    ASSERT_EQ(out.height(), kMiniBoardHeight);
    // Column 10, row 8: x = 14 + 5 * 9 + 3 (z - 1), y = 8 + 6 * 7 - 3 (z - 1).
    const int left = 59 + 3 * (z - 1), top = 50 - 3 * (z - 1);
    EXPECT_EQ(out.pixel(left + 6, top + 6), kTileColour) << "layer " << z;
    EXPECT_EQ(out.pixel(left, top), kSky) << "black is transparent";
    EXPECT_EQ(out.pixel(left - 1, top + 6), kSky);
    EXPECT_EQ(out.pixel(left + 13, top + 6), kSky);
  }
}

// Upper layers over lower ones; within a layer the left column over the right one and the
// lower row over the upper one.
TEST(MiniBoard, LaterTilesCoverEarlierOnes) {
  LayoutCells cells;
  cells.set(10, 8, 1, 1);
  cells.set(11, 8, 1, 1);  // one column right: its left edge lies under tile (10, 8)
  const PixelBuffer sideBySide = Board(cells);
  // Tile (11, 8) has its edge at x = 65, where tile (10, 8) (x 59..71) has its face.
  EXPECT_EQ(sideBySide.pixel(65, 56), kTileColour) << "the left tile's face, not the right tile's edge";
  cells.set(10, 8, 1, 0);
  EXPECT_EQ(Board(cells).pixel(65, 56), kEdgeColour);

  LayoutCells stacked;
  stacked.set(10, 8, 1, 1);
  stacked.set(10, 8, 2, 1);
  const PixelBuffer two = Board(stacked);
  // The upper tile's edge column (x = 62 + 1) shows over the lower tile's face.
  EXPECT_EQ(two.pixel(63, 50), kEdgeColour);

  LayoutCells rows;
  rows.set(10, 8, 1, 1);
  rows.set(10, 9, 1, 1);  // one row lower (6 pixels), drawn later: its face covers the upper tile
  EXPECT_EQ(Board(rows).pixel(62, 63), kTileColour) << "row 9's face over row 8's bottom edge";
  rows.set(10, 9, 1, 0);
  EXPECT_EQ(Board(rows).pixel(62, 63), kEdgeColour);
}

TEST(MiniBoard, TheBackgroundIsAveragedDownToThePicture) {
  PixelBuffer big(704, 468, 0x000000);
  // A white spot of 2 x 2 pixels, smaller than the 3 x 3 block of the first small pixel.
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) big.setPixel(x, y, 0xFFFFFF);
  const PixelBuffer small = ScaledDown(big, kMiniBoardWidth, kMiniBoardHeight);
  ASSERT_EQ(small.width(), kMiniBoardWidth);
  const uint32_t p = small.pixel(0, 0);
  EXPECT_GT(p & 0xFF, 0u) << "a small bright spot leaves a glow";
  EXPECT_LT(p & 0xFF, 0xFFu);
  EXPECT_EQ(small.pixel(100, 100), 0u);
  EXPECT_EQ(ScaledDown(PixelBuffer(), 10, 10), PixelBuffer(10, 10));
}

}  // namespace
}  // namespace sorimo
