#include "test_support.h"

#include <algorithm>
#include <cstdlib>


namespace sorimo::test {

LayoutCells MustLayout(const char* text) {
  std::string error;
  const auto layout = LayoutFromText(text, &error);
  EXPECT_TRUE(layout.has_value()) << error;
  return layout.value_or(LayoutCells{});
}

BoardPicture MustBoard(const char* text) {
  std::string error;
  const auto board = BoardFromText(text, &error);
  EXPECT_TRUE(board.has_value()) << error;
  return board.value_or(BoardPicture{});
}

bool ScreenPointOf(const Game& game, int tile, int& x, int& y) {
  if (tile < 1 || tile > kTileCount || !game.board().Records()[tile].present()) return false;
  const TileRecord& r = game.board().Records()[tile];
  const PixelRect box = TileBox(r.x, r.y, r.z);
  const auto hit = [&](int px, int py) {
    if (WhatTileThere(game.board().Grid(), px, py) != tile) return false;
    x = px + game.BoardOrigin.x;
    y = py + game.BoardOrigin.y;
    return true;
  };
  if (hit(box.left + 6 + kFaceWidth / 2, box.top + kFaceHeight / 2)) return true;
  for (int py = box.top; py < box.bottom; py += 2)
    for (int px = box.left; px < box.right; px += 2)
      if (hit(px, py)) return true;
  return false;
}

::testing::AssertionResult Consistent(const Game& g) {
  const std::string why = g.Inconsistency();
  if (why.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << why << "\n" << BoardToText(g.board().Grid());
}

void Table::Put(const char* text, int dealt) {
  game.board() = BoardOf(MustBoard(text), dealt);
  game.NewModeData<ModeState>();
  game.GameMode = ModeClassic;
  game.clock.StartTick = host.now;
  game.clock.ElapsedSeconds = game.clock.PenaltySeconds = 0;
  game.choice.FirstSelected = game.choice.SecondSelected = 0;
  game.choice.HintIndex = game.choice.HintFirst = game.choice.HintSecond = 0;
  game.GameFinished = game.GameOverHandled = false;
  game.status.StatusBounce = false;
  game.moves.MovesLeft = 0;
}

DealResult Table::Deal(const char* layoutText, int number, bool winnable) {
  return Deal(MustLayout(layoutText), number, winnable);
}

DealResult Table::Deal(const LayoutCells& layout, int number, bool winnable) {
  game.Layout = layout;
  options.Winnable = winnable;
  options.RandomSeed1 = true;
  game.RandomSeed = number;
  return game.BeginGame();
}

void Table::Click(int tile, MouseButton button) {
  int x = 0, y = 0;
  ASSERT_TRUE(ScreenPointOf(game, tile, x, y)) << "tile " << tile << " cannot be clicked" << Board();
  game.ButtonDown(button, x, y);
}

int SoakGameCount(const char* variable, int normal, int sanitized) {
  if (const char* env = std::getenv(variable)) return std::max(1, std::atoi(env));
#ifdef SORIMO_SANITIZED
  (void)normal;
  return sanitized;
#else
  (void)sanitized;
  return normal;
#endif
}

}  // namespace sorimo::test
