// Mah-Jongg Rivers in the real window: each of its commands starts the right game on the
// right hall of fame list, and a pair goes by two clicks on the board.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <string>
#include <utility>

#include "app/window/status_bar.h"
#include "app/window/welcome_panel.h"
#include "engine/hall_columns.h"
#include "engine/modes/rivers.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

TEST(WindowRivers, EachMenuItemShortcutAndWelcomeButtonStartsItsGame) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QApplication::setActiveWindow(w.window.get());
  QApplication::processEvents();
  Game& g = w->game();
  const int layout = g.BoardNumber;
  ASSERT_LT(layout, kFirstArcadeColumn);

  struct Way {
    const char* what;
    std::function<void()> start;
    int column;
    int tiles;
  };
  const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m) {
    return [&w, k, m] {
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus ? focus : w.window.get(), k, m);
      QApplication::processEvents();
    };
  };
  const Way ways[] = {
      {"welcome Easy", [&] { QTest::mouseClick(w->welcome()->button("BitBtn3"), Qt::LeftButton); },
       kRiversEasyColumn, 84},
      {"menu Hard", [&] { w->action("MahJonggRiversNewGameHard1")->trigger(); }, kRiversHardColumn, 144},
      {"menu Easy", [&] { w->action("NewArcadeMahjonggGame1")->trigger(); }, kRiversEasyColumn, 84},
      {"Shift+F3", key(Qt::Key_F3, Qt::ShiftModifier), kRiversHardColumn, 144},
      {"F3", key(Qt::Key_F3, Qt::NoModifier), kRiversEasyColumn, 84},
      {"New after Easy", [&] { w->toolButton("ExplorerButton1")->click(); }, kRiversEasyColumn, 84},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    way.start();
    EXPECT_EQ(g.GameMode, ModeRivers);
    EXPECT_EQ(g.BoardNumber, way.column);
    EXPECT_EQ(g.TilesLeft(), way.tiles);
    EXPECT_EQ(g.SavedBoardNumber, layout) << "the layout's list comes back after the game";
    EXPECT_FALSE(w->welcome()->isVisible());
    w.Tick();
    EXPECT_EQ(w->statusLine()->tiles().toStdString(), std::to_string(way.tiles));
  }

  // The hard welcome button, from the welcome panel a stopped game leaves.
  w->action("Stoppe")->trigger();
  ASSERT_TRUE(w->welcome()->isVisible());
  QTest::mouseClick(w->welcome()->button("BitBtn4"), Qt::LeftButton);
  EXPECT_EQ(g.BoardNumber, kRiversHardColumn);
  EXPECT_EQ(g.TilesLeft(), 144);
}

// A pair that a path joins; looking slides nothing.
std::pair<int, int> JoinedPair(Game& g) {
  for (int a = 1; a <= g.TilesTotal(); ++a)
    for (int b = a + 1; b <= g.TilesTotal(); ++b)
      if (MatchGroup(a) == MatchGroup(b) && CanBeReachedStill(g, b, a)) return {a, b};
  return {0, 0};
}

TEST(WindowRivers, APairGoesByTwoClicksAndBackPutsItWhereItStood) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("NewArcadeMahjonggGame1")->trigger();
  Game& g = w->game();
  ASSERT_EQ(g.GameMode, ModeRivers);
  ASSERT_TRUE(w->options().AnimateTileRivers);
  for (int pair = 0; pair < 3; ++pair) {
    const auto [a, b] = JoinedPair(g);
    ASSERT_NE(a, 0) << "a full Easy board always has a pair on its outside";
    const TileRecord whereA = g.board().Records()[a], whereB = g.board().Records()[b];
    w.ClickTile(a);
    EXPECT_EQ(g.choice.FirstSelected, a);
    w.ClickTile(b);
    EXPECT_EQ(g.TilesLeft(), 84 - 2 * (pair + 1));
    EXPECT_FALSE(g.board().Records()[a].present());
    EXPECT_FALSE(g.board().Records()[b].present());
    EXPECT_FALSE(g.ModeData<RiversState>().RiverFound);
    w.Tick();
    EXPECT_EQ(w->statusLine()->tiles().toStdString(), std::to_string(g.TilesLeft()));

    w->action("Undo1")->trigger();
    EXPECT_EQ(g.board().Records()[a], whereA) << "the tile that slid is back where it stood";
    EXPECT_EQ(g.board().Records()[b], whereB);
    w.ClickTile(a);
    w.ClickTile(b);
  }
}

}  // namespace
}  // namespace sorimo::testing
