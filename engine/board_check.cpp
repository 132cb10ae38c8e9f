#include "engine/board_check.h"

#include "engine/game.h"

namespace sorimo {

std::string BoardInconsistency(const Game& g) {
  int onGrid = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        const int v = g.Grid.at(x, y, z);
        if (v == 0) continue;
        if (v > kTileCount)
          return "cell " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(z) + " holds " +
                 std::to_string(v);
        if (!(g.Records[v] == TileRecord{x, y, z})) return "tile " + std::to_string(v) + " stands where its record does not say";
        ++onGrid;
      }
  for (int n = 1; n <= kTileCount; ++n) {
    const TileRecord& r = g.Records[n];
    if (r == TileRecord{}) continue;
    if (g.Grid.at(r.x, r.y, r.z) != n) return "record of tile " + std::to_string(n) + " points to a cell without it";
  }
  if (onGrid != g.TilesLeft)
    return "TilesLeft " + std::to_string(g.TilesLeft) + " but " + std::to_string(onGrid) + " tiles on the grid";
  if (g.TilesLeft % 2 != 0 || g.TilesLeft < 0 || g.TilesLeft > g.TilesTotal) return "TilesLeft out of range";
  for (const int s : {static_cast<int>(g.FirstSelected), static_cast<int>(g.SecondSelected)})
    if (s != 0 && !g.Records[s].present()) return "a selected tile is not on the board";
  for (int k = 0; k < g.TilesTotal - g.TilesLeft; ++k) {
    const HistoryEntry& e = g.MoveHistory[k];
    if (e.tile == 0 || g.Records[e.tile].present()) return "history entry " + std::to_string(k) + " names a tile on the board";
    if (g.Grid.at(e.x, e.y, e.z) != 0) return "the place of history entry " + std::to_string(k) + " is taken";
  }
  return "";
}

}  // namespace sorimo
