#include "engine/board.h"

#include <algorithm>

namespace sorimo {

int LayoutCells::count() const {
  int n = 0;
  for (const auto& l : layer)
    for (uint8_t c : l) n += c != 0;
  return n;
}

void Board::PlaceTile(int n, const Cell& c) {
  if (n < 1 || n > kTileCount || !BoardGrid::InPlayfield(c.x, c.y, c.z)) return;
  if (records_[n].present())
    grid_.set(records_[n].x, records_[n].y, records_[n].z, 0);
  else
    ++tilesLeft_;
  sorimo::PlaceTile(grid_, records_, n, c);
}

void Board::TakeTile(int n) {
  if (n < 1 || n > kTileCount || !records_[n].present()) return;
  sorimo::TakeTile(grid_, records_, n);
  --tilesLeft_;
}

void Board::SwapTiles(int a, int b) {
  if (a < 1 || a > kTileCount || b < 1 || b > kTileCount || !records_[a].present() || !records_[b].present()) return;
  sorimo::SwapTiles(grid_, records_, a, b);
}

void Board::NewDeal(int total) {
  for (int n = 1; n <= kTileCount; ++n) TakeTile(n);
  tilesTotal_ = total;
}

std::string Board::Inconsistency() const {
  int onGrid = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        const int v = grid_.at(x, y, z);
        if (v == 0) continue;
        if (v > kTileCount)
          return "cell " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(z) + " holds " +
                 std::to_string(v);
        if (!(records_[v] == TileRecord{x, y, z})) return "tile " + std::to_string(v) + " stands where its record does not say";
        ++onGrid;
      }
  for (int n = 1; n <= kTileCount; ++n) {
    const TileRecord& r = records_[n];
    if (r == TileRecord{}) continue;
    if (grid_.at(r.x, r.y, r.z) != n) return "record of tile " + std::to_string(n) + " points to a cell without it";
  }
  if (records_[0] != TileRecord{}) return "record 0 is used";
  if (onGrid != tilesLeft_)
    return "TilesLeft " + std::to_string(tilesLeft_) + " but " + std::to_string(onGrid) + " tiles on the grid";
  return "";
}

namespace {
constexpr int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}  // namespace

// The tile drawn last among those whose box holds the point. A box is 46 x 56 pixels and
// anchors are 20 and 25 pixels apart, so on each layer only the anchors of two or three
// columns and rows can hold the point; they are visited in the drawing order.
int WhatTileThere(const BoardGrid& grid, int px, int py) {
  int result = 0;
  for (int z = 1; z <= kLayers; ++z) {
    // left = 20 x + 6 z - 52 <= px < left + 46, top = 25 y - 6 z - 59 <= py < top + 56.
    const int lastX = std::min(kColumns, FloorDiv(px + 52 - 6 * z, 20));
    const int firstX = std::max(1, FloorDiv(px + 7 - 6 * z + 19, 20));
    const int firstY = std::max(1, FloorDiv(py + 4 + 6 * z + 24, 25));
    const int lastY = std::min(kRows, FloorDiv(py + 59 + 6 * z, 25));
    for (int x = lastX; x >= firstX; --x)
      for (int y = firstY; y <= lastY; ++y) {
        const uint8_t v = grid.at(x, y, z);
        if (v == 0) continue;
        const PixelRect b = TileBox(x, y, z);
        if (px >= b.left && px < b.right && py >= b.top && py < b.bottom) result = v;
      }
  }
  return result;
}

// The last match of the scan in drawing order (layers up, columns right to left, rows top to
// bottom), so the highest layer wins. As for WhatTileThere, only the anchors whose hit area
// can hold the point are visited: one or two columns and rows a layer.
Cell WhatAdd(const BoardGrid& grid, int px, int py) {
  Cell result;
  for (int z = 1; z <= kLayers; ++z) {
    // left = 20 x + 6 z - 52 <= px < left + 30, top = 25 y - 6 z - 59 <= py < top + 35.
    const int lastX = std::min(kColumns, FloorDiv(px + 52 - 6 * z, 20));
    const int firstX = std::max(1, FloorDiv(px + 52 - 6 * z - 29 + 19, 20));
    const int firstY = std::max(1, FloorDiv(py + 59 + 6 * z - 34 + 24, 25));
    const int lastY = std::min(kRows, FloorDiv(py + 59 + 6 * z, 25));
    for (int x = lastX; x >= firstX; --x)
      for (int y = firstY; y <= lastY; ++y) {
        if (z > 1) {
          bool below = false;
          for (int dx = -1; dx <= 1 && !below; ++dx)
            for (int dy = -1; dy <= 1 && !below; ++dy) below = grid.at(x + dx, y + dy, z - 1) != 0;
          if (!below) continue;
        }
        const PixelRect b = TileBox(x, y, z);
        if (px >= b.left && px < b.left + 30 && py >= b.top && py < b.top + 35) result = {x, y, z};
      }
  }
  return result;
}

}  // namespace sorimo
