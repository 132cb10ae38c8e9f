// The quick count of deals that start without a move must be the game's own deal and move
// count, deal for deal; it is what judges every shipped layout.
#include "tools/layouts/plain_deal_starts.h"

#include <gtest/gtest.h>

#include "engine/game.h"
#include "tests/engine/recorder_host.h"

namespace sorimo {
namespace {

// The game numbers among 1..deals whose plain deal, made and counted by the game itself,
// starts with no move.
std::vector<int> StuckByTheGame(const LayoutCells& layout, int deals, bool vertical) {
  std::vector<int> stuck;
  for (int number = 1; number <= deals; ++number) {
    test::RecorderHost host;
    Options options;
    options.PlayMusic = false;
    options.Vertical = vertical;
    options.RandomSeed1 = true;
    Game game(GameHost::Of(host), options);
    game.Layout = layout;
    game.RandomSeed = number;
    EXPECT_EQ(game.BeginGame(), DealResult::Dealt);
    game.IsItFree();
    if (game.moves.MovesLeft == 0) stuck.push_back(number);
  }
  return stuck;
}

// Five layers, each half a tile in from the one below: few positions free at the start.
LayoutCells SteepPyramid() {
  LayoutCells cells;
  const int size[5][2] = {{9, 6}, {8, 5}, {7, 4}, {6, 3}, {4, 1}};
  for (int z = 1; z <= 5; ++z)
    for (int j = 0; j < size[z - 1][1]; ++j)
      for (int i = 0; i < size[z - 1][0]; ++i)
        cells.set(18 - size[z - 1][0] + 2 * i, 11 - size[z - 1][1] + 2 * j, z, 1);
  return cells;
}

// A single row of twelve tiles, dealt tile numbers 1..12: only its two ends are free under the
// normal rule, every tile under the vertical one.
LayoutCells ShortRow() {
  LayoutCells cells;
  for (int i = 0; i < 12; ++i) cells.set(6 + 2 * i, 10, 1, 1);
  return cells;
}

TEST(PlainDealStarts, AgreesDealForDealWithTheGame) {
  const std::vector<LayoutCells> layouts = {SteepPyramid(), ShortRow()};
  ASSERT_EQ(layouts[0].count(), 144);
  constexpr int kDeals = 120;
  for (const bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical rule" : "normal rule");
    const auto quick = GameNumbersStartingWithoutMove(layouts, kDeals, vertical);
    ASSERT_EQ(quick.size(), layouts.size());
    for (size_t i = 0; i < layouts.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(quick[i], StuckByTheGame(layouts[i], kDeals, vertical));
    }
    // Stuck starts occur, so the comparison means something: the pyramid has eight free
    // positions under the normal rule (about half the deals stuck), sixteen under the vertical.
    EXPECT_FALSE(quick[0].empty());
    if (!vertical) {
      EXPECT_GT(quick[0].size(), size_t(kDeals / 4));
      EXPECT_LT(quick[0].size(), size_t(kDeals * 3 / 4));
    }
  }
}

TEST(PlainDealStarts, ALayoutOfTooManyPositionsIsNeverDealt) {
  LayoutCells crowded;
  for (int y = 1; y <= 19; y += 2)
    for (int x = 1; x <= 29; x += 2) crowded.set(x, y, 1, 1);
  ASSERT_GT(crowded.count(), kTileCount);
  const std::vector<LayoutCells> layouts = {crowded, ShortRow()};
  const auto stuck = GameNumbersStartingWithoutMove(layouts, 50, false);
  EXPECT_TRUE(stuck[0].empty());
  EXPECT_FALSE(stuck[1].empty());  // two free tiles of twelve rarely match
}

}  // namespace
}  // namespace sorimo
