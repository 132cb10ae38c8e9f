// Redraw requests: the whole board, one tile's box, or one face. The window draws the
// pixels; the game decides what is dirty and whether the board may be shown at all.
#include <algorithm>
#include <array>

#include "engine/game.h"
#include "engine/pixel_geometry.h"

namespace sorimo {

void Game::FullRedraw() { Redraw(DirtyRect{}, EndCheck::Now); }

void Game::Redraw(const DirtyRect& dirty, EndCheck check) {
  if (HofRefreshPending) ShowSidePanel();
  if (RedrawEntryEndsGame(check)) return;  // a finished or paused game never shows its board
  host_.board.PaintBoard(dirty);
}

DirtyRect TileRedrawRect(const Game& g, int n) {
  return RedrawTileRect(g.board().Records()[n], g.BoardOrigin.x, g.BoardOrigin.y, g.options().Shadows);
}

DirtyRect TileFaceRect(const Game& g, int n) {
  return HLRedrawTileRect(g.board().Records()[n], g.BoardOrigin.x, g.BoardOrigin.y);
}

Highlights Game::HighlightsNow() const {
  return {choice.FirstSelected, choice.SecondSelected, choice.HintFirst, choice.HintSecond};
}

void Game::RedrawBox(const DirtyRect& box) { Redraw(box, EndCheck::Now); }

void Game::RedrawTile(int n) {
  if (n < 1 || n > kTileCount) return;
  RedrawBox(TileRedrawRect(*this, n));
}

void Game::HLRedrawTile(int n) {
  if (n < 1 || n > kTileCount) return;
  RedrawBox(TileFaceRect(*this, n));
}

namespace {
// How a tile is highlighted: bit 0 selected, bit 1 hinted.
int HighlightOf(const Highlights& h, int tile) {
  return (tile == h.first || tile == h.second ? 1 : 0) | (tile == h.hintFirst || tile == h.hintSecond ? 2 : 0);
}
}  // namespace

void Game::RedrawHighlightChanges(const Highlights& before) {
  const Highlights after = HighlightsNow();
  std::array<DirtyRect, 8> faces;
  size_t count = 0;
  std::array<int, 8> seen{};
  for (const int t : {before.first, before.second, before.hintFirst, before.hintSecond, after.first, after.second,
                      after.hintFirst, after.hintSecond}) {
    if (t < 1 || t > kTileCount || !board_.Records()[t].present()) continue;
    if (HighlightOf(before, t) == HighlightOf(after, t)) continue;
    if (std::find(seen.begin(), seen.begin() + count, t) != seen.begin() + count) continue;
    seen[count] = t;
    faces[count++] = TileFaceRect(*this, t);
  }
  if (HofRefreshPending) ShowSidePanel();
  if (RedrawEntryEndsGame(EndCheck::Now)) return;
  for (size_t i = 0; i < count; ++i) host_.board.PaintBoard(faces[i]);
}

}  // namespace sorimo
