#include "layouts/layout_rules.h"

namespace sorimo {
namespace {

std::string Where(int x, int y, int z) {
  // Built piece by piece: g++ 12 warns falsely (-Wrestrict) about "(" + std::to_string(...).
  std::string s(1, '(');
  s += std::to_string(x);
  s += ", ";
  s += std::to_string(y);
  s += ", ";
  s += std::to_string(z);
  s += ')';
  return s;
}

bool Anchored(const LayoutCells& cells, int x, int y, int z) {
  if (x < 1 || x > kColumns || y < 1 || y > kRows || z < 1 || z > kLayers) return false;
  return cells.at(x, y, z) != 0;
}

}  // namespace

std::vector<LayoutFault> CheckLayout(const LayoutCells& cells) {
  std::vector<LayoutFault> faults;
  const int count = cells.count();
  if (count != kTileCount) {
    LayoutFault f;
    f.rule = LayoutRule::TileCount;
    f.count = count;
    f.text = "the layout has " + std::to_string(count) + " tiles instead of " + std::to_string(kTileCount);
    faults.push_back(f);
  }
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        const uint8_t v = cells.at(x, y, z);
        if (v == 0) continue;
        if (v != 1) {
          LayoutFault f;
          f.rule = LayoutRule::CellValue;
          f.at = {x, y, z};
          f.text = "the cell at " + Where(x, y, z) + " holds " + std::to_string(v) + " instead of 0 or 1";
          faults.push_back(f);
        }
        // Looking only forward (the rest of this row, and the next row) reports each pair once.
        const int forward[4][2] = {{1, 0}, {-1, 1}, {0, 1}, {1, 1}};
        for (const auto& d : forward) {
          if (!Anchored(cells, x + d[0], y + d[1], z)) continue;
          LayoutFault f;
          f.rule = LayoutRule::Overlap;
          f.at = {x, y, z};
          f.other = {x + d[0], y + d[1], z};
          f.text = "the tiles at " + Where(x, y, z) + " and " + Where(x + d[0], y + d[1], z) + " overlap";
          faults.push_back(f);
        }
        if (z > 1) {
          bool supported = false;
          for (int dy = -1; dy <= 1 && !supported; ++dy)
            for (int dx = -1; dx <= 1 && !supported; ++dx) supported = Anchored(cells, x + dx, y + dy, z - 1);
          if (!supported) {
            LayoutFault f;
            f.rule = LayoutRule::Unsupported;
            f.at = {x, y, z};
            f.text = "the tile at " + Where(x, y, z) + " rests on no tile of layer " + std::to_string(z - 1);
            faults.push_back(f);
          }
        }
      }
  return faults;
}

std::string DescribeFaults(const std::vector<LayoutFault>& faults) {
  std::string text;
  for (const LayoutFault& f : faults) text += f.text + "\n";
  return text;
}

}  // namespace sorimo
