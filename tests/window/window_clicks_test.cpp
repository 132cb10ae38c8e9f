// Mah-Jongg Clicks in the real window: its start commands, its grid on the board image,
// clicks where the pictures are drawn, and the end of a cleared grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QToolButton>

#include "app/window/status_bar.h"
#include "app/window/welcome_panel.h"
#include "engine/hall_columns.h"
#include "engine/modes/clicks_grid.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

// The middle of the picture of cell (C, R) in the board image.
QPoint CellPoint(const Game& g, int c, int r) {
  return {32 * (c - 1) - 8 + 19 + g.BoardOrigin.x, 32 * (r - 1) - 16 + 19 + g.BoardOrigin.y};
}

TEST(WindowClicks, EachStartCommandPlaysItsListAndNewRepeatsIt) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const int layout = w->game().BoardNumber;
  struct Start {
    const char* what;
    std::function<void()> run;
    int column;
  };
  const std::vector<Start> starts = {
      {"menu Easy", [&] { w->action("MahJonggClicks1")->trigger(); }, kClicksEasyColumn},
      {"menu Hard", [&] { w->action("MahJonggClicksHard1")->trigger(); }, kClicksHardColumn},
      {"welcome Easy", [&] { w->welcome()->button("BitBtn7")->click(); }, kClicksEasyColumn},
      {"welcome Hard", [&] { w->welcome()->button("BitBtn10")->click(); }, kClicksHardColumn},
      {"New", [&] { w->toolButton("ExplorerButton1")->click(); }, kClicksHardColumn},
  };
  for (const Start& s : starts) {
    SCOPED_TRACE(s.what);
    if (std::string(s.what).rfind("welcome", 0) == 0) w->game().Stop();  // the panel is back
    s.run();
    EXPECT_EQ(w->game().GameMode, ModeClicks);
    EXPECT_EQ(w->game().BoardNumber, s.column);
    EXPECT_EQ(w->game().SavedBoardNumber, layout);
    EXPECT_FALSE(w->welcome()->isVisible());
  }
  EXPECT_EQ(w->action("MahJonggClicks1")->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(w->action("MahJonggClicksHard1")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F5));

  // A classic game afterwards plays the layout's list again.
  StartClassic(w);
  EXPECT_EQ(w->game().BoardNumber, layout);
}

TEST(WindowClicks, TheShortcutsStartEasyAndHard) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->activateWindow();
  QTest::keyClick(w.window.get(), Qt::Key_F5, Qt::ShiftModifier);
  EXPECT_EQ(w->game().GameMode, ModeClicks);
  EXPECT_EQ(w->game().BoardNumber, kClicksHardColumn);
  QTest::keyClick(w.window.get(), Qt::Key_F5);
  EXPECT_EQ(w->game().BoardNumber, kClicksEasyColumn);
}

TEST(WindowClicks, TheGridIsDrawnWithItsPicturesAndTheStatusBarCountsTiles) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->options().Moves = true;
  w->action("MahJonggClicksHard1")->trigger();
  Game& g = w->game();
  w.Tick();
  EXPECT_EQ(w->statusLine()->tiles(), "216");
  EXPECT_EQ(w->statusLine()->moves(), QString::number(CountGroups(g.ModeData<ClicksState>().Grid)));
  EXPECT_EQ(w->statusLine()->time(), "") << "Clicks scores tiles, not time";

  // The middle of each cell shows the middle of its colour's picture.
  const QImage board = w->boardImage()->grab().toImage();
  for (const auto& [c, r] : {std::pair{2, 2}, std::pair{19, 13}, std::pair{10, 7}}) {
    const int v = ClicksAt(g.ModeData<ClicksState>().Grid, c, r);
    const QImage picture(QString(":/clicks%1.png").arg(v));
    const QPoint p = CellPoint(g, c, r);
    EXPECT_EQ(board.pixel(p) & 0xFFFFFF, picture.pixel(19, 19) & 0xFFFFFF) << c << "," << r << " colour " << v;
  }
}

