// The plain deal, as the game makes it and as the layout measurements reproduce it: every
// layout position becomes a slot, then tiles 1..N go, in turn, to slots drawn at random by
// column, row and layer (a draw that misses a free slot is drawn again).
#pragma once

#include <array>

#include "engine/board.h"
#include "engine/random.h"

namespace sorimo {

// The layout's positions as slot markers (any non-zero layout byte is a position, so a stray
// value in a hand-made file can never appear on the board as a tile number).
BoardGrid SlotsOf(const LayoutCells& layout);

// Where tiles 1..count go (index = tile number), drawn from `generator`; `slots` holds at least
// `count` slot markers and loses each one as it is dealt.
std::array<Cell, kTileCount + 1> PlainDealCells(BoardGrid& slots, int count, Random& generator);

}  // namespace sorimo
