#include "tools/layouts/layout_fit.h"

#include <gtest/gtest.h>

#include "picture_helper.h"

namespace sorimo {
namespace {

std::vector<Cell> OutsideOf(int x, int y, int z) {
  LayoutCells cells;
  cells.set(x, y, z, 1);
  return TilesOutsideImage(cells);
}

// The 704 x 468 image with the board origin at (36, 25): board pixels -36..667 by -25..442.
TEST(LayoutFit, TilesNearTheEdgesOfTheImage) {
  EXPECT_TRUE(OutsideOf(1, 2, 1).empty());    // left 20 - 46 = -26, top 50 - 65 = -15
  EXPECT_EQ(OutsideOf(1, 1, 1).size(), 1u);   // top 25 - 65 = -40
  EXPECT_TRUE(OutsideOf(33, 18, 1).empty());  // right 660, bottom 441
  EXPECT_EQ(OutsideOf(34, 10, 1).size(), 1u); // right 680
  EXPECT_EQ(OutsideOf(10, 19, 1).size(), 1u); // bottom 466
  EXPECT_TRUE(OutsideOf(32, 3, 5).empty());   // each layer shifts 6 right and 6 up
  EXPECT_EQ(OutsideOf(33, 10, 5).size(), 1u);
  EXPECT_EQ(OutsideOf(10, 2, 5).size(), 1u);

  BoardImage small{704, 468, -5, 0};  // the origin used on small screens
  LayoutCells cells;
  cells.set(1, 2, 1, 1);
  EXPECT_EQ(TilesOutsideImage(cells, small).size(), 1u);
}

TEST(LayoutFit, BoundsAndCentreOfALayout) {
  LayoutCells cells = testing::TwoBlocks();  // columns 6..29, rows 4..15, layers 1 and 2
  const PixelRect b = LayoutPixelBounds(cells);
  EXPECT_EQ(b, (PixelRect{20 * 6 + 6 - 52, 25 * 4 - 12 - 59, 20 * 28 + 12 - 6, 25 * 14 - 6 - 3}));
  const CentreOffset off = LayoutCentreOffset(cells);
  EXPECT_EQ(off.dx, (b.left + b.right - (704 - 72)) / 2);
  EXPECT_EQ(off.dy, (b.top + b.bottom - (468 - 50)) / 2);
  EXPECT_EQ(LayoutPixelBounds(LayoutCells{}), PixelRect{});
}

}  // namespace
}  // namespace sorimo
