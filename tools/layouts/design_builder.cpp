#include "tools/layouts/design_builder.h"

namespace sorimo::tools {
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

bool Inside(int x, int y, int z) { return BoardGrid::InPlayfield(x, y, z); }

}  // namespace

DesignBuilder& DesignBuilder::Tile(int x, int y, int z) {
  if (!Inside(x, y, z)) {
    errors_.push_back("tile outside the grid at " + Where(x, y, z));
  } else if (cells_.at(x, y, z) != 0) {
    errors_.push_back("tile placed twice at " + Where(x, y, z));
  } else {
    cells_.set(x, y, z, 1);
  }
  return *this;
}

DesignBuilder& DesignBuilder::Block(int x, int y, int z, int cols, int rows) {
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < cols; ++i) Tile(x + 2 * i, y + 2 * j, z);
  return *this;
}

DesignBuilder& DesignBuilder::Centred(int z, int cols, int rows, int dx, int dy) {
  return Block(18 - cols + dx, 11 - rows + dy, z, cols, rows);
}

DesignBuilder& DesignBuilder::Remove(int x, int y, int z) {
  if (!Inside(x, y, z) || cells_.at(x, y, z) == 0)
    errors_.push_back("no tile to remove at " + Where(x, y, z));
  else
    cells_.set(x, y, z, 0);
  return *this;
}

DesignBuilder& DesignBuilder::MirrorX() {
  const LayoutCells before = cells_;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (before.at(x, y, z) != 0 && 34 - x != x) Tile(34 - x, y, z);
  return *this;
}

DesignBuilder& DesignBuilder::MirrorY() {
  const LayoutCells before = cells_;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (before.at(x, y, z) != 0 && 20 - y != y) Tile(x, 20 - y, z);
  return *this;
}

}  // namespace sorimo::tools
