// The tiles and the board they stand on: faces, match groups, the half-tile grid,
// the tile records, the game mode, and the pixel geometry that ties cells to the screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sorimo {

constexpr int kTileCount = 144;  // tile numbers 1..144
constexpr int kFaceCount = 42;   // faces 1..42
constexpr int kColumns = 34;     // anchor columns 1..34
constexpr int kRows = 20;        // anchor rows 1..20
constexpr int kLayers = 5;       // layers 1..5, 1 is the table
constexpr int kLayerCells = kColumns * kRows;  // 680 cells per layer
constexpr uint8_t SlotMarker = 155;            // a layout position not dealt yet

// Tile size in board pixels: a 40 x 50 face plus a 6-pixel edge on the left and bottom.
constexpr int kFaceWidth = 40;
constexpr int kFaceHeight = 50;
constexpr int kSpriteWidth = 46;
constexpr int kSpriteHeight = 56;

// What the board is doing: each game mode's value (engine/modes/mode_description.h says what
// each means). The values are fixed: settings and the command masks store them.
enum GameModeValue : uint8_t {
  ModeIdle = 0,
  ModeClassic = 1,
  ModeTwoPlayer = 2,
  ModeRivers = 3,
  ModeMemory = 4,
  ModeClicks = 5,
  ModeEditor = 6,
  ModeGameOver = 7,
  ModeStopped = 8,
  ModePaused = 9,
};

// Face 1..42 shown by tile n (1..144).
constexpr int FaceOfTile(int n) {
  if (n <= 108) return (n - 1) / 4 + 1;   // craks, bamboos, dots: four tiles a face
  if (n <= 116) return n - 109 + 28;      // flowers 28..31, seasons 32..35: one each
  return (n - 117) / 4 + 36;              // dragons 36..38, winds 39..42
}

// Two different tiles match when their groups are equal; flowers and seasons are one group each.
constexpr int MatchGroup(int n) { return (n - 1) / 4; }

struct TileRecord {
  int32_t x = 0, y = 0, z = 0;
  bool operator==(const TileRecord&) const = default;
  // The free rule's presence test: a tile is on the board when x or y is non-zero.
  bool present() const { return x != 0 || y != 0; }
};

// Anchor cells in half-tile units. Reads reach two cells past the playfield on every
// side (columns -1..36, rows -1..22) and one layer above and below; all of that reads 0.
// Writes are only ever made inside 1..34 x 1..20 x 1..5.
class BoardGrid {
 public:
  static constexpr int kMinX = -1, kMaxX = 36, kMinY = -1, kMaxY = 22, kMinZ = 0, kMaxZ = 6;

  uint8_t at(int x, int y, int z) const {
    if (x < kMinX || x > kMaxX || y < kMinY || y > kMaxY || z < kMinZ || z > kMaxZ) return 0;
    return cells_[index(x, y, z)];
  }
  // Writes outside the playfield are dropped, so the margin always reads 0.
  void set(int x, int y, int z, uint8_t v) {
    if (!InPlayfield(x, y, z)) return;
    cells_[index(x, y, z)] = v;
  }
  void clear() { cells_.fill(0); }
  static constexpr bool InPlayfield(int x, int y, int z) {
    return x >= 1 && x <= kColumns && y >= 1 && y <= kRows && z >= 1 && z <= kLayers;
  }
  bool operator==(const BoardGrid&) const = default;

 private:
  static constexpr int kSpanX = kMaxX - kMinX + 1, kSpanY = kMaxY - kMinY + 1, kSpanZ = kMaxZ - kMinZ + 1;
  static constexpr int index(int x, int y, int z) {
    return ((z - kMinZ) * kSpanX + (x - kMinX)) * kSpanY + (y - kMinY);
  }
  std::array<uint8_t, kSpanX * kSpanY * kSpanZ> cells_{};
};

struct Cell {
  int x = 0, y = 0, z = 0;
  bool operator==(const Cell&) const = default;
};

