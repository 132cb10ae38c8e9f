// Which tiles may be taken, and how many moves the board offers.
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

// No tile of the same layer touches the side (dx, dy) = (+-2, 0) or (0, +-2); a neighbour
// offset by half a tile across still touches it.
bool SideClear(const BoardGrid& g, int x, int y, int z, int dx, int dy) {
  for (int d = -1; d <= 1; ++d) {
    const int cx = dx != 0 ? x + dx : x + d;
    const int cy = dy != 0 ? y + dy : y + d;
    if (g.at(cx, cy, z) != 0) return false;
  }
  return true;
}

}  // namespace

bool Game::Dispo(int n) const {
  if (GameMode == ModeRivers || GameMode == ModeEditor) return true;
  if (n < 1 || n > kTileCount) return false;
  const TileRecord& r = Records[n];
  if (!r.present()) return false;
  if (!SideClear(Grid, r.x, r.y, r.z, -2, 0) && !SideClear(Grid, r.x, r.y, r.z, 2, 0)) return false;
  return TopClear(Grid, r.x, r.y, r.z);
}

bool Game::Dispo_Vertical(int n) const {
  if (GameMode == ModeRivers || GameMode == ModeEditor) return true;
  if (n < 1 || n > kTileCount) return false;
  const TileRecord& r = Records[n];
  if (!r.present()) return false;
  if (!SideClear(Grid, r.x, r.y, r.z, 0, -2) && !SideClear(Grid, r.x, r.y, r.z, 0, 2)) return false;
  return TopClear(Grid, r.x, r.y, r.z);
}

bool Game::IsFreeNow(int n) const { return options_.Vertical ? Dispo_Vertical(n) : Dispo(n); }

void Game::IsItFree() {
  if (GameMode != ModeClassic && GameMode != ModeTwoPlayer && GameMode != ModeRivers &&
      GameMode != ModeClicks)
    return;  // the last figures stay as they were
  FreeCount = 0;
  MovesLeft = 0;
  // TODO(Clicks, Rivers): their own counting fills these figures once those games exist.
  if (GameMode == ModeClicks || GameMode == ModeRivers) return;
  // Every tile number is looked at, not only 1..TilesTotal: a tile that is not on the board
  // fails the rule anyway, and a board whose numbers do not start at 1 still counts right.
  for (int n = 1; n <= kTileCount; ++n)
    if (IsFreeNow(n)) FreeTiles[++FreeCount] = static_cast<uint8_t>(n);
  // The list is in tile order and a group is four consecutive numbers, so a group with k
  // free tiles counts k - 1 moves, not the number of pairs it could form.
  for (int i = 1; i < FreeCount; ++i)
    if (MatchGroup(FreeTiles[i]) == MatchGroup(FreeTiles[i + 1])) ++MovesLeft;
}

void Game::TestStile2() {
  ClickConsumed = true;
  int redraw = SecondSelected;
  if (SecondSelected == FirstSelected) {  // the selected tile again: cancel the selection
    redraw = FirstSelected;
    FirstSelected = SecondSelected = 0;
    host_.PlaySound(Sound::Select);
  }
  if (redraw > 0) RedrawTile(redraw);
}

void Game::VerticalClick() {
  if (GameMode == ModeClassic) {
    if (!host_.AskOkCancel("Vertical variation",
                           "If you want to change the game mode, you'll have to restart your game. Do you "
                           "wish to continue ?"))
      return;
    // A layout that cannot be dealt keeps the running game, and with it the rule it began with.
    if (BeginGame() == DealResult::Dealt) options_.Vertical = !options_.Vertical;
    return;
  }
  if (GameMode == ModeIdle || GameMode == ModeGameOver || GameMode == ModeStopped)
    options_.Vertical = !options_.Vertical;
}

}  // namespace sorimo
