// The living game in the real window: the clock and the status line, pause on losing the
// focus, hints, the hall of fame windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTest>
#include <QToolButton>

#include "app/window/side_panel.h"
#include "app/window/status_bar.h"
#include "app/window/welcome_panel.h"
#include "tests/support/window_test_peer.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

TEST(WindowClock, LosingTheFocusPausesAndGettingItBackResumesWithTheClockUnchanged) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QApplication::setActiveWindow(w.window.get());
  StartClassic(w);
  desktop.now += 83 * 1000;
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "01:23");

  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  QApplication::processEvents();
  EXPECT_EQ(w->game().GameMode, ModePaused);
  EXPECT_EQ(w->action("Pause1")->text(), "&Continue");
  EXPECT_EQ(w->toolButton("PauseButton")->text(), "Play");
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "");  // no time while paused

  desktop.now += 10 * 60 * 1000;  // ten minutes away
  QApplication::setActiveWindow(w.window.get());
  QApplication::processEvents();
  EXPECT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_EQ(w->action("Pause1")->text(), "&Pause");
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "01:23");
}

// Between the beats that can show something new the program sleeps: on the welcome panel
// until an event, in a game until the clock's next second; the player's input wakes the next
// beat.
TEST(WindowClock, TheTickSleepsUntilSomethingCanChangeAndInputWakesIt) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->options().PlayMusic = false;  // a playing piece is watched on every beat
  const auto settle = [&] {  // the status text stands still; the next tick finds so
    w->game().status.StatusPosition = 1;
    QTest::qWait(120);
  };
  settle();
  EXPECT_EQ(TSorimoTestPeer::NextTickIn(*w), -1);
  QTest::mouseMove(w->boardImage(), QPoint(100, 100));
  EXPECT_GE(TSorimoTestPeer::NextTickIn(*w), 0);
  EXPECT_LE(TSorimoTestPeer::NextTickIn(*w), 51);  // a beat, and the millisecond past it

  StartClassic(w);
  settle();
  EXPECT_GT(TSorimoTestPeer::NextTickIn(*w), 50);
  EXPECT_LE(TSorimoTestPeer::NextTickIn(*w), 1001);
}

// The pause command and button always say what they will do, whatever paused the game, and
// the menu shows the toolbar's picture.
TEST(WindowClock, ThePauseCommandReadsWhatItWillDo) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const auto reads = [&](const char* item, const char* button) {
    EXPECT_EQ(w->action("Pause1")->text(), item);
    EXPECT_EQ(w->toolButton("PauseButton")->text(), button);
    EXPECT_EQ(w->action("Pause1")->icon().cacheKey(), w->toolButton("PauseButton")->icon().cacheKey());
    EXPECT_TRUE(w->action("Pause1")->isEnabled());
  };
  StartClassic(w);
  reads("&Pause", "Pause");
  w->action("Pause1")->trigger();
  ASSERT_EQ(w->game().GameMode, ModePaused);
  reads("&Continue", "Play");
  w->action("Stoppe")->trigger();  // stopping a paused game leaves nothing to continue
  ASSERT_EQ(w->game().GameMode, ModeStopped);
  reads("&Pause", "Pause");

  StartClassic(w);
  w->action("Pause1")->trigger();
  w->action("RandomSolitaireGame1")->trigger();  // a new game over a paused one runs
  ASSERT_EQ(w->game().GameMode, ModeClassic);
  reads("&Pause", "Pause");

  // A finished game is wound up under its dialogs; there is nothing to continue meanwhile.
  desktop.now += 5000;
  w.Tick();
  std::string duringDialog;
  desktop.duringGameOver = [&] { duringDialog = w->action("Pause1")->text().toStdString(); };
  w->game().board().NewDeal(w->game().TilesTotal());  // every tile gone
  w.Tick();
  ASSERT_EQ(desktop.gameOvers.size(), 1u);
  EXPECT_EQ(duringDialog, "&Pause");
  reads("&Pause", "Pause");
}

TEST(WindowClock, AHintMakesTheShownTimeJumpByFortySeconds) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("Winnable")->trigger();  // a winnable deal always has a move at the start
  StartClassic(w);
  desktop.now += 5000;
  w.Tick();
  ASSERT_EQ(w->statusLine()->time(), "00:05");
  ASSERT_GT(w->game().moves.MovesLeft, 0);
  w->action("GiveHint")->trigger();
  EXPECT_NE(w->game().choice.HintFirst, 0);
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "00:45");
}

