// What the engine tests share: a game on a table with its recorder, hand-written boards,
// clicks at a tile's place on the screen, and the consistency check of grid and records.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/board_text.h"
#include "engine/game.h"
#include "recorder_host.h"
#include "test_layouts.h"

namespace sorimo::test {

LayoutCells MustLayout(const char* text);
BoardPicture MustBoard(const char* text);

// A screen point (window pixels, board origin included) where the pointer hits the tile:
// the face centre when nothing covers it there, else a point of its box that does.
bool ScreenPointOf(const Game& game, int tile, int& x, int& y);

// Grid and records tell the same story, TilesLeft counts the tiles on the grid, the
// selections are tiles on the board, and every removed pair's place is still empty.
::testing::AssertionResult Consistent(const Game& game);

// How many games a soak plays: the environment variable's count when it is set (for long runs
// by hand), else `normal`, or `sanitized` under the sanitizers, which make every step dozens of
// times slower.
int SoakGameCount(const char* variable, int normal, int sanitized);

struct Table {
  RecorderHost host;
  Options options;
  Game game{GameHost::Of(host), options};

  Table() { options.PlayMusic = false; }

  // A running classic game on a hand-written board, with nothing removed yet; `dealt` tiles
  // were dealt (the tiles of the picture when 0).
  void Put(const char* text, int dealt = 0);
  // A new game with this number on the layout, dealt as a specific game.
  DealResult Deal(const char* layoutText, int number, bool winnable);
  DealResult Deal(const LayoutCells& layout, int number, bool winnable);
  void Click(int tile, MouseButton button = MouseButton::Left);
  void Tick(int ms = 50) {
    host.now += ms;
    game.Temps();
  }
  std::string Board() const { return "\n" + BoardToText(game.board().Grid()); }
};

}  // namespace sorimo::test
