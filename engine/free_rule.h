// The free rule on a grid cell, the one test behind the game's `Dispo`, the deal's
// `CanBeTaken` and the layout checks: a tile may be taken when nothing on the layer above
// overlaps it (not even by a quarter) and one of its two sides is open. The plain rule looks
// left and right, the vertical variation up and down; a neighbour offset by half a tile
// across still closes a side. Any non-zero cell is an obstacle, slot markers included.
#pragma once

#include "engine/board.h"

namespace sorimo {

bool CellIsFree(const BoardGrid& grid, int x, int y, int z, bool vertical);

}  // namespace sorimo
