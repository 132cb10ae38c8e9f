// Whole Clicks games, Easy and Hard, played at random through the game's own entry points:
// clicks anywhere on the board, Back, Restart, ticks (with the give-up question answered
// either way). After every step the grid is checked against a model written here
// independently: the result of each move, the snapshots Back returns to, and the moves left.
//
// SORIMO_CLICKS_SOAK_GAMES sets the number of games of each kind (e.g. 10000 by hand).
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "clicks_support.h"
#include "engine/hall_columns.h"
#include "engine/modes/clicks_grid.h"

namespace sorimo::test {
namespace {

int GameCount() { return SoakGameCount("SORIMO_CLICKS_SOAK_GAMES", 150, 15); }

// The model: a plain 18 x 12 array, column by column, row 0 at the top.
constexpr int W = 18, H = 12;
using Model = std::array<int, W * H>;

Model ModelOf(const ClicksGrid& g) {
  Model m{};
  for (int x = 0; x < W; ++x)
    for (int y = 0; y < H; ++y) m[size_t(x * H + y)] = g[size_t(ClicksIndex(x + 2, y + 2))];
  return m;
}

// The cells of one colour reachable from (x, y), by an explicit work list.
std::vector<int> RegionOf(const Model& m, int x, int y) {
  const int v = m[size_t(x * H + y)];
  std::vector<int> region, work{x * H + y};
  std::vector<bool> in(W * H, false);
  in[size_t(x * H + y)] = true;
  while (!work.empty()) {
    const int i = work.back();
    work.pop_back();
    region.push_back(i);
    const int cx = i / H, cy = i % H;
    const int next[4][2] = {{cx - 1, cy}, {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}};
    for (const auto& n : next) {
      if (n[0] < 0 || n[0] >= W || n[1] < 0 || n[1] >= H) continue;
      const int j = n[0] * H + n[1];
      if (!in[size_t(j)] && m[size_t(j)] == v) {
        in[size_t(j)] = true;
        work.push_back(j);
      }
    }
  }
  return region;
}

// What a move must leave: the region gone, each column's tiles at its foot in their order,
// the columns that still hold tiles side by side from the left, in their order.
Model AfterMove(Model m, int x, int y) {
  for (const int i : RegionOf(m, x, y)) m[size_t(i)] = 0;
  std::vector<std::vector<int>> columns;
  for (int cx = 0; cx < W; ++cx) {
    std::vector<int> tiles;
    for (int cy = 0; cy < H; ++cy)
      if (m[size_t(cx * H + cy)] != 0) tiles.push_back(m[size_t(cx * H + cy)]);
    if (!tiles.empty()) columns.push_back(tiles);
  }
  Model out{};
  for (size_t cx = 0; cx < columns.size(); ++cx)
    for (size_t k = 0; k < columns[cx].size(); ++k)
      out[cx * H + size_t(H) - columns[cx].size() + k] = columns[cx][k];
  return out;
}

// Regions of two or more tiles, by union-find over all neighbouring pairs.
int GroupsOf(const Model& m) {
  std::vector<int> parent(W * H), size(W * H, 1);
  std::iota(parent.begin(), parent.end(), 0);
  const auto find = [&](int i) {
    while (parent[size_t(i)] != i) i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
    return i;
  };
  const auto join = [&](int a, int b) {
    a = find(a), b = find(b);
    if (a == b) return;
    parent[size_t(b)] = a;
    size[size_t(a)] += size[size_t(b)];
  };
  for (int x = 0; x < W; ++x)
    for (int y = 0; y < H; ++y) {
      const int v = m[size_t(x * H + y)];
      if (v == 0) continue;
      if (x + 1 < W && m[size_t((x + 1) * H + y)] == v) join(x * H + y, (x + 1) * H + y);
      if (y + 1 < H && m[size_t(x * H + y + 1)] == v) join(x * H + y, x * H + y + 1);
    }
  int groups = 0;
  for (int i = 0; i < W * H; ++i) groups += m[size_t(i)] != 0 && find(i) == i && size[size_t(i)] >= 2;
  return groups;
}

::testing::AssertionResult Settled(const ClicksGrid& g, int colours) {
  for (int c = 1; c <= kClicksColumns; ++c)
    for (int r = 1; r <= kClicksRows; ++r) {
      const int v = g[size_t(ClicksIndex(c, r))];
      if (!InClicksPlay(c, r) && v != 0) return ::testing::AssertionFailure() << "border cell " << c << "," << r;
      if (v > colours) return ::testing::AssertionFailure() << "colour " << v << " at " << c << "," << r;
    }
  bool emptyColumnSeen = false;
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c) {
    bool tileAbove = false, any = false;
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) {
      const bool tile = g[size_t(ClicksIndex(c, r))] != 0;
      if (tileAbove && !tile) return ::testing::AssertionFailure() << "a hole under a tile in column " << c;
      tileAbove = tileAbove || tile;
      any = any || tile;
    }
    if (any && emptyColumnSeen) return ::testing::AssertionFailure() << "an empty column left of column " << c;
    emptyColumnSeen = emptyColumnSeen || !any;
  }
  return ::testing::AssertionSuccess();
}

struct Outcome {
  int cleared = 0, gaveUp = 0, moves = 0, backs = 0;
};

