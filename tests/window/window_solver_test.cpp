// The solver in the real window: the warning of a lost board, "Solve this board", and the
// keys and clicks that stop it.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <fstream>

#include "app/window/status_bar.h"
#include "tests/support/board_text.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

// Tile 1 lies on tile 2; 3 and 4 complete their group; 5 to 8 are free. Taking 3 with 4
// loses the board, and the second group still gives moves after that.
void PutTrap(Window& w) {
  const auto board = BoardFromText(R"(
    layer 1 at 8,6
    2 . . . 3 . . . 4 . . . 5 . . . 6 . . . 7 . . . 8
    layer 2 at 8,6
    1
  )");
  ASSERT_TRUE(board);
  Game& g = w->game();
  g.board() = BoardOf(*board);
  g.FullRedraw();
}

TEST(WindowSolver, TheWarningComesOnTheLosingClickAndIsKeptInTheSettings) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_FALSE(w->options().WarnUnclearable) << "off by default";
  QAction* warn = w->action("WarnUnclearable");
  ASSERT_NE(warn, nullptr);
  EXPECT_EQ(warn->text(), "Warn when the board can no longer be cleared");
  warn->trigger();
  EXPECT_TRUE(w->options().WarnUnclearable);
  EXPECT_TRUE(warn->isChecked());

  StartClassic(w);
  PutTrap(w);
  const std::string lost = "This board can no longer be cleared: press Back once.";
  w.ClickTile(5);
  w.ClickTile(6);
  w.Tick(80);  // long enough for any message to slide in whole
  EXPECT_NE(w->statusLine()->message().toStdString(), lost);
  w.ClickTile(3);
  w.ClickTile(4);
  w.Tick(80);
  EXPECT_EQ(w->statusLine()->message().toStdString(), lost);

  w.Close();
  const std::string ini = ReadFile(folder.path() / "Sorimo.ini");
  const size_t previousRes = ini.find("PreviousRes=");
  const size_t key = ini.find("WarnUnclearable=1");
  ASSERT_NE(key, std::string::npos) << ini;
  EXPECT_LT(previousRes, key) << "after the 44 keys";
}

TEST(WindowSolver, SolveThisBoardClearsAWinnableBoardAndEntersNothingInTheHall) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QAction* solve = w->action("SolveBoard1");
  ASSERT_NE(solve, nullptr);
  EXPECT_FALSE(solve->isEnabled()) << "no game yet";
  w->action("Winnable")->trigger();
  StartClassic(w);
  Game& g = w->game();
  ASSERT_EQ(g.TilesLeft(), 144);
  EXPECT_TRUE(solve->isEnabled());
  const int column = g.BoardNumber;
  const std::string bestBefore = w->hallTable().At(1, column);

  desktop.now += 20 * 1000;
  w.Tick();
  solve->trigger();
  ASSERT_TRUE(g.aid.SolvePlay.running);
  for (int ticks = 0; g.TilesLeft() > 0 && ticks < 5000; ++ticks) w.Tick();
  EXPECT_EQ(g.TilesLeft(), 0);
  w.Tick(2);
  ASSERT_EQ(desktop.gameOvers.size(), 1u);
  EXPECT_EQ(desktop.gameOvers[0].find("+hall"), std::string::npos) << desktop.gameOvers[0];
  EXPECT_NE(desktop.gameOvers[0].find(std::string(" no hall: ") + SolverUsedNoHallText), std::string::npos)
      << "the dialog says why: " << desktop.gameOvers[0];
  EXPECT_EQ(desktop.hallWindows, 0);
  w.Tick(100);  // the status line has its whole say
  EXPECT_EQ(w->statusLine()->message(), SolvedText) << "nothing is left to stop";
  EXPECT_EQ(w->hallTable().At(1, column), bestBefore);
  EXPECT_EQ(g.GameMode, ModeGameOver);
  EXPECT_FALSE(solve->isEnabled());
}

TEST(WindowSolver, AnyKeyOrClickOnlyStopsIt) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("Winnable")->trigger();
  StartClassic(w);
  Game& g = w->game();
  QAction* solve = w->action("SolveBoard1");

  // A key: the solver stops and the key does nothing else (Space would click the cursor's tile).
  solve->trigger();
  w.Tick(8);
  ASSERT_NE(g.choice.FirstSelected, 0) << "the first tile is shown";
  QTest::keyClick(w->boardImage(), Qt::Key_Space);
  EXPECT_FALSE(g.aid.SolvePlay.running);
  EXPECT_EQ(g.choice.FirstSelected, 0);
  EXPECT_EQ(g.Cursor.tile, 0) << "the key moved no cursor";
  EXPECT_EQ(g.TilesLeft(), 144);
  w.Tick(20);
  EXPECT_EQ(g.TilesLeft(), 144);

  // A click on the board takes no tile.
  solve->trigger();
  w.Tick(8);
  const int shown = g.choice.FirstSelected;
  ASSERT_NE(shown, 0);
  const TilePair pair = g.aid.SolvePlay.order.front();
  w.ClickTile(pair.second);
  EXPECT_FALSE(g.aid.SolvePlay.running);
  EXPECT_EQ(g.choice.FirstSelected, 0);
  EXPECT_EQ(g.TilesLeft(), 144);

  // A click on the menu bar opens no menu.
  solve->trigger();
  QTest::mouseClick(w->menuBar(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
  EXPECT_FALSE(g.aid.SolvePlay.running);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  // A command stops it and then does its own work; the solve command only stops it.
  solve->trigger();
  w.Tick(16);
  ASSERT_EQ(g.TilesLeft(), 142);
  w->action("Undo1")->trigger();
  EXPECT_FALSE(g.aid.SolvePlay.running);
  EXPECT_EQ(g.TilesLeft(), 144);
  solve->trigger();
  ASSERT_TRUE(g.aid.SolvePlay.running);
  solve->trigger();
  EXPECT_FALSE(g.aid.SolvePlay.running);
  EXPECT_EQ(w->statusLine()->message().isEmpty(), false);
}

}  // namespace
}  // namespace sorimo::testing
