#include "tools/layouts/layout_playability.h"

#include <gtest/gtest.h>

#include "picture_helper.h"

namespace sorimo {
namespace {

using testing::Picture;

TEST(LayoutPlayability, FreeTilesAtTheStart) {
  // A row of four (1..7, 1); a column of three (13, 1..5); a tile (20, 1) covered by one a
  // column and a row away on layer 2; and a staircase (24, 3), (26, 4), (28, 5) whose middle
  // tile is blocked on both sides by tiles half a tile higher and lower.
  const LayoutCells cells = Picture(R"(
      #.#.#.#.....#......#
      .
      ............#..........#
      .........................#
      ............#..............#

      .
      ....................#
  )");
  ASSERT_EQ(cells.count(), 12);
  // Normal rule: the row's two ends, the whole column, the upper tile, the staircase's ends.
  EXPECT_EQ(FreePositionsAtStart(cells, false), 2 + 3 + 1 + 2);
  // Vertical rule: the whole row, the column's two ends, the upper tile, the whole staircase.
  EXPECT_EQ(FreePositionsAtStart(cells, true), 4 + 2 + 1 + 3);
}

TEST(LayoutPlayability, RandomPlayClearsWhatCanBeCleared) {
  // Two tiles side by side: always cleared. Two stacked: never (the lower one is never free
  // while the upper one is there). A row of four: always.
  ClearingOdds odds = RandomClearingOdds(Picture("#.#"), 10, 1);
  EXPECT_EQ(odds.trials, 10);
  EXPECT_EQ(odds.cleared, 10);
  EXPECT_EQ(RandomClearingOdds(Picture("#\n\n#"), 10, 1).cleared, 0);
  EXPECT_EQ(RandomClearingOdds(Picture("#.#.#.#"), 10, 1).cleared, 10);
  // Three tiles in a row with a fourth on top of the middle one: taking the two ends first
  // strands the last two one above the other, so only some games clear it.
  odds = RandomClearingOdds(Picture("#.#.#\n\n..#"), 200, 7);
  EXPECT_GT(odds.cleared, 0);
  EXPECT_LT(odds.cleared, 200);
  // The same seed plays the same games.
  EXPECT_EQ(RandomClearingOdds(Picture("#.#.#\n\n..#"), 200, 7).cleared, odds.cleared);
}

}  // namespace
}  // namespace sorimo
