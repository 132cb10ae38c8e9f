// Rivers games played through the engine's entry points, Easy and Hard, with the board
// checked after every step: grid and records agree, the tile count is the board's, the
// history can take the board back to the deal, and the move count is the one a separate
// breadth-first search over (place, heading, segments) finds. The number of games of each
// kind comes from the environment variable SORIMO_RIVERS_SOAK_GAMES, for long runs by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "engine/hall_columns.h"
#include "engine/modes/rivers.h"
#include "test_support.h"

namespace sorimo::test {

namespace {

int GameCount() { return SoakGameCount("SORIMO_RIVERS_SOAK_GAMES", 20, 2); }

// ---- The move count, worked out another way

// Places a path may use: even columns 2..32, odd rows 1..19.
bool IsPathPlace(int x, int y) { return x >= 2 && x <= 32 && y >= 1 && y <= 19; }

// The occupied places of tile a's layer that a path of at most three segments from a ends on:
// breadth-first over (place, heading), with the fewest segments that reach each.
struct Ends {
  bool at[35][21] = {};
};
Ends PathEnds(const Game& g, int a) {
  const TileRecord ra = g.board().Records()[a];
  constexpr int dx[4] = {2, -2, 0, 0}, dy[4] = {0, 0, 2, -2};
  Ends ends;
  uint8_t best[35][21][4];  // fewest segments arriving at (x, y) heading d
  std::memset(best, 99, sizeof best);
  struct Node {
    int x, y, d, segments;
  };
  std::deque<Node> queue;
  for (int d = 0; d < 4; ++d) queue.push_back({ra.x, ra.y, d, 1});
  while (!queue.empty()) {
    const Node n = queue.front();
    queue.pop_front();
    const int x = n.x + dx[n.d], y = n.y + dy[n.d];
    if (!IsPathPlace(x, y)) continue;
    if (g.board().Grid().at(x, y, ra.z) != 0) {
      ends.at[x][y] = true;
      continue;
    }
    for (int d = 0; d < 4; ++d) {
      const int segments = n.segments + (d == n.d ? 0 : 1);
      if (segments > 3 || best[x][y][d] <= segments) continue;
      best[x][y][d] = segments;
      if (d == n.d)
        queue.push_front({x, y, d, segments});
      else
        queue.push_back({x, y, d, segments});
    }
  }
  return ends;
}

bool Joins(const Game& g, const Ends& ends, int a, int b) {
  const TileRecord ra = g.board().Records()[a], rb = g.board().Records()[b];
  return b != a && ra.z == rb.z && ends.at[rb.x][rb.y];
}

bool OnTop(const Game& g, int t) {
  const TileRecord& r = g.board().Records()[t];
  return g.board().Grid().at(r.x, r.y, r.z + 1) == 0;
}

// The tiles with a reachable, uncovered partner of their group, in tile order, and the moves.
struct Count {
  std::vector<int> free;
  int moves = 0;
};
Count BruteForceCount(const Game& g) {
  Count c;
  for (int t = 1; t <= g.TilesTotal(); ++t) {
    if (!g.board().Records()[t].present() || !OnTop(g, t)) continue;
    const Ends ends = PathEnds(g, t);
    for (int u = 1; u <= g.TilesTotal(); ++u)
      if (MatchGroup(u) == MatchGroup(t) && g.board().Records()[u].present() && OnTop(g, u) && Joins(g, ends, t, u)) {
        c.free.push_back(t);
        break;
      }
  }
  for (size_t i = 1; i < c.free.size(); ++i) c.moves += MatchGroup(c.free[i]) == MatchGroup(c.free[i - 1]);
  return c;
}

// ---- The checks of every step

// Taking every move back, on a copy of the board, fills the dealt places again with every tile.
::testing::AssertionResult UndoesToTheDeal(const Game& g, const BoardGrid& dealt, bool shuffled) {
  BoardGrid grid = g.board().Grid();
  TileRecords records = g.board().Records();
  for (int k = g.TilesTotal() - g.TilesLeft() - 1; k >= 0; --k) {
    const HistoryEntry& e = g.MoveHistory()[k];
    if (grid.at(e.x, e.y, e.z) != 0) return ::testing::AssertionFailure() << "history entry " << k << " lands on a tile";
    PlaceTile(grid, records, e.tile, {e.x, e.y, e.z});
  }
  for (int t = 1; t <= g.TilesTotal(); ++t)
    if (!records[t].present()) return ::testing::AssertionFailure() << "tile " << t << " never comes back";
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        // A shuffle moves tiles among the places, never the places themselves.
        const bool same = shuffled ? (grid.at(x, y, z) != 0) == (dealt.at(x, y, z) != 0) : grid.at(x, y, z) == dealt.at(x, y, z);
        if (!same) return ::testing::AssertionFailure() << "cell " << x << "," << y << "," << z << " differs from the deal";
      }
  return ::testing::AssertionSuccess();
}

// A player who mostly takes a pair it knows can go, sometimes clicks any tile or a pair
// that may be refused, and now and then undoes, shuffles, asks for a hint or restarts.
class RiversPlayer {
 public:
  RiversPlayer(Table& t, unsigned seed) : t_(t), rng_(seed) {}
  bool shuffled = false;

