#include "engine/plain_deal.h"

namespace sorimo {

BoardGrid SlotsOf(const LayoutCells& layout) {
  BoardGrid slots;
  for (int z = 1; z <= kLayers; ++z)
    for (int j = 0; j < kLayerCells; ++j)
      if (layout.layer[z - 1][j] != 0) slots.set(j % kColumns + 1, j / kColumns + 1, z, SlotMarker);
  return slots;
}

std::array<Cell, kTileCount + 1> PlainDealCells(BoardGrid& slots, int count, Random& generator) {
  std::array<Cell, kTileCount + 1> cells{};
  for (int i = 1; i <= count && i <= kTileCount;) {
    const int x = generator.RandomInt(kColumns) + 1;
    const int y = generator.RandomInt(kRows) + 1;
    const int z = generator.RandomInt(kLayers) + 1;
    if (slots.at(x, y, z) != SlotMarker) continue;
    slots.set(x, y, z, 0);
    cells[i++] = {x, y, z};
  }
  return cells;
}

}  // namespace sorimo
