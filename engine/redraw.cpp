// Redraw requests: the whole board, one tile's box, or one face. The window draws the
// pixels; the game decides what is dirty and whether the board may be shown at all.
#include "engine/game.h"
#include "engine/pixel_geometry.h"

namespace sorimo {

void Game::FullRedraw() {
  Dirty = DirtyRect{};
  Redraw();
}

void Game::Redraw() {
  if (HofRefreshPending) host_.board.ShowPanelHOF();
  if (RedrawEntryEndsGame()) {  // a finished or paused game never shows its board
    Dirty = DirtyRect{};
    return;
  }
  host_.board.PaintBoard(Dirty);
}

DirtyRect Game::TileRedrawRect(int n) const {
  return RedrawTileRect(Records[n], BoardOriginX, BoardOriginY, options_.Shadows);
}

DirtyRect Game::TileFaceRect(int n) const { return HLRedrawTileRect(Records[n], BoardOriginX, BoardOriginY); }

void Game::RedrawBox(const DirtyRect& box) {
  Dirty = box;
  Redraw();
  Dirty = DirtyRect{};
}

void Game::RedrawTile(int n) {
  if (n < 1 || n > kTileCount) return;
  RedrawBox(TileRedrawRect(n));
}

void Game::HLRedrawTile(int n) {
  if (n < 1 || n > kTileCount) return;
  RedrawBox(TileFaceRect(n));
}

}  // namespace sorimo
