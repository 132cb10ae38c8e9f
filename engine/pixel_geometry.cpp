#include "engine/pixel_geometry.h"

namespace sorimo {

DirtyRect RedrawTileRect(const TileRecord& tile, int originX, int originY, bool shadows) {
  const PixelPoint f = FaceCorner(tile.x, tile.y, tile.z, originX, originY);
  if (shadows) return {f.x - 16, f.y - 10, f.x + 50, f.y + 66};
  return {f.x - 6, f.y, f.x + 40, f.y + 56};
}

DirtyRect HLRedrawTileRect(const TileRecord& tile, int originX, int originY) {
  const PixelPoint f = FaceCorner(tile.x, tile.y, tile.z, originX, originY);
  return {f.x, f.y, f.x + kFaceWidth, f.y + kFaceHeight};
}

BoardPointer PointerOnBoard(int pointerX, int pointerY, int originX, int originY) {
  BoardPointer p;
  p.x = pointerX - originX;
  p.y = pointerY - originY;
  const BoardCell c = CellAt(p.x, p.y);
  p.onBoard = c.column >= 0 && c.column <= kColumns && c.row >= 0 && c.row <= kRows;
  return p;
}

}  // namespace sorimo
