// Redraw requests: the whole board, one tile's box, or one face. The window draws the
// pixels; the game decides what is dirty and whether the board may be shown at all.
#include "engine/game.h"

namespace sorimo {

void Game::FullRedraw() {
  Dirty = DirtyRect{};
  Redraw();
}

void Game::Redraw() {
  if (HofRefreshPending) host_.ShowPanelHOF();
  if (RedrawEntryEndsGame()) {  // a finished or paused game never shows its board
    Dirty = DirtyRect{};
    return;
  }
  host_.PaintBoard(Dirty);
}

// The face corner of a tile from its one-based record, as the single-tile redraw has it.
static void FaceCorner(const Game& g, int n, int& fx, int& fy) {
  const TileRecord& r = g.Records[n];
  fx = CoordX(r.x, r.z, g.BoardOriginX) - 26;
  fy = CoordY(r.y, r.z, g.BoardOriginY) - 19;
}

DirtyRect Game::TileRedrawRect(int n) const {
  int fx = 0, fy = 0;
  FaceCorner(*this, n, fx, fy);
  // With shadows on, the shadows the tile casts on its neighbours go with it.
  if (options_.Shadows) return {fx - 16, fy - 10, fx + 50, fy + 66};
  return {fx - 6, fy, fx + 40, fy + 56};
}

DirtyRect Game::TileFaceRect(int n) const {
  int fx = 0, fy = 0;
  FaceCorner(*this, n, fx, fy);
  return {fx, fy, fx + kFaceWidth, fy + kFaceHeight};
}

void Game::RedrawTile(int n) {
  if (n < 1 || n > kTileCount) return;
  Dirty = TileRedrawRect(n);
  Redraw();
  Dirty = DirtyRect{};
}

void Game::HLRedrawTile(int n) {
  if (n < 1 || n > kTileCount) return;
  Dirty = TileFaceRect(n);
  Redraw();
  Dirty = DirtyRect{};
}

}  // namespace sorimo