// F4 and Shift+F4 start Memory on its two lists; a mismatch shows as a jump of 00:02.
TEST(WindowClock, AMemoryMismatchMakesTheShownTimeJumpByTwoSeconds) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const int32_t layoutList = w->game().BoardNumber;
  QAction* hard = w->action("MahJonggMemoryNewGameHard1");
  EXPECT_EQ(hard->shortcut(), QKeySequence("Shift+F4"));
  hard->trigger();
  EXPECT_EQ(w->game().BoardNumber, kMemoryHardColumn);
  EXPECT_EQ(w->game().TilesLeft(), 84);
  QAction* easy = w->action("MahJonggMemoryNewGame1");
  EXPECT_EQ(easy->shortcut(), QKeySequence("F4"));
  easy->trigger();
  Game& g = w->game();
  ASSERT_EQ(g.GameMode, ModeMemory);
  EXPECT_EQ(g.BoardNumber, kMemoryEasyColumn);
  EXPECT_EQ(g.TilesLeft(), 32);
  EXPECT_EQ(g.SavedBoardNumber, layoutList);

  desktop.now += 5000;
  w.Tick();
  ASSERT_EQ(w->statusLine()->time(), "00:05");
  w.ClickTile(1);
  w.ClickTile(5);  // another group
  EXPECT_EQ(g.ModeData<MemoryState>().RevealCountdown, 10);
  w.Tick(10);  // half a second
  EXPECT_EQ(g.choice.FirstSelected, 0);
  EXPECT_EQ(w->statusLine()->time(), "00:07");
}

TEST(WindowClock, TheNoMoreMovesMessageSwingsInTheStatusLine) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  // Leave two tiles of different groups on the board: no move is left.
  for (int t = 1; t <= kTileCount; ++t) {
    const TileRecord r = g.board().Records()[size_t(t)];
    if (t == 1 || t == 5 || !r.present()) continue;
    g.board().TakeTile(t);
  }
  w.Tick();
  EXPECT_EQ(g.moves.MovesLeft, 0);
  EXPECT_TRUE(g.status.StatusBounce);
  std::vector<QString> shown;
  for (int i = 0; i < 70; ++i) {
    w.Tick();
    shown.push_back(w->statusLine()->message());
  }
  const QString whole = QString::fromLatin1(NoMovesText);
  // The visible tail grows to the whole text and shrinks back again.
  EXPECT_NE(std::find(shown.begin(), shown.end(), whole), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), whole.right(2)), shown.end());
  const auto longest = std::find(shown.begin(), shown.end(), whole);
  EXPECT_NE(std::find(longest, shown.end(), whole.right(2)), shown.end());
}

TEST(WindowClock, OpeningTheHallOfFameDuringAGamePausesAndResumesIt) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  uint8_t modeDuring = 0;
  w->desktop().hallWindow = [&](bool afterWin) {
    EXPECT_FALSE(afterWin);
    modeDuring = w->game().GameMode;
  };
  w->toolButton("HallFameButton")->click();
  EXPECT_EQ(modeDuring, ModePaused);
  EXPECT_EQ(w->game().GameMode, ModeClassic);
}

TEST(WindowClock, TheSidePanelShowsTheListAndAGirlWhoseMoodFollowsTheGame) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  w.Tick();
  const QImage& panel = w->findChild<SidePanel*>("HofBox")->shown();
  ASSERT_EQ(panel.size(), QSize(92, 472));
  // Something is drawn over the backdrop where the girl stands, and where the names are.
  const QImage& clean = w->findChild<SidePanel*>("HofBox")->HofPic();
  auto differs = [&](int top, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 92; ++x)
        if (panel.pixel(x, y) != clean.pixel(x, y)) return true;
    return false;
  };
  EXPECT_TRUE(differs(302, 468));
  EXPECT_TRUE(differs(0, 300));
  // Without the girls the title "HALL OF FAME" is written instead, and the bottom stays clean.
  w->action("ShowGirls")->trigger();
  EXPECT_FALSE(differs(302 + 100, 468));
}

// In a two-player game the bottom strip shows both labels and clocks; the label of the
// player to move blinks once a second, the clock of the player waiting stands.
TEST(WindowClock, TheTwoPlayerStripBlinksThePlayerToMove) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  desktop.now = 100000;  // a whole second: the label of player 1 is off for half of it
  w->action("MahJonggSolitaire2PlayerSingleComputer1")->trigger();
  ASSERT_EQ(w->game().GameMode, ModeTwoPlayer);
  SidePanel* hof = w->findChild<SidePanel*>("HofBox");
  // Pixels of the label colour in a band of the strip.
  auto coloured = [&](QRgb colour, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 92; ++x)
        if (hof->shown().pixel(x, y) == colour) ++n;
    return n;
  };
  const QRgb yellow = qRgb(255, 255, 0), cyan = qRgb(0, 255, 255);
  w.Tick(2);  // 100 ms into the second: player 1's label is hidden
  EXPECT_EQ(coloured(yellow, 380, 402), 0);
  EXPECT_GT(coloured(cyan, 422, 444), 10) << "the waiting player's label stands";
  w.Tick(10);  // 600 ms: shown
  EXPECT_GT(coloured(yellow, 380, 402), 10);
  // Nothing of the strip is drawn above it, where the list is.
  const QImage above = hof->shown().copy(0, 0, 92, 380);
  w.Tick(10);
  EXPECT_EQ(hof->shown().copy(0, 0, 92, 380), above);
}

}  // namespace
}  // namespace sorimo::testing
