#include "engine/keyboard_cursor.h"

#include <climits>
#include <cstdlib>
#include <tuple>

namespace sorimo {

PixelPoint FaceMiddle(const TileRecord& r) {
  const PixelRect b = TileBox(r.x, r.y, r.z);
  return {b.left + 6 + kFaceWidth / 2, b.top + kFaceHeight / 2};
}

std::optional<PixelPoint> ClickPointOf(const BoardGrid& grid, const TileRecords& records, int n) {
  if (n < 1 || n > kTileCount || !records[n].present()) return std::nullopt;
  const TileRecord& r = records[n];
  const PixelPoint middle = FaceMiddle(r);
  if (WhatTileThere(grid, middle.x, middle.y) == n) return middle;
  // Covered in the middle: look over the face, then the edge, nearest the middle first.
  const PixelRect b = TileBox(r.x, r.y, r.z);
  std::optional<PixelPoint> best;
  int bestDistance = INT_MAX;
  for (int py = b.top + 1; py < b.bottom; py += 3)
    for (int px = b.left + 1; px < b.right; px += 3) {
      const int d = std::abs(px - middle.x) + std::abs(py - middle.y);
      if (d >= bestDistance || WhatTileThere(grid, px, py) != n) continue;
      best = PixelPoint{px, py};
      bestDistance = d;
    }
  return best;
}

bool CursorCanStandOn(const BoardGrid& grid, const TileRecords& records, int n) {
  if (n < 1 || n > kTileCount || !records[n].present()) return false;
  const TileRecord& r = records[n];
  // Under a tile exactly on top, only a strip of its edge shows: to a player it is not a
  // tile of its own, and it could not be played anyway.
  if (r.z < kLayers && grid.at(r.x, r.y, r.z + 1) != 0) return false;
  return ClickPointOf(grid, records, n).has_value();
}

int NearestClickableTile(const BoardGrid& grid, const TileRecords& records, PixelPoint near) {
  int best = 0;
  long bestDistance = LONG_MAX;
  for (int n = 1; n <= kTileCount; ++n) {
    if (!records[n].present()) continue;
    const PixelPoint m = FaceMiddle(records[n]);
    const long dx = m.x - near.x, dy = m.y - near.y;
    const long d = dx * dx + dy * dy;
    if (d >= bestDistance || !CursorCanStandOn(grid, records, n)) continue;
    best = n;
    bestDistance = d;
  }
  return best;
}

namespace {

// Left and Right read the board as a text: along a row of anchors, then on to the next row.
// So every tile the cursor can stand on is met by Right alone, however the layout is built.
int NextInReadingOrder(const BoardGrid& grid, const TileRecords& records, int current, bool forward) {
  const auto key = [&records](int n) {
    const TileRecord& r = records[n];
    return std::tuple(r.y, FaceMiddle(r).x, r.z, n);
  };
  const auto mine = key(current);
  int best = current;
  for (int n = 1; n <= kTileCount; ++n) {
    if (n == current || !records[n].present()) continue;
    const auto k = key(n);
    if (forward ? !(mine < k) : !(k < mine)) continue;
    if (best != current && (forward ? !(k < key(best)) : !(key(best) < k))) continue;
    if (CursorCanStandOn(grid, records, n)) best = n;
  }
  return best;
}

}  // namespace

int NextClickableTile(const BoardGrid& grid, const TileRecords& records, int current, PixelPoint from,
                      CursorStep step) {
  if (current != 0 && (step == CursorStep::Left || step == CursorStep::Right))
    return NextInReadingOrder(grid, records, current, step == CursorStep::Right);
  int best = current;
  long bestScore = LONG_MAX;
  for (int n = 1; n <= kTileCount; ++n) {
    if (n == current || !records[n].present()) continue;
    const PixelPoint m = FaceMiddle(records[n]);
    long along = 0, across = 0;
    switch (step) {
      case CursorStep::Left: along = from.x - m.x, across = m.y - from.y; break;
      case CursorStep::Right: along = m.x - from.x, across = m.y - from.y; break;
      case CursorStep::Up: along = from.y - m.y, across = m.x - from.x; break;
      case CursorStep::Down: along = m.y - from.y, across = m.x - from.x; break;
    }
    across = std::labs(across);
    // Stacked tiles stand 6 pixels apart: a step that way must be more than that.
    if (along <= 6) continue;
    const long score = along + 2 * across;
    if (score >= bestScore || !CursorCanStandOn(grid, records, n)) continue;
    best = n;
    bestScore = score;
  }
  return best;
}

ClicksCell NextClicksCell(ClicksCell from, CursorStep step) {
  ClicksCell c = from;
  switch (step) {
    case CursorStep::Left: --c.column; break;
    case CursorStep::Right: ++c.column; break;
    case CursorStep::Up: --c.row; break;
    case CursorStep::Down: ++c.row; break;
  }
  if (c.column < kClicksFirstColumn || c.column > kClicksLastColumn || c.row < kClicksTopRow || c.row > kClicksBottomRow)
    return from;
  return c;
}

PixelPoint ClicksCellPoint(ClicksCell cell) { return {32 * (cell.column - 1) + 16, 32 * (cell.row - 1)}; }

}  // namespace sorimo
