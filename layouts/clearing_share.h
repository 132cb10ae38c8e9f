// How fair a layout is: the share of its plain deals (game numbers 1, 2, ...) that the solver
// can clear. A layout whose deals are mostly lost is a poor game however well the player plays;
// the generator of the shipped layouts refuses one, and the layout chooser shows the share.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/board.h"

namespace sorimo {

// The plain deal of game number `number` on the layout, exactly as the game deals it with
// "Winnable Layouts" off: the generator seeded with the number draws a column, a row and a
// layer until it hits a position not dealt yet, which gets the next tile. False (and the board
// left empty) for a layout the game cannot deal: no tiles, an odd number or more than 144.
bool DealPlainBoard(const LayoutCells& cells, int number, BoardGrid& grid, TileRecords& records);

struct ClearingShare {
  int cleared = 0;
  int impossible = 0;
  int unknown = 0;  // the node budget ran out first
  int deals() const { return cleared + impossible + unknown; }
  // Cleared deals among all measured, rounded to a whole percent; -1 when none were measured.
  int Percent() const { return deals() == 0 ? -1 : (200 * cleared + deals()) / (2 * deals()); }
};

// Solves the plain deals 1..deals of the layout under the free rule (vertical or not), each
// with a budget of `nodesPerDeal` search nodes; an Unknown counts as not cleared. `stop`, when
// given, is asked between deals and ends the measurement early when it says so. Nothing is
// measured for a layout the game cannot deal.
ClearingShare MeasureClearingShare(const LayoutCells& cells, bool vertical, int deals, int64_t nodesPerDeal,
                                   const std::function<bool()>& stop = {});

}  // namespace sorimo
