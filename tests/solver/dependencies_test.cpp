// The solver's view of the free rule, sets of tiles built once per position, must say what the
// game's own rule (`CellIsFree`) says for every tile of every position the search can meet.
// Tiles are taken off at random, free or not, so that every arrangement of neighbours shows
// up: edges of the board, tiles offset by half a tile, stacks, and cells holding something
// that is no tile of the position (a slot marker, a number whose record points elsewhere).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "engine/free_rule.h"
#include "engine/solver/precedence.h"
#include "engine/solver/tile_dependencies.h"
#include "layouts/layout_reader.h"
#include "solver_support.h"

namespace sorimo::test {
namespace {

using solver::TileDependencies;
using solver::TileSet;

#ifdef SORIMO_SANITIZED
constexpr int kRandomBoards = 60;
constexpr int kDealsALayout = 1;
#else
constexpr int kRandomBoards = 600;
constexpr int kDealsALayout = 4;
#endif

// Takes the tiles of p off one at a time in a random order; before each step every tile still
// on the board must be free for the sets exactly when it is free for the game's rule.
void CompareWhileEmptying(Position p, bool vertical, std::mt19937& rng, const char* what) {
  const TileDependencies d = solver::BuildTileDependencies(p.grid, p.records, vertical);
  TileSet present = d.onBoard;
  std::vector<int> order;
  for (int n = 1; n <= kTileCount; ++n)
    if (p.records[n].present()) order.push_back(n);
  ASSERT_EQ(static_cast<int>(order.size()), d.count) << what;
  std::shuffle(order.begin(), order.end(), rng);
  for (const int gone : order) {
    for (int i = 0; i < d.count; ++i) {
      if (!present.test(i)) continue;
      const TileRecord& r = p.records[d.tile[i]];
      ASSERT_EQ(d.IsFree(i, present), CellIsFree(p.grid, r.x, r.y, r.z, vertical))
          << what << (vertical ? ", vertical" : "") << ": tile " << int(d.tile[i]) << "\n" << BoardToText(p.grid);
    }
    TakeTile(p.grid, p.records, gone);
    present.reset(d.index[gone]);
  }
}

TEST(SolverDependencies, AgreeWithTheFreeRuleOnRandomSmallBoards) {
  std::mt19937 rng(4242);
  for (int k = 0; k < kRandomBoards; ++k) {
    const LayoutCells layout = RandomSmallLayout(rng, 8 + 2 * static_cast<int>(rng() % 9), 5 + static_cast<int>(rng() % 8),
                                                 4 + static_cast<int>(rng() % 6), 1 + static_cast<int>(rng() % 5));
    Position p = RandomDeal(rng, layout);
    // Now and then a cell that blocks without being a tile of the position: a slot marker, or
    // a tile number standing where its record does not say.
    if (k % 3 == 0) {
      const int x = 5 + static_cast<int>(rng() % 14), y = 3 + static_cast<int>(rng() % 10), z = 1 + static_cast<int>(rng() % 3);
      if (p.grid.at(x, y, z) == 0) p.grid.set(x, y, z, k % 2 == 0 ? SlotMarker : 1 + static_cast<uint8_t>(rng() % 40));
    }
    CompareWhileEmptying(p, k % 2 == 1, rng, "random board");
  }
}

TEST(SolverDependencies, AgreeWithTheFreeRuleOnEveryShippedLayout) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(SORIMO_SOURCE_DATA) / "Layouts"))
    if (e.path().extension() == ".lay") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty());
  std::mt19937 rng(99);
  for (const fs::path& f : files) {
    const LayoutReadResult layout = LoadLayoutFile(f);
    ASSERT_EQ(layout.status, LayoutReadStatus::Loaded) << f;
    for (int number = 1; number <= kDealsALayout; ++number) {
      Table t;
      ASSERT_EQ(t.Deal(layout.cells, number, false), DealResult::Dealt) << f;
      const Position p{t.game.board().Grid(), t.game.board().Records(), t.game.TilesLeft()};
      CompareWhileEmptying(p, number % 2 == 0, rng, f.filename().c_str());
    }
  }
  // Tiles against every edge of the board, under both rules.
  Table t;
  ASSERT_EQ(t.Deal(kWall, 7, false), DealResult::Dealt);
  const Position wall{t.game.board().Grid(), t.game.board().Records(), t.game.TilesLeft()};
  CompareWhileEmptying(wall, false, rng, "wall");
  CompareWhileEmptying(wall, true, rng, "wall");
}

// What must leave first: the tiles lying on a tile, followed up to the top; and a tile whose
// two sides are closed for ever can never leave.
TEST(SolverDependencies, PrecedenceFollowsStacksToTheTop) {
  const BoardPicture b = MustBoard(R"(
    layer 1 at 3,3
    1 . 4
    layer 2 at 3,3
    2
    layer 3 at 4,4
    3
  )");
  const TileDependencies d = solver::BuildTileDependencies(b.grid, b.records, false);
  const solver::Precedence p = solver::BuildPrecedence(d);
  const auto before = [&](int tile, int other) { return p.before[d.index[tile]].test(d.index[other]); };
  EXPECT_TRUE(before(1, 2));
  EXPECT_TRUE(before(1, 3)) << "3 overlaps 2 by a quarter, and 2 lies on 1";
  EXPECT_TRUE(before(2, 3));
  EXPECT_FALSE(before(3, 1));
  EXPECT_FALSE(before(1, 4)) << "a side is a choice, not an order";
  EXPECT_FALSE(before(4, 1));
  EXPECT_FALSE(p.stuckForEver);

  // A tile between two cells that are no tiles of the position can never leave.
  BoardPicture walled = MustBoard(R"(
    layer 1 at 3,3
    . . 5
  )");
  walled.grid.set(3, 3, 1, SlotMarker);
  walled.grid.set(7, 3, 1, SlotMarker);
  const TileDependencies dw = solver::BuildTileDependencies(walled.grid, walled.records, false);
  EXPECT_TRUE(solver::BuildPrecedence(dw).stuckForEver);
  EXPECT_FALSE(solver::BuildPrecedence(solver::BuildTileDependencies(walled.grid, walled.records, true)).stuckForEver)
      << "under the vertical rule its sides are up and down, and open";
}

}  // namespace
}  // namespace sorimo::test
