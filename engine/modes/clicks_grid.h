// The rules of the Clicks grid alone, without the game around it: the deal, which tiles
// form a group, removing a group, the passes that settle the rest, and counting groups.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/modes/clicks.h"

namespace sorimo {

class Random;

constexpr bool InClicksPlay(int c, int r) {
  return c >= kClicksFirstColumn && c <= kClicksLastColumn && r >= kClicksTopRow && r <= kClicksBottomRow;
}
// The colour at (C, R); 0 outside the grid.
inline uint8_t ClicksAt(const ClicksGrid& g, int c, int r) {
  return c >= 1 && c <= kClicksColumns && r >= 1 && r <= kClicksRows ? g[size_t(ClicksIndex(c, r))] : 0;
}

// The cell under a board-relative point (origin already taken off). Points outside the
// play area give a cell of the border, which is always empty.
struct ClicksCell {
  int column = 0, row = 0;
  bool operator==(const ClicksCell&) const = default;
};
ClicksCell ClicksCellAt(int px, int py);

// Fills the play area column by column, top to bottom, with colours 1..colours.
void DealClicks(ClicksGrid& g, Random& random, int colours);

// The cell holds a colour and touches another cell of it: clicking it removes a group.
bool StartsGroup(const ClicksGrid& g, int c, int r);
// Empties the region of one colour that holds (C, R); returns how many tiles went.
int RemoveGroup(ClicksGrid& g, int c, int r);

// One pass of the settling after a removal: a gravity sweep, then the closing up of empty
// columns. True when the pass moved anything; repeat until it does not.
bool SettlePass(ClicksGrid& g);

// The regions of two or more touching tiles of one colour: the moves left.
int CountGroups(const ClicksGrid& g);
int CountClicksTiles(const ClicksGrid& g);

}  // namespace sorimo
