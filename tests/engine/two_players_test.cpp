// The two-player game: its start, the turns, and who wins.
#include <gtest/gtest.h>

#include "engine/hall_columns.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

// Eight tiles standing apart: four pairs, every tile free.
constexpr char kRow[] = R"(
layer 1 at 1,1
#..#..#..#..#..#..#..#
)";

// Takes the first pair of free matching tiles, as a player would; false when there is none.
bool TakeAPair(Table& t) {
  t.game.IsItFree();
  for (int i = 1; i <= t.game.moves.FreeCount; ++i)
    for (int j = i + 1; j <= t.game.moves.FreeCount; ++j)
      if (MatchGroup(t.game.moves.FreeTiles[i]) == MatchGroup(t.game.moves.FreeTiles[j])) {
        t.Click(t.game.moves.FreeTiles[i]);
        t.Click(t.game.moves.FreeTiles[j]);
        return true;
      }
  return false;
}

TEST(TwoPlayers, StartsAFreshGameOnTheChosenLayoutWithPlayerOneToMove) {
  Table t;
  // A classic game with penalties, an arcade list shown and player 2 left to move.
  t.game.Layout = MustLayout(kTurtle);
  ASSERT_EQ(t.game.RandomSolitaireGame1Click(), DealResult::Dealt);
  t.game.clock.PenaltySeconds = 120;
  t.game.clock.ElapsedSeconds = 300;
  t.game.ModeData<TwoPlayerState>().PlayerTwoToMove = true;
  t.game.ModeData<TwoPlayerState>().PlayerOneTime = 7000;
  t.game.BoardNumber = kRiversEasyColumn;
  t.options.LayoutChoice = 5;
  t.host.log.clear();
  t.host.now = 555000;

  ASSERT_EQ(t.game.StartMode(ModeTwoPlayer), DealResult::Dealt);
  EXPECT_EQ(t.game.GameMode, ModeTwoPlayer);
  EXPECT_EQ(t.game.TilesLeft(), 144);
  EXPECT_TRUE(Consistent(t.game));
  EXPECT_EQ(t.game.BoardNumber, 5) << "the chosen layout's list, not the arcade one";
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
  EXPECT_EQ(t.game.clock.ElapsedSeconds, 0);
  const TwoPlayerState& s = t.game.ModeData<TwoPlayerState>();
  EXPECT_FALSE(s.PlayerTwoToMove);
  EXPECT_EQ(s.PlayerOneTime, 0);
  EXPECT_EQ(s.PlayerTwoTime, 0);
  EXPECT_EQ(s.PlayerOneTurnStart, 555000u);
  EXPECT_EQ(s.PlayerTwoTurnStart, 555000u);
  EXPECT_EQ(t.game.clock.StartTick, 555000u);
  EXPECT_EQ(t.game.status.StatusMessage, TwoPlayerStartedText);
  // The deal is shown at once: no tile is drawn on its own while dealing.
  for (const std::string& e : t.host.Only({"paint"})) EXPECT_EQ(e, "paint full");

  // "New" during the game deals another two-player game; the message stays the game's own.
  t.Tick(2000);
  ASSERT_EQ(t.game.NewGame(), DealResult::Dealt);
  EXPECT_EQ(t.game.GameMode, ModeTwoPlayer);
  EXPECT_EQ(t.game.status.StatusMessage, TwoPlayerStartedText);
}

TEST(TwoPlayers, ALayoutThatCannotBeDealtLeavesTheGameInPlay) {
  Table t;
  t.game.Layout = MustLayout(kTurtle);
  ASSERT_EQ(t.game.RandomSolitaireGame1Click(), DealResult::Dealt);
  t.game.Layout = MustLayout("layer 1 at 1,1\n#.#.#\n");
  EXPECT_EQ(t.game.StartMode(ModeTwoPlayer), DealResult::OddLayout);
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  EXPECT_EQ(t.game.TilesLeft(), 144);
}

struct Finish {
  std::vector<std::string> endings;
  int hallEntries = 0;
};

// Plays the row to the end with the players taking `first` and `second` ms per turn.
Finish PlayToTheEnd(uint32_t first, uint32_t second) {
  Table t;
  t.game.Layout = MustLayout(kRow);
  EXPECT_EQ(t.game.StartMode(ModeTwoPlayer), DealResult::Dealt);
  for (int turn = 0; t.game.TilesLeft() > 0; ++turn) {
    t.host.now += turn % 2 == 0 ? first : second;
    if (!TakeAPair(t)) {
      ADD_FAILURE() << "no pair on a row" << t.Board();
      break;
    }
  }
  t.Tick();  // the status refresh notices the empty board
  Finish f;
  f.endings = t.host.Only({"game over"});
  f.hallEntries = static_cast<int>(t.host.Only({"add hall", "hall window"}).size());
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  return f;
}

TEST(TwoPlayers, TheSmallerThinkingTimeWinsAndNoResultEntersTheHall) {
  const Finish two = PlayToTheEnd(3000, 2999);
  EXPECT_EQ(two.endings,
            (std::vector<std::string>{"game over 'And the winner is... Player 2 !'", "game over closed"}));
  EXPECT_EQ(two.hallEntries, 0);
  const Finish one = PlayToTheEnd(2999, 3000);
  EXPECT_EQ(one.endings.front(), "game over 'And the winner is... Player 1 !'");
  EXPECT_EQ(one.hallEntries, 0);
  // Equal to the millisecond.
  const Finish same = PlayToTheEnd(3000, 3000);
  EXPECT_EQ(same.endings.front(), "game over 'Same score for both players !'");
}

// Failed clicks, a mismatch and a shuffle do not end the running turn.
TEST(TwoPlayers, OnlyARemovedPairEndsATurn) {
  Table t;
  t.Put("1 . . 5 . . 2 . . 6");
  t.game.GameMode = ModeTwoPlayer;
  t.game.ModeData<TwoPlayerState>().PlayerOneTurnStart = t.game.ModeData<TwoPlayerState>().PlayerTwoTurnStart = t.host.now;
  t.host.now += 1000;
  t.Click(1);
  t.Click(5);  // no match: the selection moves on
  t.Click(5, MouseButton::Right);
  t.game.Shuffle1Click();
  EXPECT_FALSE(t.game.ModeData<TwoPlayerState>().PlayerTwoToMove);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0) << "a shuffle helps both players alike";
  EXPECT_EQ(t.game.ModeData<TwoPlayerState>().PlayerOneTime, 0);
}

}  // namespace
}  // namespace sorimo::test
