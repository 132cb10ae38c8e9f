#include "layouts/clearing_share.h"

#include "engine/random.h"
#include "engine/solver/solver.h"

namespace sorimo {

bool DealPlainBoard(const LayoutCells& cells, int number, BoardGrid& grid, TileRecords& records) {
  grid = BoardGrid{};
  records = TileRecords{};
  const int count = cells.count();
  if (count == 0 || count % 2 != 0 || count > kTileCount) return false;
  // Every position holds a marker until a tile is dealt onto it; any non-zero layout byte is a
  // position, as in the game.
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (cells.at(x, y, z) != 0) grid.set(x, y, z, SlotMarker);
  Random generator;
  generator.GeneratorSeed = static_cast<uint32_t>(number);
  for (int i = 1; i <= count;) {
    const int x = generator.RandomInt(kColumns) + 1;
    const int y = generator.RandomInt(kRows) + 1;
    const int z = generator.RandomInt(kLayers) + 1;
    if (grid.at(x, y, z) != SlotMarker) continue;
    PlaceTile(grid, records, i, {x, y, z});
    ++i;
  }
  return true;
}

ClearingShare MeasureClearingShare(const LayoutCells& cells, bool vertical, int deals, int64_t nodesPerDeal,
                                   const std::function<bool()>& stop) {
  ClearingShare share;
  BoardGrid grid;
  TileRecords records;
  for (int number = 1; number <= deals; ++number) {
    if (stop && stop()) break;
    if (!DealPlainBoard(cells, number, grid, records)) break;
    switch (SolveBoard(grid, records, vertical, {nodesPerDeal}).verdict) {
      case SolveVerdict::Clearable:
        ++share.cleared;
        break;
      case SolveVerdict::Impossible:
        ++share.impossible;
        break;
      case SolveVerdict::Unknown:
        ++share.unknown;
        break;
    }
  }
  return share;
}

}  // namespace sorimo
