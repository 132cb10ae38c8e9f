// Shuffles: the winnable re-deal keeps tiles and places, the plain one finds moves, the
// penalties and messages follow what was found, and undo still knows where pairs came from.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "tests/support/game_test_peer.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

std::set<std::tuple<int, int, int>> Places(const Game& g) {
  std::set<std::tuple<int, int, int>> places;
  for (int n = 1; n <= kTileCount; ++n)
    if (g.board().Records()[n].present()) places.insert({g.board().Records()[n].x, g.board().Records()[n].y, g.board().Records()[n].z});
  return places;
}
std::set<int> TilesOn(const Game& g) {
  std::set<int> tiles;
  for (int n = 1; n <= kTileCount; ++n)
    if (g.board().Records()[n].present()) tiles.insert(n);
  return tiles;
}

// Takes `pairs` pairs off along the deal's own removal order.
void PlayPairs(Table& t, int pairs) {
  for (int k = 1; k < 2 * pairs; k += 2) {
    const Cell p = t.game.PairList()[k], q = t.game.PairList()[k + 1];
    t.Click(t.game.board().Grid().at(p.x, p.y, p.z));
    t.Click(t.game.board().Grid().at(q.x, q.y, q.z));
  }
}

TEST(ShuffleBoard, SameTilesSamePlacesNewAssignmentStillWinnable) {
  for (int number = 1; number <= 20; ++number) {
    SCOPED_TRACE(number);
    Table t;
    ASSERT_EQ(t.Deal(kTurtle, number, true), DealResult::Dealt);
    PlayPairs(t, 10);
    ASSERT_EQ(t.game.TilesLeft(), 124);
    const auto places = Places(t.game);
    const auto tiles = TilesOn(t.game);
    const TileRecords before = t.game.board().Records();
    t.host.timeOfDay += 1000 * number;
    ASSERT_EQ(GameTestPeer::ShuffleBoard(t.game), ShuffleResult::Shuffled);
    EXPECT_EQ(t.game.TilesLeft(), 124);
    EXPECT_EQ(Places(t.game), places);
    EXPECT_EQ(TilesOn(t.game), tiles);
    EXPECT_NE(t.game.board().Records(), before);
    ASSERT_TRUE(Consistent(t.game));
    // The re-deal's removal order clears what is left.
    for (int k = 1; k < 124; k += 2) {
      const Cell p = t.game.PairList()[k], q = t.game.PairList()[k + 1];
      const int a = t.game.board().Grid().at(p.x, p.y, p.z), b = t.game.board().Grid().at(q.x, q.y, q.z);
      ASSERT_TRUE(GameTestPeer::Dispo(t.game, a) && GameTestPeer::Dispo(t.game, b) && MatchGroup(a) == MatchGroup(b)) << k << t.Board();
      t.Click(a);
      t.Click(b);
    }
    EXPECT_EQ(t.game.TilesLeft(), 0);
  }
}

TEST(ShuffleBoard, GivesUpAndLeavesTheBoardAsItWas) {
  Table t;
  // Two tiles stacked: only the top one is free.
  t.Put("layer 1\n1\nlayer 2\n2");
  BoardGrid grid = t.game.board().Grid();
  EXPECT_EQ(GameTestPeer::ShuffleBoard(t.game), ShuffleResult::TooFewFree);
  EXPECT_EQ(t.game.board().Grid(), grid);
  EXPECT_TRUE(Consistent(t.game));

  // A tower of three and a single tile: the first pair always comes off, then nothing is
  // free but the tower's top, again and again, until the attempts run out.
  t.Put("layer 1\n1 . . . 2\nlayer 2\n3\nlayer 3\n4");
  grid = t.game.board().Grid();
  const TileRecords records = t.game.board().Records();
  EXPECT_EQ(GameTestPeer::ShuffleBoard(t.game), ShuffleResult::GaveUp);
  EXPECT_EQ(t.game.board().Grid(), grid);
  EXPECT_EQ(t.game.board().Records(), records);
}

TEST(Shuffle1Click, PenaltyAndMessageFollowTheMovesFound) {
  Table t;
  t.options.Shuffable = false;
  // Six lone tiles, all free wherever they go: groups 0 and 1 with three tiles each.
  t.Put("1 . . 2 . . 3 . . 5 . . 6 . . 7");
  t.game.clock.PenaltySeconds = 5;
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.status.StatusMessage, "Tiles shuffled. 4 new moves found.");
  EXPECT_EQ(t.game.clock.PenaltySeconds, 45);
  EXPECT_TRUE(Consistent(t.game));
  EXPECT_EQ(t.host.Only({"paint", "events"}), (std::vector<std::string>{"paint full", "events"}));

  t.Put("1 . . . . 2");
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.status.StatusMessage, "Tiles shuffled. 1 new move found.");
  EXPECT_EQ(t.game.clock.PenaltySeconds, 10);

  t.Put("layer 1\n1\nlayer 2\n2");  // stacked: no arrangement gives a move
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.status.StatusMessage, "No moves found. Try to press Back a few times.");
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_TRUE(Consistent(t.game));

  t.Put("1 . . 2 . . 3 . . 5 . . 6 . . 7");
  t.game.GameMode = ModeTwoPlayer;  // free of charge
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_EQ(t.game.status.StatusMessage, "Tiles shuffled. 4 new moves found.");

  t.Put("layer 2\n1 . . 2 . . 3 . . 5\nlayer 1\n6 . . 7");
  t.game.GameMode = ModeRivers;  // a flat 40 seconds, and every tile keeps its layer
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.clock.PenaltySeconds, 40);
  EXPECT_EQ(t.game.status.StatusMessage, "Tiles shuffled. 40 seconds penalty.");
  for (int n : {1, 2, 3, 5}) EXPECT_EQ(t.game.board().Records()[n].z, 2) << n;
  for (int n : {6, 7}) EXPECT_EQ(t.game.board().Records()[n].z, 1) << n;
  EXPECT_TRUE(Consistent(t.game));

  t.Put("1 . . 2");
  t.game.GameFinished = true;
  const TileRecords before = t.game.board().Records();
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.board().Records(), before);
}

TEST(Undo, AfterAShuffleRemovedPairsReturnWhereTheyWereTaken) {
  Table t;
  ASSERT_EQ(t.Deal(kTurtle, 77, true), DealResult::Dealt);
  const TileRecords dealt = t.game.board().Records();
  PlayPairs(t, 3);
  std::map<int, TileRecord> removed;
  for (int n = 1; n <= kTileCount; ++n)
    if (!t.game.board().Records()[n].present()) removed[n] = dealt[n];
  ASSERT_EQ(removed.size(), 6u);
  t.game.Shuffle1Click();
  ASSERT_TRUE(Consistent(t.game));
  for (int i = 0; i < 3; ++i) t.game.Back();
  EXPECT_EQ(t.game.TilesLeft(), 144);
  for (const auto& [tile, place] : removed) EXPECT_EQ(t.game.board().Records()[tile], place) << "tile " << tile;
  EXPECT_TRUE(Consistent(t.game));
}

}  // namespace
}  // namespace sorimo::test
