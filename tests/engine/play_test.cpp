// Playing a classic game: undo, restart, hints, and what a two-player game refuses.
#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace sorimo::test {
namespace {

// Removes the next pair of the winnable deal's removal order.
void NextPair(Table& t, int& k) {
  const Cell p = t.game.PairList()[k], q = t.game.PairList()[k + 1];
  t.Click(t.game.board().Grid().at(p.x, p.y, p.z));
  t.Click(t.game.board().Grid().at(q.x, q.y, q.z));
  k += 2;
}

TEST(Undo, BackRestoresEachEarlierBoardExactly) {
  Table t;
  ASSERT_EQ(t.Deal(kTurtle, 2024, true), DealResult::Dealt);
  t.game.Back();  // nothing to undo yet
  EXPECT_EQ(t.game.TilesLeft(), 144);

  std::vector<BoardGrid> grids{t.game.board().Grid()};
  std::vector<TileRecords> records{t.game.board().Records()};
  int k = 1;
  for (int i = 0; i < 3; ++i) {
    NextPair(t, k);
    grids.push_back(t.game.board().Grid());
    records.push_back(t.game.board().Records());
  }
  ASSERT_EQ(t.game.TilesLeft(), 138);
  t.game.choice.HintFirst = 5;
  t.game.choice.HintSecond = 6;
  t.game.Back();
  EXPECT_EQ(t.game.choice.HintFirst, 0) << "undo drops the hint";
  EXPECT_EQ(t.game.board().Grid(), grids[2]);
  EXPECT_EQ(t.game.board().Records(), records[2]);
  t.game.Back();
  EXPECT_EQ(t.game.board().Grid(), grids[1]) << t.Board();
  EXPECT_EQ(t.game.board().Records(), records[1]);
  EXPECT_EQ(t.game.TilesLeft(), 142);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0) << "undo is free";
  EXPECT_TRUE(Consistent(t.game));

  // Play on to the end: once the board is clear there is nothing to take back.
  k = 3;
  while (t.game.TilesLeft() > 0) NextPair(t, k);
  t.game.Back();
  EXPECT_EQ(t.game.TilesLeft(), 0);
}

TEST(Undo, RestartGoesBackToTheDealAndRestartsTheClock) {
  Table t;
  ASSERT_EQ(t.Deal(kFewFree, 11, true), DealResult::Dealt);
  const BoardGrid dealt = t.game.board().Grid();
  int k = 1;
  for (int i = 0; i < 5; ++i) NextPair(t, k);
  t.Tick(30000);
  t.game.clock.PenaltySeconds = 40;
  t.host.log.clear();
  t.host.now += 1234;
  t.game.Restart();
  EXPECT_EQ(t.game.board().Grid(), dealt);
  EXPECT_EQ(t.game.TilesLeft(), 144);
  EXPECT_EQ(t.game.clock.ElapsedSeconds, 0);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_EQ(t.game.clock.StartTick, t.host.now);
  EXPECT_EQ(t.game.status.StatusMessage, "Game restarted.");
  EXPECT_EQ(t.host.Count("repaint"), 5) << "every step back is shown";
  EXPECT_TRUE(Consistent(t.game));
}

TEST(Hint, FiveHintsCycleThroughThreeMovesForTwoHundredSeconds) {
  Table t;
  // Three moves: (1, 2), (5, 6) and (9, 10); 13 stands alone.
  t.Put("1 . . 2 . . 5 . . 6 . . 9 . . 10 . . 13 . . 17");
  t.Tick();  // the status refresh counts the moves
  ASSERT_EQ(t.game.moves.MovesLeft, 3);
  std::vector<std::pair<int, int>> shown;
  for (int i = 0; i < 5; ++i) {
    const std::pair<int, int> before = shown.empty() ? std::pair{0, 0} : shown.back();
    t.host.log.clear();
    t.game.Hint();
    shown.push_back({t.game.choice.HintFirst, t.game.choice.HintSecond});
    // Only the faces that change are drawn: the pair that loses the hint and the one that gets it.
    std::vector<std::string> faces;
    for (const int tile : {before.first, before.second, t.game.choice.HintFirst, t.game.choice.HintSecond})
      if (tile) faces.push_back(PaintOf(TileFaceRect(t.game, tile)));
    EXPECT_EQ(t.host.Only({"paint"}), faces) << "hint " << i + 1;
  }
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{1, 2}, {5, 6}, {9, 10}, {1, 2}, {5, 6}}));
  EXPECT_EQ(t.game.clock.PenaltySeconds, 200);

  // A removal does not clear the hint; it just stops being shown with its tiles.
  t.Click(1);
  t.Click(2);
  EXPECT_EQ(t.game.choice.HintFirst, 5);
}

TEST(Hint, NoMoveNoHintNoPenalty) {
  Table t;
  t.Put("1 . . 5");
  t.Tick();
  ASSERT_EQ(t.game.moves.MovesLeft, 0);
  t.game.Hint();
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_EQ(t.game.choice.HintFirst, 0);

  // A stale count is checked again: the moves went away since the last tick.
  t.Put("1 . . 2");
  t.Tick();
  ASSERT_EQ(t.game.moves.MovesLeft, 1);
  t.game.board().TakeTile(1);
  t.game.Hint();
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);

  // Back from a board without moves gives the moves back at once, whatever the panel shows.
  t.options.ShowGirls = false;
  t.Put("1 . . 2 . . 5");
  t.Tick();
  t.Click(1);
  t.Click(2);
  t.Tick();
  ASSERT_EQ(t.game.moves.MovesLeft, 0);
  t.game.Back();
  t.game.Hint();
  EXPECT_EQ(t.game.choice.HintFirst, 1);
}

TEST(TwoPlayers, NoUndoNoHintAndEachPairPassesTheTurn) {
  Table t;
  t.Put("1 . . 2 . . 5 . . 6 . . 9 . . 10");
  t.game.GameMode = ModeTwoPlayer;
  t.Tick();
  t.game.ModeData<TwoPlayerState>().PlayerOneTurnStart = t.game.ModeData<TwoPlayerState>().PlayerTwoTurnStart = t.host.now;
  t.game.Hint();
  EXPECT_EQ(t.game.choice.HintFirst, 0);

  t.host.now += 3000;
  t.Click(1);
  t.Click(2);
  EXPECT_TRUE(t.game.ModeData<TwoPlayerState>().PlayerTwoToMove);
  t.game.Back();
  t.game.Restart();
  EXPECT_EQ(t.game.TilesLeft(), 4) << "nothing is taken back in a two-player game";
  t.host.now += 5000;
  t.Click(5);
  t.Click(6);
  t.host.now += 2000;
  t.Click(9);
  t.Click(10);
  EXPECT_TRUE(t.game.ModeData<TwoPlayerState>().PlayerTwoToMove);
  EXPECT_EQ(t.game.ModeData<TwoPlayerState>().PlayerOneTime, 5000);
  EXPECT_EQ(t.game.ModeData<TwoPlayerState>().PlayerTwoTime, 5000);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
}

}  // namespace
}  // namespace sorimo::test
