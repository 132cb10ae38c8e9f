#include "test_support.h"

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
  if (tile < 1 || tile > kTileCount || !game.Records[tile].present()) return false;
  const TileRecord& r = game.Records[tile];
  const PixelRect box = TileBox(r.x, r.y, r.z);
  const auto hit = [&](int px, int py) {
    if (WhatTileThere(game.Grid, px, py) != tile) return false;
    x = px + game.BoardOriginX;
    y = py + game.BoardOriginY;
    return true;
  };
  if (hit(box.left + 6 + kFaceWidth / 2, box.top + kFaceHeight / 2)) return true;
  for (int py = box.top; py < box.bottom; py += 2)
    for (int px = box.left; px < box.right; px += 2)
      if (hit(px, py)) return true;
  return false;
}

::testing::AssertionResult Consistent(const Game& g) {
  const auto fail = [&](const std::string& why) {
    return ::testing::AssertionFailure() << why << "\n" << BoardToText(g.Grid);
  };
  int onGrid = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        const int v = g.Grid.at(x, y, z);
        if (v == 0) continue;
        if (v > kTileCount)
          return fail("cell " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(z) +
                      " holds " + std::to_string(v));
        if (!(g.Records[v] == TileRecord{x, y, z}))
          return fail("tile " + std::to_string(v) + " stands where its record does not say");
        ++onGrid;
      }
  for (int n = 1; n <= kTileCount; ++n) {
    const TileRecord& r = g.Records[n];
    if (r == TileRecord{}) continue;
    if (g.Grid.at(r.x, r.y, r.z) != n)
      return fail("record of tile " + std::to_string(n) + " points to a cell without it");
  }
  if (onGrid != g.TilesLeft)
    return fail("TilesLeft " + std::to_string(g.TilesLeft) + " but " + std::to_string(onGrid) +
                " tiles on the grid");
  if (g.TilesLeft % 2 != 0 || g.TilesLeft < 0 || g.TilesLeft > g.TilesTotal)
    return fail("TilesLeft out of range");
  for (const int s : {static_cast<int>(g.FirstSelected), static_cast<int>(g.SecondSelected)})
    if (s != 0 && !g.Records[s].present()) return fail("a selected tile is not on the board");
  for (int k = 0; k < g.TilesTotal - g.TilesLeft; ++k) {
    const HistoryEntry& e = g.MoveHistory[k];
    if (e.tile == 0 || g.Records[e.tile].present())
      return fail("history entry " + std::to_string(k) + " names a tile on the board");
    if (g.Grid.at(e.x, e.y, e.z) != 0)
      return fail("the place of history entry " + std::to_string(k) + " is taken");
  }
  return ::testing::AssertionSuccess();
}

void Table::Put(const char* text) {
  const BoardPicture board = MustBoard(text);
  game.Grid = board.grid;
  game.Records = board.records;
  game.TilesLeft = game.TilesTotal = board.tiles;
  game.GameMode = ModeClassic;
  game.StartTick = host.now;
  game.ElapsedSeconds = game.PenaltySeconds = 0;
  game.FirstSelected = game.SecondSelected = 0;
  game.HintIndex = game.HintFirst = game.HintSecond = 0;
  game.GameFinished = game.GameOverHandled = false;
  game.StatusBounce = false;
  game.MovesLeft = 0;
}

DealResult Table::Deal(const char* layoutText, int number, bool winnable) {
  game.Layout = MustLayout(layoutText);
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

}  // namespace sorimo::test
