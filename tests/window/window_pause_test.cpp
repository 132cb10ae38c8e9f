// A paused game under the window's own commands: nothing a player does to the look of the
// program ends it, and it goes on where it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/window/status_bar.h"
#include "app/window/welcome_panel.h"
#include "window_test_support.h"

namespace sorimo::testing {
namespace {

TEST(WindowPause, ChangingTheLookWhilePausedKeepsTheGame) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  const BoardGrid dealt = g.board().Grid();
  desktop.now += 42 * 1000;
  w.Tick();
  w->action("Pause1")->trigger();
  ASSERT_EQ(g.GameMode, ModePaused);

  // The toolbar, the side panel, shadows, a highlight style, a background and a tileset.
  for (const char* item : {"Toolbar1", "ShowHallFame", "Shadows", "Highlight2", "Dragons1", "MahJongg1", "None1",
                           "Toolbar1", "ShowHallFame", "Shadows"}) {
    w->action(item)->trigger();
    EXPECT_EQ(g.GameMode, ModePaused) << item;
    EXPECT_FALSE(g.GameFinished) << item;
  }
  EXPECT_FALSE(w->welcome()->isVisible());
  EXPECT_EQ(w->action("Pause1")->text(), "&Continue");

  desktop.now += 5 * 60 * 1000;
  w->action("Pause1")->trigger();
  EXPECT_EQ(g.GameMode, ModeClassic);
  EXPECT_TRUE(g.board().Grid() == dealt) << "the same game goes on";
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "00:42");
}

// Once a game is on the board, the keys that press a focused button (Space, Return, Enter)
// reach nothing that could deal a new game over it.
TEST(WindowKeys, SpaceOrEnterNeverReplaceTheGameInPlay) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QApplication::setActiveWindow(w.window.get());
  ASSERT_TRUE(w->welcome()->isVisible());
  QTest::mouseClick(w->welcome()->button("BitBtn1"), Qt::LeftButton);
  Game& g = w->game();
  ASSERT_EQ(g.GameMode, ModeClassic);
  ASSERT_FALSE(w->welcome()->isVisible());
  const BoardGrid dealt = g.board().Grid();
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    // The key goes where the keyboard focus is; a hidden welcome button would still click.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == nullptr || !w->welcome()->isAncestorOf(focus)) << "the welcome panel keeps the keys";
    QTest::keyClick(focus ? focus : w.window.get(), key);
    QApplication::processEvents();
    EXPECT_TRUE(g.board().Grid() == dealt) << "key " << key;
    EXPECT_EQ(g.GameMode, ModeClassic);
  }
}

// After Back, the pointer's rectangle is only where the pointer is.
TEST(WindowPointer, BackLeavesNoRectangleWhereThePointerIsNot) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("RandomSolitaireGame1")->trigger();
  Game& g = w->game();
  // A free pair, one of whose tiles stands on another: once the pair is taken, the pointer
  // rests on the tile below, and Back covers that tile again.
  int a = 0, b = 0;
  for (int deal = 0; deal < 50 && a == 0; ++deal) {
    w->action("RandomSolitaireGame1")->trigger();
    g.IsItFree();
    for (int i = 1; i < g.moves.FreeCount && a == 0; ++i) {
      const int s = g.moves.FreeTiles[size_t(i)], t = g.moves.FreeTiles[size_t(i + 1)];
      if (MatchGroup(s) != MatchGroup(t)) continue;
      if (g.board().Records()[size_t(s)].z > 1 || g.board().Records()[size_t(t)].z > 1) {
        a = g.board().Records()[size_t(s)].z > 1 ? s : t;
        b = a == s ? t : s;
      }
    }
  }
  ASSERT_NE(a, 0);
  const TileRecord ra = g.board().Records()[size_t(a)];
  const int px = CoordX(ra.x - 1, ra.z - 1, g.BoardOrigin.x) + 20, py = CoordY(ra.y - 1, ra.z - 1, g.BoardOrigin.y) + 25;
  w.ClickTile(a);
  w.ClickTile(b);
  ASSERT_FALSE(g.board().Records()[size_t(a)].present());
  TSorimoTestPeer::PointerAt(*w, px, py);  // over the place where tile a was: the tile below it
  ASSERT_NE(g.choice.HoverTile, 0);
  ASSERT_NE(g.choice.HoverTile, a);
  w->action("Undo1")->trigger();
  ASSERT_TRUE(g.board().Records()[size_t(a)].present());
  EXPECT_EQ(g.choice.HoverTile, 0) << "no rectangle is left on a tile the pointer has not been over";
  TSorimoTestPeer::PointerAt(*w, px, py);  // the pointer moves on the tile that came back
  EXPECT_EQ(g.choice.HoverTile, a);
}

// Off the board picture, onto the side panel or the status bar, the pointer frames no tile.
TEST(WindowPointer, LeavingTheBoardTakesTheRectangleAlong) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  g.IsItFree();
  const int t = g.moves.FreeTiles[1];
  const TileRecord& r = g.board().Records()[size_t(t)];
  const QPoint face(CoordX(r.x - 1, r.z - 1, g.BoardOrigin.x) + 20, CoordY(r.y - 1, r.z - 1, g.BoardOrigin.y) + 25);
  for (QWidget* away : {static_cast<QWidget*>(w->statusLine()), w->findChild<QWidget*>("HofBox")}) {
    ASSERT_NE(away, nullptr);
    QTest::mouseMove(w->boardImage(), w->boardImage()->pointAt(face));
    ASSERT_EQ(g.choice.HoverTile, t);
    QTest::mouseMove(away, QPoint(10, 10));
    EXPECT_EQ(g.choice.HoverTile, 0) << away->objectName().toStdString();
  }
}

}  // namespace
}  // namespace sorimo::testing