// One game to its end (or to a Restart after many steps). Returns false on the first fault.
bool PlayOne(bool hard, unsigned seed, Outcome& outcome) {
  Table t;
  std::mt19937 rng(seed);
  const auto roll = [&](int n) { return int(rng() % unsigned(n)); };
  t.options.Moves = true;
  t.host.timeOfDay = seed;
  t.host.duringQuestion = [&] { t.host.answers.push_back(roll(3) == 0); };  // mostly No
  EXPECT_EQ(hard ? t.game.StartMode(ModeClicks, kClicksHardColumn) : t.game.StartMode(ModeClicks, kClicksEasyColumn), DealResult::Dealt);
  const int colours = hard ? 6 : 4;
  ClicksState& s = t.game.ModeData<ClicksState>();
  const Model deal = ModelOf(s.Grid);
  std::vector<Model> before;  // the grids before each move not taken back

  for (int step = 0; step < 2000 && t.game.GameMode == ModeClicks; ++step) {
    const Model was = ModelOf(s.Grid);
    const int stepsWere = s.ClicksStep;
    const int r = roll(1000);
    int x = -1, y = -1;
    if (r < 600) {  // a tile of a group, as a player would mostly choose
      std::vector<int> cells;
      for (int i = 0; i < W * H; ++i)
        if (was[size_t(i)] != 0 && RegionOf(was, i / H, i % H).size() >= 2) cells.push_back(i);
      if (!cells.empty()) {
        const int i = cells[size_t(roll(int(cells.size())))];
        x = i / H, y = i % H;
        ClickCell(t, x + 2, y + 2);
      }
    } else if (r < 750) {  // any cell of the play area, often a lone tile or an empty one
      x = roll(W), y = roll(H);
      ClickCell(t, x + 2, y + 2);
    } else if (r < 800) {  // anywhere on the board image, or beside it
      const int px = roll(720) - 10, py = roll(480) - 10;
      const ClicksCell cell = ClicksCellAt(px - t.game.BoardOrigin.x, py - t.game.BoardOrigin.y);
      x = cell.column - 2, y = cell.row - 2;
      t.game.ButtonDown(roll(4) ? MouseButton::Left : MouseButton::Right, px, py);
    } else if (r < 840) {
      t.game.Back();
    } else if (r < 842) {
      t.game.Restart();
    } else {
      t.Tick();
    }

    if (s.ClicksStep == stepsWere + 1) {
      EXPECT_GE(x, 0) << "only a click on a cell makes a move";
      if (x < 0) return false;
      before.push_back(was);
      ++outcome.moves;
      EXPECT_EQ(ModelOf(s.Grid), AfterMove(was, x, y)) << "move at " << x + 2 << "," << y + 2;
    } else if (s.ClicksStep < stepsWere) {
      outcome.backs += stepsWere - s.ClicksStep;
      EXPECT_EQ(ModelOf(s.Grid), before[size_t(s.ClicksStep)]) << "back to the grid before that move";
      before.resize(size_t(s.ClicksStep));
    } else {
      EXPECT_EQ(s.ClicksStep, stepsWere);
      if (t.game.GameMode == ModeClicks) {
        EXPECT_EQ(ModelOf(s.Grid), was) << "nothing moved";
      }
    }
    // Back reaches the deal: the newest snapshot is the grid before the last move (the
    // older ones are checked at the end of the game), the first one the deal.
    EXPECT_EQ(size_t(s.ClicksStep), before.size());
    if (!before.empty()) {
      EXPECT_EQ(ModelOf(s.ClicksHistory[before.size() - 1]), before.back());
      EXPECT_EQ(before.front(), deal);
    }
    EXPECT_TRUE(Settled(s.Grid, colours));
    EXPECT_EQ(t.game.TilesLeft(), CountClicksTiles(s.Grid));
    if (t.game.GameMode == ModeClicks) {
      t.game.IsItFree();
      EXPECT_EQ(t.game.moves.MovesLeft, GroupsOf(ModelOf(s.Grid)));
    }
    if (::testing::Test::HasFailure()) return false;
  }

  for (size_t k = 0; k < before.size(); ++k)
    EXPECT_EQ(ModelOf(s.ClicksHistory[k]), before[k]) << "snapshot " << k + 1 << " is not the grid before its move";
  if (t.game.GameMode == ModeClicks) {
    // Long games end here: all the way back, as Restart does it.
    t.game.Restart();
    EXPECT_EQ(ModelOf(s.Grid), deal);
    EXPECT_EQ(t.game.TilesLeft(), 216);
  } else {
    EXPECT_EQ(t.game.GameMode, ModeGameOver);
    const bool cleared = t.game.TilesLeft() == 0;
    (cleared ? outcome.cleared : outcome.gaveUp)++;
    const std::string entry = "add hall " + std::to_string(hard ? kClicksHardColumn : kClicksEasyColumn) + " " +
                              std::to_string(t.game.TilesLeft()) + " 0";
    EXPECT_TRUE(t.host.Has(entry)) << entry;
    EXPECT_EQ(t.host.Count("game over 'You reached the top ! Great !' +hall"), cleared ? 1 : 0);
  }
  return !::testing::Test::HasFailure();
}

void Soak(bool hard) {
  Outcome outcome;
  const int games = GameCount();
  for (int game = 0; game < games; ++game)
    if (!PlayOne(hard, 1000003u * unsigned(game) + (hard ? 17u : 5u), outcome)) {
      ADD_FAILURE() << "game " << game;
      return;
    }
  std::printf("%s: %d games, %d moves, %d taken back, %d given up, %d cleared\n", hard ? "Hard" : "Easy", games,
              outcome.moves, outcome.backs, outcome.gaveUp, outcome.cleared);
}

TEST(ClicksSoak, EasyGamesKeepTheGridTheHistoryAndTheCountsRight) { Soak(false); }
TEST(ClicksSoak, HardGamesKeepTheGridTheHistoryAndTheCountsRight) { Soak(true); }

}  // namespace
}  // namespace sorimo::test
