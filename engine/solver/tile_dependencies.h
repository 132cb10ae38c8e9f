// The free rule of one position as sets of tiles, built once per solve: for each tile on the
// board, the tiles on the layer above that overlap it and the tiles that close each of its two
// sides (left and right, or up and down under the vertical variation). A tile is then free in
// any later position of the same game with three set tests, never looking at the grid again:
// removing tiles is all that ever happens between the positions a solver visits.
#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"
#include "engine/solver/tile_set.h"

namespace sorimo::solver {

struct TileDependencies {
  // A non-zero cell that is not one of the board's tiles (a slot marker, or a cell whose
  // record disagrees with it): it blocks like a tile and never leaves.
  static constexpr int kObstacle = TileSet::kBits - 1;

  int count = 0;                           // tiles on the board, numbered 0..count - 1
  std::array<uint8_t, kTileCount> tile{};  // index -> tile number, in increasing tile number
  std::array<int16_t, kTileCount + 1> index{};  // tile number -> index; -1 when not on the board
  std::array<TileSet, kTileCount> above{};      // overlapping tiles of the layer above
  std::array<TileSet, kTileCount> sideA{};      // left side (vertical variation: the upper side)
  std::array<TileSet, kTileCount> sideB{};      // right side (vertical variation: the lower side)
  // For each tile, the tiles whose freedom its removal may change (it is in one of their sets).
  std::array<TileSet, kTileCount> dependents{};
  TileSet onBoard;  // every tile, and the obstacle bit: the position as dealt

  // Free in the position `present` (which keeps the obstacle bit): nothing above, and one of
  // the two sides clear.
  bool IsFree(int i, const TileSet& present) const {
    return !above[i].intersects(present) && (!sideA[i].intersects(present) || !sideB[i].intersects(present));
  }
};

// The tiles of the position are those whose records are present (x or y non-zero); the sets are
// read from the same cells the game's free rule reads, so freedom agrees with `CellIsFree`.
TileDependencies BuildTileDependencies(const BoardGrid& grid, const TileRecords& records, bool vertical);

}  // namespace sorimo::solver
