// How a layout plays, judged from its positions alone (any deal of tiles): how many tiles are
// free when a game starts, and how easily random play clears the whole of it. A layout where
// almost nothing is free at the start, or that random pairs of free positions rarely clear,
// makes a poor game and slows the winnable deal, which plays exactly that way backwards.
#pragma once

#include <cstdint>

#include "engine/board.h"

namespace sorimo {

// The positions that are free while every position of the layout is occupied. Horizontal
// rule: not covered by any anchor of the layer above within one column and one row, and with
// no anchor two columns to the left, or none two columns to the right, within one row.
// The vertical rule swaps rows for columns in the side test.
int FreePositionsAtStart(const LayoutCells& cells, bool vertical);

struct ClearingOdds {
  int cleared = 0;  // trials that removed every position
  int trials = 0;
};

// Plays the layout `trials` times under the horizontal rule, each time taking pairs of free
// positions drawn at random until none or fewer than two are free. Deterministic for a seed.
ClearingOdds RandomClearingOdds(const LayoutCells& cells, int trials, uint32_t seed);

}  // namespace sorimo