TEST(WindowClicks, AClearedGridReachesTheTopAndEntersTheHallOfFame) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("MahJonggClicks1")->trigger();
  Game& g = w->game();
  ClicksGrid& grid = g.ModeData<ClicksState>().Grid;
  grid.fill(0);
  grid[size_t(ClicksIndex(2, 13))] = grid[size_t(ClicksIndex(3, 13))] = grid[size_t(ClicksIndex(3, 12))] = 4;
  g.ModeData<ClicksState>().TilesLeft = g.ModeData<ClicksState>().TilesTotal = 3;
  w.Tick();
  QTest::mouseClick(w->boardImage(), Qt::LeftButton, Qt::NoModifier, CellPoint(g, 3, 12));
  EXPECT_EQ(g.TilesLeft(), 0);
  ASSERT_EQ(desktop.gameOvers.size(), 1u);
  EXPECT_EQ(desktop.gameOvers[0], "You reached the top ! Great ! +hall");
  EXPECT_EQ(g.GameMode, ModeGameOver);
  EXPECT_EQ(HallEntryTotal(w->hallTable().At(1, kClicksEasyColumn)), 0);
}

// With no group left the player is asked whether to give up. The question takes the focus
// from the window: that must not pause the game it asks about, the grid stays in sight, and
// No takes the last move back so that play goes on, without being asked again.
TEST(WindowClicks, NoToTheGiveUpQuestionTakesTheMoveBackUnderAFocusChange) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QApplication::setActiveWindow(w.window.get());
  w->action("MahJonggClicks1")->trigger();
  Game& g = w->game();
  ClicksGrid& grid = g.ModeData<ClicksState>().Grid;
  // One group of two and two lone tiles of other colours: after the group goes, no move is left.
  grid.fill(0);
  grid[size_t(ClicksIndex(2, 13))] = grid[size_t(ClicksIndex(3, 13))] = 4;
  grid[size_t(ClicksIndex(4, 13))] = 1;
  grid[size_t(ClicksIndex(5, 13))] = 2;
  g.ModeData<ClicksState>().TilesLeft = g.ModeData<ClicksState>().TilesTotal = 4;
  const ClicksGrid before = grid;
  w.Tick();
  QTest::mouseClick(w->boardImage(), Qt::LeftButton, Qt::NoModifier, CellPoint(g, 3, 13));
  ASSERT_EQ(g.TilesLeft(), 2);

  uint8_t modeDuring = 0;
  QRgb cellDuring = 0;
  const int lone = ClicksAt(grid, 2, 13);  // the lone tile fell into the first column
  desktop.duringQuestion = [&] {
    QWidget question;
    question.show();
    QApplication::setActiveWindow(&question);
    QApplication::processEvents();
    w.Tick();
    modeDuring = g.GameMode;
    cellDuring = w->boardImage()->grab().toImage().pixel(CellPoint(g, 2, 13));
  };
  desktop.answers = {false};
  w.Tick();
  desktop.duringQuestion = nullptr;
  ASSERT_EQ(desktop.questions.size(), 1u);
  EXPECT_EQ(modeDuring, ModeClicks) << "the question paused the game";
  EXPECT_EQ(cellDuring & 0xFFFFFF, QImage(QString(":/clicks%1.png").arg(lone)).pixel(19, 19) & 0xFFFFFF)
      << "the grid is hidden behind the question";
  EXPECT_TRUE(grid == before) << "No takes the move back";
  EXPECT_EQ(g.TilesLeft(), 4);

  QApplication::setActiveWindow(w.window.get());
  QApplication::processEvents();
  w.Tick(3);
  EXPECT_EQ(desktop.questions.size(), 1u) << "asked again";
  EXPECT_EQ(g.GameMode, ModeClicks);
  QTest::mouseClick(w->boardImage(), Qt::LeftButton, Qt::NoModifier, CellPoint(g, 2, 13));
  EXPECT_EQ(g.TilesLeft(), 2) << "play goes on";
}

}  // namespace
}  // namespace sorimo::testing