// Records indexed by tile number 1..144; entry 0 is unused and stays (0, 0, 0).
using TileRecords = std::array<TileRecord, kTileCount + 1>;

// The current layout: layer z (1..5, stored at index z - 1), cell j = (y - 1) * 34 + (x - 1).
struct LayoutCells {
  std::array<std::array<uint8_t, kLayerCells>, kLayers> layer{};
  uint8_t at(int x, int y, int z) const { return layer[z - 1][(y - 1) * kColumns + (x - 1)]; }
  void set(int x, int y, int z, uint8_t v) { layer[z - 1][(y - 1) * kColumns + (x - 1)] = v; }
  int count() const;
  bool operator==(const LayoutCells&) const = default;
};

// Board-relative pixel box of a tile anchored at (x, y, z); right and bottom exclusive.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};
constexpr PixelRect TileBox(int x, int y, int z) {
  const int left = 20 * x + 6 * z - 52, top = 25 * y - 6 * z - 59;
  return {left, top, left + kSpriteWidth, top + kSpriteHeight};
}

// Screen position of a face corner for zero-based (column, layer) and (row, layer).
constexpr int CoordX(int a, int b, int originX) { return 20 * a + 6 * b + originX - 20; }
constexpr int CoordY(int a, int b, int originY) { return 25 * a - 6 * b + originY - 40; }

// The three changes of a grid and its records, as Board makes them (and as tests and tools
// that draw or solve a bare grid make them).
// Tile n (1..144) stands at cell c: its anchor cell and its record both say so.
inline void PlaceTile(BoardGrid& grid, TileRecords& records, int n, const Cell& c) {
  grid.set(c.x, c.y, c.z, static_cast<uint8_t>(n));
  records[n] = {c.x, c.y, c.z};
}
// Tile n leaves the board: its cell empties and its record goes blank.
inline void TakeTile(BoardGrid& grid, TileRecords& records, int n) {
  const TileRecord r = records[n];
  grid.set(r.x, r.y, r.z, 0);
  records[n] = TileRecord{};
}
// Tiles a and b, both on the board, change places.
inline void SwapTiles(BoardGrid& grid, TileRecords& records, int a, int b) {
  const TileRecord ra = records[a], rb = records[b];
  PlaceTile(grid, records, a, {rb.x, rb.y, rb.z});
  PlaceTile(grid, records, b, {ra.x, ra.y, ra.z});
}

// A game's board: where each tile stands, seen from the cells (the grid) and from the tiles
// (the records), and how many tiles it holds. The three changes below are the only writers
// and keep all three in step; Inconsistency() checks that they agree.
class Board {
 public:
  const BoardGrid& Grid() const { return grid_; }
  const TileRecords& Records() const { return records_; }
  int TilesLeft() const { return tilesLeft_; }    // tiles on the board
  int TilesTotal() const { return tilesTotal_; }  // tiles dealt in this game: the depth of its history
  bool operator==(const Board&) const = default;

  // Tile n (1..144) stands at cell c, inside the playfield; a tile already on the board moves there.
  void PlaceTile(int n, const Cell& c);
  // Tile n leaves the board; nothing happens when it is not on it.
  void TakeTile(int n);
  // Tiles a and b, both on the board, change places.
  void SwapTiles(int a, int b);
  // A new game of `total` tiles: every tile leaves the board, to be placed one by one.
  void NewDeal(int total);

  // What is wrong, in one sentence; empty when grid, records and count agree.
  std::string Inconsistency() const;

 private:
  BoardGrid grid_;
  TileRecords records_{};
  int tilesLeft_ = 0;
  int tilesTotal_ = kTileCount;
};

// Which tile is under a board-relative point: the one drawn on top, 0 if none.
int WhatTileThere(const BoardGrid& grid, int px, int py);
// Where the editor would place a new tile under the point: the highest supported anchor
// whose top-left 30 x 35 pixels contain it; (0, 0, 0) when none.
Cell WhatAdd(const BoardGrid& grid, int px, int py);

}  // namespace sorimo
