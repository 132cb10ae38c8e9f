// A short text picture of a layout or a dealt board, so that a test can be written as the
// board it is about and a failure can print the board it met. One line per row, top first:
//
//   .     nothing anchored here
//   #     a layout position (on a board: a slot not dealt yet)
//   12    tile 12 anchored here (numbers are separated by blanks)
//
// Runs of '.' and '#' may be written without blanks: "#.#.#" is five cells. A layer begins
// with a line "layer Z" or "layer Z at X,Y", where X,Y is the column and row of the
// picture's first cell (1,1 when omitted); lines before the first such line are layer 1 at
// 1,1. Blank lines are skipped, so every row is written, empty ones as ".".
//
//   layer 1 at 3,2        layer 2 at 4,3
//   #.#.#                 5
//   .....
//   #.#.#
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace sorimo {

// The positions of a layout; any cell other than '.' counts as a position, so the picture
// of a dealt board reads back as its layout.
std::optional<LayoutCells> LayoutFromText(std::string_view text, std::string* error = nullptr);
std::string LayoutToText(const LayoutCells& layout);

// A board with its tile records filled from the tile numbers. Each tile may stand once.
struct BoardPicture {
  BoardGrid grid;
  TileRecords records{};
  int tiles = 0;  // tiles on the board ('#' slots are not tiles)
};
std::optional<BoardPicture> BoardFromText(std::string_view text, std::string* error = nullptr);
// The picture's tiles placed on a board one by one (its '#' slots are left out), in a game
// that dealt `dealt` tiles (those of the picture when 0).
Board BoardOf(const BoardPicture& picture, int dealt = 0);
// Every layer that holds anything, cut to the box that holds all of it.
std::string BoardToText(const BoardGrid& grid);

}  // namespace sorimo
