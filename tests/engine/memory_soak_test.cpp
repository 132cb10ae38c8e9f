// Thousands of Memory games played by a forgetful player through clicks and ticks: some
// clicks land during the half second, on the tile already up, beside the tiles or with the
// right button. The board is checked after every step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <vector>

#include "engine/hall_columns.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

int GameCount() { return SoakGameCount("SORIMO_SOAK_GAMES", 1000, 100); }

// The removed pairs put back where the history says they were give the board as dealt.
::testing::AssertionResult HistoryLeadsBackToTheDeal(const Game& g, const BoardGrid& dealt) {
  BoardGrid grid = g.board().Grid();
  const int removed = g.TilesTotal() - g.TilesLeft();
  for (int k = 0; k < removed; ++k) {
    const HistoryEntry& e = g.MoveHistory()[size_t(k)];
    if (grid.at(e.x, e.y, e.z) != 0) return ::testing::AssertionFailure() << "history entry " << k << " lands on a tile";
    grid.set(e.x, e.y, e.z, e.tile);
  }
  if (!(grid == dealt)) return ::testing::AssertionFailure() << "the history does not lead back to the deal";
  return ::testing::AssertionSuccess();
}

class MemoryPlayer {
 public:
  MemoryPlayer(Table& t, unsigned seed) : t_(t), rng_(seed) {}

  // One click, then the ticks until nothing is pending.
  void Turn() {
    const int roll = Roll(100);
    if (roll < 70) {
      Reveal(Pick());
    } else if (roll < 80) {
      Reveal(t_.game.choice.FirstSelected ? t_.game.choice.FirstSelected : Pick());  // the tile already up
    } else if (roll < 88) {
      Click(Pick(), MouseButton::Right);
    } else if (roll < 94) {
      t_.game.ButtonDown(MouseButton::Left, Roll(760) - 20, Roll(520) - 20);  // anywhere
    } else {
      t_.game.PauseClick();
      t_.Tick(Roll(3000));
      t_.game.PauseClick();
    }
    const uint8_t first = t_.game.choice.FirstSelected, second = t_.game.choice.SecondSelected;
    while (t_.game.ModeData<MemoryState>().RevealCountdown > 0) {
      // Every click during the half second is lost.
      if (Roll(3) == 0) Click(Pick(), Roll(2) ? MouseButton::Left : MouseButton::Right);
      ASSERT_EQ(t_.game.choice.FirstSelected, first);
      ASSERT_EQ(t_.game.choice.SecondSelected, second);
      t_.Tick();
    }
  }

 private:
  int Roll(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  // The partner of a tile seen before when one is up, else any tile still on the board.
  int Pick() {
    const Game& g = t_.game;
    if (g.choice.FirstSelected != 0 && Roll(4) != 0)
      for (const auto& [tile, group] : seen_)
        if (tile != g.choice.FirstSelected && group == MatchGroup(g.choice.FirstSelected) && g.board().Records()[tile].x != 0) return tile;
    std::vector<int> onBoard;
    for (int n = 1; n <= g.TilesTotal(); ++n)
      if (g.board().Records()[n].x != 0) onBoard.push_back(n);
    return onBoard[size_t(Roll(int(onBoard.size())))];
  }

  void Reveal(int tile) {
    Click(tile, MouseButton::Left);
    if (Roll(5) != 0) seen_[tile] = MatchGroup(tile);  // a forgetful player
  }

  void Click(int tile, MouseButton button) {
    int x = 0, y = 0;
    ASSERT_TRUE(ScreenPointOf(t_.game, tile, x, y));
    t_.game.ButtonDown(button, x, y);
  }

  Table& t_;
  std::mt19937 rng_;
  std::map<int, int> seen_;
};

TEST(MemorySoak, GamesPlayedToTheEndKeepTheBoardWhole) {
  const int games = GameCount();
  int steps = 0;
  for (int i = 0; i < games; ++i) {
    Table t;
    t.options.ShowGirls = i % 3 == 0;
    t.game.Layout = MustLayout(kTurtle);
    t.game.BoardNumber = 1;
    t.host.timeOfDay = 7919u * unsigned(i) + 11u;
    const int32_t column = i % 2 ? kMemoryHardColumn : kMemoryEasyColumn;
    ASSERT_EQ(t.game.StartMode(ModeMemory, column), DealResult::Dealt);
    const BoardGrid dealt = t.game.board().Grid();
    MemoryPlayer player(t, unsigned(i));
    int penalties = 0, turns = 0;
    while (t.game.TilesLeft() > 0) {
      ASSERT_LT(++turns, 20000) << "game " << i << " never ends";
      ++steps;
      const int before = t.game.clock.PenaltySeconds, left = t.game.TilesLeft();
      player.Turn();
      if (::testing::Test::HasFatalFailure()) return;
      ASSERT_TRUE(Consistent(t.game)) << "game " << i;
      ASSERT_TRUE(HistoryLeadsBackToTheDeal(t.game, dealt)) << "game " << i;
      // A turn either takes a pair, costs two seconds, or changes neither.
      const int paid = t.game.clock.PenaltySeconds - before, taken = left - t.game.TilesLeft();
      ASSERT_TRUE((paid == 0 && (taken == 0 || taken == 2)) || (paid == 2 && taken == 0)) << paid << " " << taken;
      penalties += paid;
    }
    t.Tick();
    ASSERT_EQ(t.game.GameMode, ModeGameOver) << "game " << i;
    const int total = t.game.clock.ElapsedSeconds + t.game.clock.PenaltySeconds;
    EXPECT_EQ(t.game.clock.PenaltySeconds, penalties);
    EXPECT_EQ(t.host.Count("add hall " + std::to_string(column) + " " + std::to_string(total) + " " +
                           std::to_string(penalties)),
              total < t.host.tenthTotal ? 1 : 0);
  }
  std::printf("[ soak ] %d Memory games, %d turns\n", games, steps);
}

}  // namespace
}  // namespace sorimo::test
