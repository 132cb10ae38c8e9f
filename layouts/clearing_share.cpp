#include "layouts/clearing_share.h"

#include "engine/plain_deal.h"
#include "engine/solver/solver.h"

namespace sorimo {

bool DealPlainBoard(const LayoutCells& cells, int number, BoardGrid& grid, TileRecords& records) {
  grid = BoardGrid{};
  records = TileRecords{};
  const int count = cells.count();
  if (count == 0 || count % 2 != 0 || count > kTileCount) return false;
  BoardGrid slots = SlotsOf(cells);
  Random generator;
  generator.GeneratorSeed = static_cast<uint32_t>(number);
  const std::array<Cell, kTileCount + 1> dealt = PlainDealCells(slots, count, generator);
  for (int i = 1; i <= count; ++i) PlaceTile(grid, records, i, dealt[i]);
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