  void Step(const Count& known) {
    Game& g = t_.game;
    const int roll = Roll(1000);
    if (roll < 780) {
      TakeAKnownPair(known);
    } else if (roll < 880) {
      ClickTile(AnyTile());
    } else if (roll < 920) {
      g.Back();
    } else if (roll < 935) {
      g.Shuffle1Click();
      shuffled = true;
    } else if (roll < 960) {
      g.Hint();
    } else if (roll < 970) {
      t_.options.AnimateTileRivers = !t_.options.AnimateTileRivers;
    } else if (roll < 975) {
      g.Restart();
    } else if (roll < 985) {
      g.ButtonDown(MouseButton::Right, 300, 200);
    }
  }

 private:
  int Roll(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  int AnyTile() {
    std::vector<int> on;
    for (int n = 1; n <= kTileCount; ++n)
      if (t_.game.board().Records()[n].present()) on.push_back(n);
    return on.empty() ? 0 : on[Roll(static_cast<int>(on.size()))];
  }

  void TakeAKnownPair(const Count& known) {
    Game& g = t_.game;
    std::vector<std::pair<int, int>> pairs;
    for (const int a : known.free) {
      const Ends ends = PathEnds(g, a);
      for (const int b : known.free)
        if (MatchGroup(a) == MatchGroup(b) && Joins(g, ends, a, b)) pairs.emplace_back(a, b);
    }
    if (pairs.empty()) {
      if (Roll(2) == 0) {
        g.Back();
      } else {
        g.Shuffle1Click();
        shuffled = true;
      }
      return;
    }
    const auto [a, b] = pairs[Roll(static_cast<int>(pairs.size()))];
    if (g.choice.FirstSelected != a) {
      if (g.choice.FirstSelected != 0) g.ButtonDown(MouseButton::Right, 300, 200);
      ClickTile(a);
    }
    ClickTile(b);
  }

  void ClickTile(int tile) {
    if (tile == 0) return;
    int x = 0, y = 0;
    if (ScreenPointOf(t_.game, tile, x, y)) t_.game.ButtonDown(MouseButton::Left, x, y);
  }

  Table& t_;
  std::mt19937 rng_;
};

void PlayRiversGames(int column, int tiles) {
  const int games = GameCount();
  int cleared = 0, steps = 0, slides = 0;
  for (int n = 0; n < games; ++n) {
    Table t;
    t.options.ShowGirls = n % 2 == 0;
    t.host.timeOfDay = 104729u * static_cast<unsigned>(n) + static_cast<unsigned>(tiles);
    ASSERT_EQ(t.game.StartMode(ModeRivers, column), DealResult::Dealt);
    ASSERT_EQ(t.game.TilesLeft(), tiles);
    const BoardGrid dealt = t.game.board().Grid();
    RiversPlayer player(t, static_cast<unsigned>(n));
    Count known = BruteForceCount(t.game);
    for (int step = 0; step < 3000 && t.game.GameMode == ModeRivers; ++step, ++steps) {
      player.Step(known);
      t.Tick(50);
      if (t.game.GameMode != ModeRivers) break;
      ASSERT_TRUE(Consistent(t.game)) << "game " << n << " step " << step;
      ASSERT_TRUE(UndoesToTheDeal(t.game, dealt, player.shuffled)) << "game " << n << " step " << step;
      known = BruteForceCount(t.game);
      const std::vector<int> counted(t.game.moves.FreeTiles.begin() + 1, t.game.moves.FreeTiles.begin() + 1 + t.game.moves.FreeCount);
      ASSERT_EQ(counted, known.free) << "game " << n << " step " << step << "\n" << BoardToText(t.game.board().Grid());
      ASSERT_EQ(t.game.moves.MovesLeft, known.moves) << "game " << n << " step " << step;
    }
    slides += t.host.Count("repaint");
    if (t.game.GameMode == ModeGameOver) {
      ASSERT_EQ(t.game.TilesLeft(), 0);
      ++cleared;
    }
  }
  // A player who undoes and shuffles when stuck clears most boards.
  EXPECT_GT(cleared, games / 2) << cleared << " of " << games;
  EXPECT_GT(slides, 0) << "the animation was on for part of the play";
  std::printf("rivers soak (%d tiles): %d of %d games cleared in %d steps\n", tiles, cleared, games, steps);
}

TEST(RiversSoak, EasyGamesKeepBoardHistoryAndCountInStep) {
  PlayRiversGames(kRiversEasyColumn, 84);
}

TEST(RiversSoak, HardGamesKeepBoardHistoryAndCountInStep) {
  PlayRiversGames(kRiversHardColumn, 144);
}

}  // namespace
}  // namespace sorimo::test
