#include "tools/layouts/layout_playability.h"

#include <cstddef>
#include <vector>

#include "engine/free_rule.h"

namespace sorimo {
namespace {

BoardGrid Occupied(const LayoutCells& cells) {
  BoardGrid grid;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (cells.at(x, y, z) != 0) grid.set(x, y, z, 1);
  return grid;
}

// The game's free rule on a position; every other position counts as a tile.
bool Free(const BoardGrid& g, const Cell& c, bool vertical) { return CellIsFree(g, c.x, c.y, c.z, vertical); }

std::vector<Cell> Positions(const LayoutCells& cells) {
  std::vector<Cell> list;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (cells.at(x, y, z) != 0) list.push_back({x, y, z});
  return list;
}

}  // namespace

int FreePositionsAtStart(const LayoutCells& cells, bool vertical) {
  const BoardGrid grid = Occupied(cells);
  int n = 0;
  for (const Cell& c : Positions(cells)) n += Free(grid, c, vertical);
  return n;
}

ClearingOdds RandomClearingOdds(const LayoutCells& cells, int trials, uint32_t seed) {
  ClearingOdds odds;
  const std::vector<Cell> all = Positions(cells);
  uint64_t state = seed;
  auto random = [&state](std::size_t n) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::size_t>((state >> 33) % n);
  };
  std::vector<Cell> left, free;
  for (int t = 0; t < trials; ++t) {
    ++odds.trials;
    BoardGrid grid = Occupied(cells);
    left = all;
    while (!left.empty()) {
      free.clear();
      for (const Cell& c : left)
        if (Free(grid, c, false)) free.push_back(c);
      if (free.size() < 2) break;
      const std::size_t a = random(free.size());
      std::size_t b = random(free.size() - 1);
      if (b >= a) ++b;
      grid.set(free[a].x, free[a].y, free[a].z, 0);
      grid.set(free[b].x, free[b].y, free[b].z, 0);
      std::erase_if(left, [&](const Cell& c) { return c == free[a] || c == free[b]; });
    }
    odds.cleared += left.empty();
  }
  return odds;
}

}  // namespace sorimo
