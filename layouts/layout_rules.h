// The rules every layout the editor saves keeps, and every shipped layout too: exactly 144
// tiles, no two tiles of one layer overlapping, and every tile above the table resting on a
// tile of the layer below.
#pragma once

#include <string>
#include <vector>

#include "engine/board.h"

namespace sorimo {

enum class LayoutRule {
  CellValue,    // a cell holds something other than 0 or 1
  TileCount,    // not exactly 144 tiles
  Overlap,      // two anchors of one layer within one column and one row of each other
  Unsupported,  // an anchor above layer 1 with no anchor of the layer below within one column and row
};

struct LayoutFault {
  LayoutRule rule = LayoutRule::TileCount;
  Cell at{};     // the anchor concerned; (0, 0, 0) for TileCount
  Cell other{};  // Overlap: the anchor it overlaps
  int count = 0; // TileCount: the number of tiles found
  std::string text;  // e.g. "the tiles at (3, 4, 1) and (4, 5, 1) overlap"
};

// Every broken rule, in the order count, then by layer, row and column; empty when all hold.
// Each overlapping pair is reported once.
std::vector<LayoutFault> CheckLayout(const LayoutCells& cells);

// The faults as one text, one per line (empty when there are none).
std::string DescribeFaults(const std::vector<LayoutFault>& faults);

}  // namespace sorimo
