// Clicks on the board: the shared entry of every mode, and the selection and removal of
// tiles that the matching games share. Each mode's own choice of tiles is in engine/modes/.
#include "engine/game.h"

namespace sorimo {

void Game::ButtonDown(MouseButton button, int x, int y) {
  // Board clicks act on release.
  if (!Traits(GameMode).takesClicks) return;
  if (StopSolving()) return;  // a click while the solver plays only stops it
  choice.ClickConsumed = false;
  Rules().ButtonDown(*this, button, x - BoardOrigin.x, y - BoardOrigin.y);
}

void Game::ChoisitPai(int px, int py, int column, int row, MouseButton button) {
  HofRefreshPending = false;
  Rules().ChoisitPai(*this, px, py, column, row, button);
}

// Takes a matching pair off the board and pushes it onto the history.
void Game::RemovePair(int first, int second, std::optional<Cell> firstFrom) {
  const int k = board_.TilesTotal() - board_.TilesLeft();
  if (k >= 0 && k + 1 < static_cast<int>(moveHistory_.size())) {
    const TileRecord& a = board_.Records()[first];
    const TileRecord& b = board_.Records()[second];
    const Cell from = firstFrom.value_or(Cell{a.x, a.y, a.z});
    moveHistory_[k] = {static_cast<uint8_t>(first), from.x, from.y, from.z};
    moveHistory_[k + 1] = {static_cast<uint8_t>(second), b.x, b.y, b.z};
  }
  choice.FirstSelected = choice.SecondSelected = 0;
  for (const int t : {first, second}) {
    const DirtyRect box = TileRedrawRect(*this, t);  // found through the record, before it goes
    board_.TakeTile(t);
    Redraw(box, EndCheck::Later);
  }
  host_.feedback.PlaySound(Sound::Done);
}

void Game::SonOK(int n) {
  host_.feedback.PlaySound(Sound::Select);
  if (n > 0) RedrawTile(n);
}

void Game::TestStile2() {
  choice.ClickConsumed = true;
  int redraw = choice.SecondSelected;
  if (choice.SecondSelected == choice.FirstSelected) {  // the selected tile again: cancel the selection
    redraw = choice.FirstSelected;
    choice.FirstSelected = choice.SecondSelected = 0;
    host_.feedback.PlaySound(Sound::Select);
  }
  if (redraw > 0) RedrawTile(redraw);
}

}  // namespace sorimo
