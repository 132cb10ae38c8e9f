#include "engine/solver/tile_dependencies.h"

namespace sorimo::solver {

namespace {

// The member standing for the cell (x, y, z), if anything stands there: the tile anchored at
// it, or the obstacle bit for a non-zero cell that is no tile of the position.
void AddCell(const BoardGrid& grid, const TileRecords& records, const TileDependencies& d, int x, int y, int z,
             TileSet& into) {
  const int v = grid.at(x, y, z);
  if (v == 0) return;
  if (v <= kTileCount && records[v] == TileRecord{x, y, z} && d.index[v] >= 0)
    into.set(d.index[v]);
  else
    into.set(TileDependencies::kObstacle);
}

}  // namespace

TileDependencies BuildTileDependencies(const BoardGrid& grid, const TileRecords& records, bool vertical) {
  TileDependencies d;
  d.index.fill(-1);
  for (int n = 1; n <= kTileCount; ++n) {
    if (!records[n].present()) continue;
    d.index[n] = static_cast<int16_t>(d.count);
    d.tile[d.count++] = static_cast<uint8_t>(n);
  }
  for (int i = 0; i < d.count; ++i) {
    const TileRecord& r = records[d.tile[i]];
    // The cells the free rule reads: the nine overlapping anchors of the layer above (none
    // on the top layer), and three anchors two columns (or two rows) away on each side.
    if (r.z < kLayers)
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) AddCell(grid, records, d, r.x + dx, r.y + dy, r.z + 1, d.above[i]);
    for (int k = -1; k <= 1; ++k) {
      if (vertical) {
        AddCell(grid, records, d, r.x + k, r.y - 2, r.z, d.sideA[i]);
        AddCell(grid, records, d, r.x + k, r.y + 2, r.z, d.sideB[i]);
      } else {
        AddCell(grid, records, d, r.x - 2, r.y + k, r.z, d.sideA[i]);
        AddCell(grid, records, d, r.x + 2, r.y + k, r.z, d.sideB[i]);
      }
    }
    d.onBoard.set(i);
  }
  d.onBoard.set(TileDependencies::kObstacle);
  for (int i = 0; i < d.count; ++i) {
    TileSet sets = d.above[i] | d.sideA[i] | d.sideB[i];
    sets.reset(TileDependencies::kObstacle);
    sets.ForEach([&](int j) { d.dependents[j].set(i); });
  }
  return d;
}

}  // namespace sorimo::solver
