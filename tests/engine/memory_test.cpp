// Mah-Jongg Memory: the deal, turning tiles up, the half second, and the end.
#include <gtest/gtest.h>

#include <set>

#include "engine/hall_columns.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

struct MemoryTable : Table {
  explicit MemoryTable(int32_t column = kMemoryEasyColumn) {
    game.Layout = MustLayout(kTurtle);
    game.BoardNumber = 7;
    EXPECT_EQ(game.StartMode(ModeMemory, column), DealResult::Dealt);
  }
  // The ten ticks of the half second.
  void Wait() {
    for (int i = 0; i < 10; ++i) Tick();
  }
};

TEST(Memory, EasyAndHardDealTheirTilesIntoTheirBlockFaceDown) {
  struct Expect {
    int32_t column;
    int tiles, left, right, top, bottom;
  };
  for (const Expect& e : {Expect{kMemoryEasyColumn, 32, 10, 24, 7, 13}, Expect{kMemoryHardColumn, 84, 4, 30, 5, 15}}) {
    MemoryTable t(e.column);
    Game& g = t.game;
    EXPECT_EQ(g.GameMode, ModeMemory);
    EXPECT_EQ(g.BoardNumber, e.column);
    EXPECT_EQ(g.SavedBoardNumber, 7) << "the layout's list to come back to";
    EXPECT_EQ(g.TilesLeft(), e.tiles);
    EXPECT_EQ(g.TilesTotal(), e.tiles);
    EXPECT_EQ(g.status.StatusMessage, MemoryStartedText);
    EXPECT_TRUE(Consistent(g));
    std::set<std::pair<int, int>> places;
    for (int n = 1; n <= kTileCount; ++n) {
      const TileRecord& r = g.board().Records()[n];
      if (n > e.tiles) {
        EXPECT_EQ(r.x, 0) << "tile " << n << " is not dealt";
        continue;
      }
      EXPECT_EQ(r.z, 1);
      EXPECT_TRUE(r.x >= e.left && r.x <= e.right && r.x % 2 == 0) << n << " at " << int(r.x);
      EXPECT_TRUE(r.y >= e.top && r.y <= e.bottom && r.y % 2 == 1) << n << " at " << int(r.y);
      places.insert({r.x, r.y});
    }
    EXPECT_EQ(places.size(), size_t(e.tiles)) << "the block is full: every place holds one tile";
  }
}

TEST(Memory, NewKeepsTheListAndASenderChangesIt) {
  MemoryTable t(kMemoryHardColumn);
  ASSERT_EQ(t.game.NewGame(), DealResult::Dealt);
  EXPECT_EQ(t.game.TilesLeft(), 84);
  EXPECT_EQ(t.game.BoardNumber, kMemoryHardColumn);
  ASSERT_EQ(t.game.StartMode(ModeMemory, kMemoryEasyColumn), DealResult::Dealt);
  EXPECT_EQ(t.game.TilesLeft(), 32);
  EXPECT_EQ(t.game.SavedBoardNumber, 7) << "an arcade list is never saved as the layout's";
}

TEST(Memory, TheRevealedTileClickedAgainChangesNothing) {
  MemoryTable t;
  t.Click(1);
  EXPECT_EQ(t.game.choice.FirstSelected, 1);
  EXPECT_EQ(t.host.Sounds(), std::vector<std::string>{"sound select"});
  t.Click(1);
  EXPECT_EQ(t.game.ModeData<MemoryState>().RevealCountdown, 0);
  EXPECT_EQ(t.game.choice.FirstSelected, 1) << "it stays face up";
  EXPECT_EQ(t.host.Sounds().size(), 1u);
  // The next tile is the second one.
  t.Click(2);
  EXPECT_EQ(t.game.choice.SecondSelected, 2);
  EXPECT_EQ(t.game.ModeData<MemoryState>().RevealCountdown, 10);
}

TEST(Memory, ClicksDuringTheHalfSecondAreLostAndAPairGoes) {
  MemoryTable t;
  t.Click(1);
  t.Click(2);  // the same group: a pair
  for (int tick = 1; tick < 10; ++tick) {
    t.Tick();
    t.Click(5);  // a third tile
    t.Click(1, MouseButton::Right);
    ASSERT_EQ(t.game.choice.FirstSelected, 1) << "tick " << tick;
    ASSERT_EQ(t.game.choice.SecondSelected, 2) << "tick " << tick;
  }
  EXPECT_EQ(t.game.TilesLeft(), 32);
  t.Tick();
  EXPECT_EQ(t.game.TilesLeft(), 30);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.choice.SecondSelected, 0);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_EQ(t.host.Sounds(), (std::vector<std::string>{"sound select", "sound select", "sound done"}));
  EXPECT_EQ(t.game.MoveHistory()[0].tile, 1);
  EXPECT_EQ(t.game.MoveHistory()[1].tile, 2);
  EXPECT_TRUE(Consistent(t.game));
}

TEST(Memory, AMismatchTurnsBothBackForTwoSeconds) {
  MemoryTable t;
  t.Click(1);
  t.Click(5);  // another group
  t.host.log.clear();
  t.Wait();
  EXPECT_EQ(t.game.TilesLeft(), 32);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 2);
  EXPECT_TRUE(t.host.Sounds().empty()) << "turning back makes no sound";
  EXPECT_TRUE(t.host.Has("paint full")) << "both face down again";
  // A right click keeps tiles face up; it only redraws.
  t.Click(9);
  t.Click(9, MouseButton::Right);
  EXPECT_EQ(t.game.choice.FirstSelected, 9);
}

TEST(Memory, UndoHintShuffleAndTheMovesCountDoNothing) {
  MemoryTable t;
  t.Click(1);
  t.Click(2);
  t.Wait();
  ASSERT_EQ(t.game.TilesLeft(), 30);
  t.game.Back();
  t.game.Restart();
  t.game.Hint();
  t.game.Shuffle1Click();
  EXPECT_EQ(t.game.TilesLeft(), 30);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_EQ(t.game.choice.HintFirst, 0);
  EXPECT_TRUE(Consistent(t.game));
}

TEST(Memory, AClearedBoardEndsWithTheTimeInTheMemoryList) {
  MemoryTable t(kMemoryEasyColumn);
  t.host.now += 61000;
  for (int a = 1; a <= 31; a += 2) {
    t.Click(a);
    t.Click(a + 1);
    t.Wait();
  }
  ASSERT_EQ(t.game.TilesLeft(), 0);
  t.Tick();
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  const auto over = t.host.Only({"game over '", "add hall"});
  ASSERT_EQ(over.size(), 2u);
  // 61 seconds of thinking and sixteen half seconds of looking.
  EXPECT_EQ(over[0], "game over 'Your final time is 01:09' +hall");
  EXPECT_EQ(over[1], "add hall 110 69 0");
}

}  // namespace
}  // namespace sorimo::test
