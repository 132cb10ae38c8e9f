// The end of a game: when it is noticed, what the player is told, and the hall of fame.
#include <gtest/gtest.h>

#include "test_support.h"

namespace sorimo::test {
namespace {

// A two-tile game about to be won: the last pair goes at `seconds` into the game.
void WinAfter(Table& t, int seconds, int penalty) {
  t.Put("1 . . 2");
  t.game.clock.PenaltySeconds = penalty;
  t.host.now += seconds * 1000;
  t.Click(1);
  t.Click(2);
  ASSERT_EQ(t.game.TilesLeft(), 0);
  t.host.log.clear();
  t.Tick(1);  // the next tick's status refresh notices the cleared board
}

TEST(TimeText, MinutesAndSecondsWithTwoDigitsEach) {
  EXPECT_EQ(TimeText(0), "00:00");
  EXPECT_EQ(TimeText(125), "02:05");
  EXPECT_EQ(TimeText(5999), "99:59");
  EXPECT_EQ(TimeText(6000), "99:59");  // the clock stops games before this
  EXPECT_EQ(TimeText(-3), "00:00");
}

TEST(GameOver, DialogThenHallThenPanelThenHallWindow) {
  Table t;
  t.game.BoardNumber = 4;
  WinAfter(t, 85, 40);
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  EXPECT_EQ(t.game.ModeBeforePause, ModeGameOver);
  EXPECT_TRUE(t.game.GameFinished);
  EXPECT_EQ(t.host.Only({"game over", "add hall", "panel", "hall window", "welcome on"}),
            (std::vector<std::string>{"game over 'Your final time is 02:05' +hall", "game over closed",
                                      "add hall 4 125 40", "panel", "hall window", "hall window closed",
                                      "welcome on"}));
  EXPECT_EQ(t.host.fields, "||") << "the status fields are emptied";
  EXPECT_EQ(t.host.log.front(), "fond") << "the board is hidden first";

  // Later ticks and redraws do not end it again.
  t.host.log.clear();
  t.Tick();
  t.game.FullRedraw();
  EXPECT_FALSE(t.host.Has("game over 'Your final time is 02:05' +hall"));
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
}

TEST(GameOver, OnlyATotalBelowTheTenthEntersTheHall) {
  for (const int tenth : {125, 126}) {
    Table t;
    t.host.tenthTotal = tenth;
    WinAfter(t, 125, 0);
    const bool enters = 125 < tenth;
    EXPECT_EQ(t.host.Has("game over 'Your final time is 02:05' +hall"), enters) << tenth;
    EXPECT_EQ(t.host.Has("add hall 1 125 0"), enters) << tenth;
    EXPECT_EQ(t.host.Has("hall window"), enters) << tenth;
    EXPECT_TRUE(t.host.Has("game over closed"));
  }
  Table off;
  off.options.EnableHall = false;
  WinAfter(off, 10, 0);
  EXPECT_TRUE(off.host.Has("game over 'Your final time is 00:10'"));
  EXPECT_FALSE(off.host.Has("hall window"));
}

TEST(GameOver, TicksAndFocusDuringTheDialogsChangeNothing) {
  for (const uint8_t pausedBefore : {ModeStopped, ModeClassic}) {
    SCOPED_TRACE(int(pausedBefore));
    Table t;
    // Where a resume would return to: nowhere yet, or this game, paused once by hand.
    t.game.ModeBeforePause = pausedBefore;
    int dialogs = 0;
    t.host.duringGameOverDialog = [&] {
      ++dialogs;
      for (int i = 0; i < 100; ++i) t.Tick();  // the modal loop keeps ticking
      FormDeactivate(t.game);
    };
    t.host.duringHallWindow = [&] {
      FormActivate(t.game);  // the main window gets the focus back: a nested end only
      t.Tick();
    };
    WinAfter(t, 61, 0);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(t.host.Count("add hall 1 61 0"), 1);
    EXPECT_EQ(t.game.clock.ElapsedSeconds, 61);
    EXPECT_EQ(t.game.GameMode, ModeGameOver);
  }
}

TEST(GameOver, ABoardClearedInTheFirstSecondEndsWhenTheClockReachesOne) {
  Table t;
  t.Put("1 . . 2");
  t.host.now += 400;
  t.Click(1);
  t.Click(2);
  t.Tick(100);
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  EXPECT_FALSE(t.host.Has("game over closed"));
  t.Tick(500);
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  EXPECT_TRUE(t.host.Has("game over 'Your final time is 00:01' +hall"));
}

// Whatever redraws the board while a game is paused (a look option, a dialog's choice), the
// game waits under the cover and goes on where it was.
TEST(GameOver, ARedrawWhilePausedKeepsTheGamePaused) {
  Table t;
  t.Put("1 . . 2 . . 5 . . 6");
  t.Tick(3000);
  t.Click(1);
  t.game.PauseClick();
  ASSERT_EQ(t.game.GameMode, ModePaused);
  t.host.log.clear();
  t.game.FullRedraw();
  t.game.RedrawTile(5);
  EXPECT_EQ(t.game.GameMode, ModePaused);
  EXPECT_FALSE(t.game.GameFinished);
  EXPECT_TRUE(t.host.Only({"paint"}).empty()) << "the paused board is never shown";
  EXPECT_EQ(t.host.Count("fond"), 2);
  t.host.now += 60000;
  t.game.PauseClick();
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  EXPECT_EQ(t.game.choice.FirstSelected, 1) << "the selection waited too";
  EXPECT_EQ(t.host.Only({"paint"}), std::vector<std::string>{"paint full"});
  t.Tick(1);
  EXPECT_EQ(t.game.clock.ElapsedSeconds, 3);
}

// However a game ends, the "no more moves" warning stops swinging.
TEST(GameOver, TheNoMoreMovesWarningStopsWithTheGame) {
  for (const bool stop : {true, false}) {
    Table t;
    t.Put("1 . . 5");
    t.Tick(1000);
    ASSERT_TRUE(t.game.status.StatusBounce);
    if (stop) {
      t.game.Stop();
    } else {
      t.game.GameFinished = true;
      t.game.FullRedraw();
      ASSERT_EQ(t.game.GameMode, ModeGameOver);
    }
    EXPECT_FALSE(t.game.status.StatusBounce);
    EXPECT_EQ(t.host.statusLine, "");
    for (int i = 0; i < 10; ++i) t.Tick();
    EXPECT_EQ(t.host.statusLine, "") << "the warning does not come back";
  }
}

TEST(Stop, EndsWithoutScoreAndTellsTheWindow) {
  Table t;
  t.Put("1 . . 2");
  t.game.PauseClick();
  t.host.log.clear();
  t.game.Stop();
  EXPECT_EQ(t.game.GameMode, ModeStopped);
  EXPECT_EQ(t.host.Only({"changed", "welcome on", "panel"}),
            (std::vector<std::string>{"welcome on", "changed", "panel"}));
  EXPECT_FALSE(t.host.Has("game over closed"));
}

}  // namespace
}  // namespace sorimo::test
