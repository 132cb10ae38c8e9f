// Which tiles may be taken, and how many moves the board offers.
#include "engine/free_rule.h"

#include "engine/game.h"

namespace sorimo {

namespace {

// Nothing on the layer above overlaps the tile, not even by a quarter.
bool TopClear(const BoardGrid& g, int x, int y, int z) {
  if (z >= kLayers) return true;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (g.at(x + dx, y + dy, z + 1) != 0) return false;
  return true;
}

// No tile of the same layer touches the side (dx, dy) = (+-2, 0) or (0, +-2).
bool SideClear(const BoardGrid& g, int x, int y, int z, int dx, int dy) {
  for (int d = -1; d <= 1; ++d) {
    const int cx = dx != 0 ? x + dx : x + d;
    const int cy = dy != 0 ? y + dy : y + d;
    if (g.at(cx, cy, z) != 0) return false;
  }
  return true;
}

}  // namespace

bool CellIsFree(const BoardGrid& g, int x, int y, int z, bool vertical) {
  const bool sideOpen = vertical ? SideClear(g, x, y, z, 0, -2) || SideClear(g, x, y, z, 0, 2)
                                 : SideClear(g, x, y, z, -2, 0) || SideClear(g, x, y, z, 2, 0);
  return sideOpen && TopClear(g, x, y, z);
}

bool Game::Dispo(int n) const {
  if (Traits(GameMode).everyTileFree) return true;
  if (n < 1 || n > kTileCount) return false;
  const TileRecord& r = board_.Records()[n];
  return r.present() && CellIsFree(board_.Grid(), r.x, r.y, r.z, false);
}

bool Game::Dispo_Vertical(int n) const {
  if (Traits(GameMode).everyTileFree) return true;
  if (n < 1 || n > kTileCount) return false;
  const TileRecord& r = board_.Records()[n];
  return r.present() && CellIsFree(board_.Grid(), r.x, r.y, r.z, true);
}

bool Game::IsFreeNow(int n) const { return options_.Vertical ? Dispo_Vertical(n) : Dispo(n); }

void Game::IsItFree() {
  if (!Traits(GameMode).countsMoves) return;  // the last figures stay as they were
  moves.FreeCount = 0;
  moves.MovesLeft = 0;
  Rules().CountMoves(*this);
}

void Game::ShowSidePanel() {
  IsItFree();
  host_.board.ShowPanelHOF();
}

void Game::VerticalClick() {
  // Only a classic game is played under one rule or the other: changing it means a new deal.
  if (GameMode == ModeClassic) {
    if (!host_.questions.AskOkCancel("Vertical variation",
                           "If you want to change the game mode, you'll have to restart your game. Do you "
                           "wish to continue ?"))
      return;
    // A layout that cannot be dealt keeps the running game, and with it the rule it began with.
    if (BeginGame() == DealResult::Dealt) options_.Vertical = !options_.Vertical;
    return;
  }
  if (Traits(GameMode).betweenGames) options_.Vertical = !options_.Vertical;
}

}  // namespace sorimo
