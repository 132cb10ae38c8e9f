#include "turtle_board.h"

namespace sorimo::bench {

int BuildTurtle(BoardGrid& grid, TileRecords& records) {
  grid.clear();
  records = {};
  int n = 0;
  // Positions in half-tile cells: a tile column c and row r sit at 2c + 1, 2r + 1.
  auto place = [&](int x, int y, int z) {
    ++n;
    grid.set(x, y, z, uint8_t(n));
    records[n] = {x, y, z};
  };
  // Layer 1: eight rows of 12, 8, 10, 12, 12, 10, 8, 12 tiles, one tile out on the left and
  // two on the right between the middle rows.
  const int firstColumn[8] = {1, 3, 2, 1, 1, 2, 3, 1};
  const int lastColumn[8] = {12, 10, 11, 12, 12, 11, 10, 12};
  for (int r = 0; r < 8; ++r)
    for (int c = firstColumn[r]; c <= lastColumn[r]; ++c) place(2 * c + 1, 2 * r + 1, 1);
  place(1, 8, 1);
  place(27, 8, 1);
  place(29, 8, 1);
  // Layers 2 to 4: squares of 6, 4 and 2 tiles a side; layer 5: the top tile.
  for (int z = 2; z <= 4; ++z) {
    const int from = z + 2, to = 11 - z;  // columns 4..9, 5..8, 6..7
    for (int r = z - 1; r <= 8 - z; ++r)
      for (int c = from; c <= to; ++c) place(2 * c + 1, 2 * r + 1, z);
  }
  place(14, 8, 5);
  return n;
}

}  // namespace sorimo::bench
