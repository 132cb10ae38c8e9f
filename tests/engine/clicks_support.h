// Clicks grids for the tests: written as rows of digits, read back the same way, and
// clicked where a tile's picture is drawn.
#pragma once

#include <string>
#include <vector>

#include "engine/modes/clicks.h"
#include "test_support.h"

namespace sorimo::test {

// A running Clicks game (Easy list) on a hand-written grid. The rows are the bottom rows of
// the play area, the last one at the bottom; each character is a column from the left-most
// on, '.' an empty cell, '1'..'6' a colour.
void PutClicks(Table& t, const std::vector<std::string>& bottomRows);

// The grid as rows of digits, from the highest row that holds a tile down to the bottom,
// without the empty cells at the right end of a row; border cells that hold anything show
// as an extra line "border!".
std::string ClicksPicture(const ClicksGrid& g);

// A left click at the middle of the picture of cell (C, R), with the board origin.
void ClickCell(Table& t, int c, int r, MouseButton button = MouseButton::Left);

}  // namespace sorimo::test
