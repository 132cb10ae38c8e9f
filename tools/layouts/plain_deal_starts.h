// How often the plain deal leaves a layout without a move at the start: no two free tiles of
// one match group. The plain deal drops tiles on random positions, so a layout with few free
// positions often starts stuck, and the player can only shuffle or give up at once.
#pragma once

#include <span>
#include <vector>

#include "engine/board.h"

namespace sorimo {

// For each layout (index i of the result is layouts[i]), the game numbers among 1..deals whose
// plain deal starts with no move under the horizontal rule, or the vertical one when
// `vertical`. The deal is exactly the game's: the generator seeded with the game number draws
// a column, a row and a layer until it hits a position not dealt yet, which gets the next tile
// number. Tile i therefore lies on the i-th position of the layout the draws reach, and which
// cells the draws reach first does not depend on the layout: the draws of one game number are
// made once and serve every layout, which keeps thousands of deals of many layouts quick.
// A layout with more than 144 positions is never dealt and gets no numbers.
std::vector<std::vector<int>> GameNumbersStartingWithoutMove(std::span<const LayoutCells> layouts, int deals,
                                                             bool vertical);

}  // namespace sorimo
