#include "layouts/layout_rules.h"

#include <gtest/gtest.h>

#include "picture_helper.h"

namespace sorimo {
namespace {

using testing::Picture;
using testing::TwoBlocks;

TEST(LayoutRules, AValidLayoutHasNoFaults) {
  EXPECT_TRUE(CheckLayout(TwoBlocks()).empty()) << DescribeFaults(CheckLayout(TwoBlocks()));
}

TEST(LayoutRules, CountsTheTiles) {
  LayoutCells cells = TwoBlocks();
  cells.set(6, 4, 2, 0);
  std::vector<LayoutFault> faults = CheckLayout(cells);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0].rule, LayoutRule::TileCount);
  EXPECT_EQ(faults[0].count, 143);
  EXPECT_EQ(faults[0].text, "the layout has 143 tiles instead of 144");

  cells.set(1, 1, 3, 0);  // nothing there: still 143
  cells.set(33, 19, 1, 1);
  cells.set(6, 4, 2, 1);
  faults = CheckLayout(cells);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0].count, 145);
}

// Each of the eight neighbours within one column and one row overlaps; two apart does not.
TEST(LayoutRules, FindsEveryOverlapOnceAndNothingElse) {
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy) {
      if (dx == 0 && dy == 0) continue;
      LayoutCells cells;
      cells.set(10, 10, 1, 1);
      cells.set(10 + dx, 10 + dy, 1, 1);
      std::vector<LayoutFault> overlaps;
      for (const LayoutFault& f : CheckLayout(cells))
        if (f.rule == LayoutRule::Overlap) overlaps.push_back(f);
      const bool overlapping = std::abs(dx) < 2 && std::abs(dy) < 2;
      ASSERT_EQ(overlaps.size(), overlapping ? 1u : 0u) << dx << "," << dy;
      if (!overlapping) continue;
      const Cell a{10, 10, 1}, b{10 + dx, 10 + dy, 1};
      EXPECT_TRUE((overlaps[0].at == a && overlaps[0].other == b) || (overlaps[0].at == b && overlaps[0].other == a));
    }
  LayoutCells cells = Picture(R"(
      ..........
      ..#.#.....
      ...#......
  )");
  std::vector<LayoutFault> faults = CheckLayout(cells);
  ASSERT_EQ(faults.size(), 3u);  // the count, then two overlaps
  EXPECT_EQ(faults[1].text, "the tiles at (3, 2, 1) and (4, 3, 1) overlap");
  EXPECT_EQ(faults[2].text, "the tiles at (5, 2, 1) and (4, 3, 1) overlap");
}

TEST(LayoutRules, EveryUpperTileMustRestOnTheLayerJustBelow) {
  LayoutCells cells = Picture(R"(
      ....#.....
      ..........
      ..........

      ..........
      .....#....
      ..........

      ..........
      ..........
      ........#.

      ........#.
  )");
  std::vector<LayoutFault> faults = CheckLayout(cells);
  ASSERT_EQ(faults.size(), 3u);
  EXPECT_EQ(faults[0].rule, LayoutRule::TileCount);
  // (6, 2, 2) rests on (5, 1, 1) diagonally: fine. (9, 3, 3) is two columns from it: not.
  EXPECT_EQ(faults[1].rule, LayoutRule::Unsupported);
  EXPECT_EQ(faults[1].at, (Cell{9, 3, 3}));
  EXPECT_EQ(faults[1].text, "the tile at (9, 3, 3) rests on no tile of layer 2");
  // (9, 1, 4) has (9, 3, 3) two rows down: too far.
  EXPECT_EQ(faults[2].at, (Cell{9, 1, 4}));
}

TEST(LayoutRules, ReportsCellsHoldingNeither0Nor1) {
  LayoutCells cells = TwoBlocks();
  cells.set(6, 4, 1, 7);
  const std::vector<LayoutFault> faults = CheckLayout(cells);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0].rule, LayoutRule::CellValue);
  EXPECT_EQ(faults[0].text, "the cell at (6, 4, 1) holds 7 instead of 0 or 1");
  EXPECT_EQ(DescribeFaults(faults), faults[0].text + "\n");
}

}  // namespace
}  // namespace sorimo
