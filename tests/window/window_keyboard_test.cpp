// A whole game played with the keyboard alone, in the real window.
#include <gtest/gtest.h>

#include "tests/support/board_text.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

// Two free tiles that match, or {0, 0}.
std::pair<int, int> AFreePair(Game& g) {
  for (int a = 1; a <= kTileCount; ++a) {
    if (!g.board().Records()[size_t(a)].present() || !g.IsFreeNow(a)) continue;
    for (int b = a + 1; b <= kTileCount; ++b)
      if (g.board().Records()[size_t(b)].present() && MatchGroup(a) == MatchGroup(b) && g.IsFreeNow(b)) return {a, b};
  }
  return {0, 0};
}

// Walks the cursor to `tile` with Right, or Left when Right runs out, and presses Space.
void PressOn(Window& w, int tile) {
  Game& g = w->game();
  for (int presses = 0; g.Cursor.tile != tile && presses < 2 * kTileCount; ++presses) {
    const int before = g.Cursor.tile;
    QTest::keyClick(w->boardImage(), Qt::Key_Right);
    if (g.Cursor.tile == before)  // the last tile in reading order: back all the way
      while (g.Cursor.tile != tile && presses++ < 2 * kTileCount) QTest::keyClick(w->boardImage(), Qt::Key_Left);
  }
  ASSERT_EQ(g.Cursor.tile, tile);
  QTest::keyClick(w->boardImage(), Qt::Key_Space);
}

TEST(WindowKeyboard, AWholeGameIsPlayedWithKeysAlone) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  Game& g = w->game();
  g.Layout = *LayoutFromText(R"(
    layer 1 at 8,6
    #.#.#.#.#.#.#.#
    ...............
    #.#.#.#.#.#.#.#
    layer 2 at 10,6
    #.#.#.#.#.#
  )");
  w->options().Winnable = true;
  StartClassic(w);
  ASSERT_EQ(g.TilesLeft(), 22);

  // Escape after a choice clears it.
  const auto [a, b] = AFreePair(g);
  ASSERT_NE(a, 0);
  PressOn(w, a);
  EXPECT_EQ(g.choice.FirstSelected, a);
  QTest::keyClick(w->boardImage(), Qt::Key_Escape);
  EXPECT_EQ(g.choice.FirstSelected, 0);

  // The winnable deal's own order of pairs clears it, whatever the deal.
  const std::vector<Cell> order(g.PairList().begin() + 1, g.PairList().begin() + 1 + g.TilesTotal());
  for (size_t k = 0; k < order.size(); k += 2) {
    const int x = g.board().Grid().at(order[k].x, order[k].y, order[k].z);
    const int y = g.board().Grid().at(order[k + 1].x, order[k + 1].y, order[k + 1].z);
    PressOn(w, x);
    PressOn(w, y);
    ASSERT_FALSE(g.board().Records()[size_t(x)].present()) << BoardToText(g.board().Grid());
  }
  EXPECT_EQ(g.TilesLeft(), 0);
  desktop.now += 5000;
  w.Tick(2);
  EXPECT_EQ(desktop.gameOvers.size(), 1u);
  EXPECT_EQ(g.GameMode, ModeGameOver);
}

}  // namespace
}  // namespace sorimo::testing
