// Which tiles must leave the board before which, whatever the order of play: a tile can only
// be taken once every tile lying on it is gone, and those only once every tile on them is gone,
// so the tiles above, followed up to the top, all leave strictly before it. A side that a fixed
// obstacle closes for ever adds the tiles of the other side the same way.
#pragma once

#include <array>

#include "engine/solver/tile_dependencies.h"

namespace sorimo::solver {

struct Precedence {
  std::array<TileSet, kTileCount> before{};  // tiles removed strictly before tile i, in any clearing
  // Some tile can never be taken: it waits for a fixed obstacle, or for itself.
  bool stuckForEver = false;

  // Tiles a and b can never leave in one move: one of them must go first.
  bool Ordered(int a, int b) const { return before[a].test(b) || before[b].test(a); }
};

// Built from the position the dependencies were built for. The sets stay true in positions
// reached from it: a tile still on the board keeps every tile it waits for on the board.
Precedence BuildPrecedence(const TileDependencies& deps);

}  // namespace sorimo::solver
