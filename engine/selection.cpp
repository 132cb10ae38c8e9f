// Clicks on the board in a classic or two-player game: selecting, matching, removing.
#include "engine/game.h"

namespace sorimo {

void Game::ButtonDown(MouseButton button, int x, int y) {
  // Board clicks act on release. A Memory pair waiting to be resolved swallows every click.
  if (RevealCountdown > 0 || GameMode < ModeClassic || GameMode > ModeEditor) return;
  const int px = x - BoardOriginX, py = y - BoardOriginY;
  ClickConsumed = false;
  if (button == MouseButton::Right && GameMode != ModeEditor) {
    if (GameMode != ModeMemory) {
      HintFirst = HintSecond = 0;
      FirstSelected = SecondSelected = 0;
    }
    FullRedraw();
    host_.RedrawHOF();
    return;
  }
  if (GameMode == ModeClicks) return;  // TODO(Clicks): its own click handling
  // Integer division truncates toward zero, so px down to -19 still gives column 0.
  ChoisitPai(px, py, px / 20, py / 25, button);
}

void Game::ChoisitPai(int px, int py, int column, int row, MouseButton /*button*/) {
  HofRefreshPending = false;
  const int t = WhatTileThere(Grid, px, py);
  // TODO(Rivers, Memory, editor): those modes choose tiles by rules of their own.
  if (GameMode != ModeClassic && GameMode != ModeTwoPlayer) return;

  if (column >= 0 && column <= kColumns && row >= 0 && row <= kRows && !ClickConsumed && t > 0 &&
      t <= kTileCount) {
    if (FirstSelected == 0) {
      FirstSelected = static_cast<uint8_t>(t);
      if (IsFreeNow(t)) {
        SonOK(t);
      } else {
        FirstSelected = 0;
        host_.PlaySound(Sound::NoWay);
      }
    } else {
      PreviousSecond = SecondSelected;
      SecondSelected = static_cast<uint8_t>(t);
      if (IsFreeNow(t)) {
        TestStile2();
      } else {
        SecondSelected = static_cast<uint8_t>(PreviousSecond);
        host_.PlaySound(Sound::NoWay);
      }
    }
  }

  if (FirstSelected == 0 || SecondSelected == 0) return;
  if (MatchGroup(FirstSelected) == MatchGroup(SecondSelected) && FirstSelected != SecondSelected) {
    RemovePair(FirstSelected, SecondSelected);
    if (options_.ShowGirls) host_.ShowPanelHOF();
    if (GameMode == ModeTwoPlayer) PassTurn();
  } else {
    // The second tile becomes the selection. The selection moves before the old tile is
    // redrawn, so that the redraw shows it unselected.
    const int old = FirstSelected;
    FirstSelected = SecondSelected;
    SecondSelected = 0;
    RedrawTile(old);
    host_.PlaySound(Sound::Select);
  }
}

// Takes a matching pair off the board and pushes it onto the history.
void Game::RemovePair(int first, int second) {
  const int k = TilesTotal - TilesLeft;
  if (k >= 0 && k + 1 < static_cast<int>(MoveHistory.size())) {
    const TileRecord& a = Records[first];
    const TileRecord& b = Records[second];
    MoveHistory[k] = {static_cast<uint8_t>(first), a.x, a.y, a.z};
    MoveHistory[k + 1] = {static_cast<uint8_t>(second), b.x, b.y, b.z};
  }
  FirstSelected = SecondSelected = 0;
  for (const int t : {first, second}) {
    const TileRecord r = Records[t];
    Grid.set(r.x, r.y, r.z, 0);
    RedrawTile(t);  // still finds its box through the record
    Records[t] = TileRecord{};
  }
  TilesLeft -= 2;
  host_.PlaySound(Sound::Done);
}

void Game::SonOK(int n) {
  host_.PlaySound(Sound::Select);
  if (n > 0) RedrawTile(n);
}

}  // namespace sorimo
