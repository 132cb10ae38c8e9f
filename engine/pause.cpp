// Pause and resume: by hand, when the window loses or regains the focus, and around the
// program's own modal windows.
#include "engine/game.h"

namespace sorimo {

void Game::PauseClick() {
  if (GameMode == ModePaused) {
    IM(ModeBeforePause);
    Rules().RestartPauseClocks(*this);
    // Back to a game: show its board. Back to the welcome screen (the dialog bracket can
    // pause there): the board stays hidden, as it was before.
    if (Traits(GameMode).showsBoard) FullRedraw();
  } else {
    if (!Traits(GameMode).underWay) return;  // nothing to pause
    ModeBeforePause = GameMode;
    Rules().StorePauseClocks(*this);
    IM(ModePaused);  // covers the board with the background
  }
}

void Game::FormDeactivate() {
  if (GameMode != ModePaused) PauseClick();
}

void Game::FormActivate() {
  if (GameMode == ModePaused) PauseClick();
}

void Game::CheckPause() {
  if (!options_.GoCheckPause) return;
  if (GameMode != ModePaused) {
    const uint8_t before = GameMode;
    PauseClick();
    // Nothing was running (welcome screen, game over, editor): remember where we were, so
    // that closing the window returns there and not to a game stopped long ago.
    if (GameMode != ModePaused) ModeBeforePause = before;
  }
  GameMode = ModePaused;
}

void Game::UnCheckPause() {
  if (GameMode == ModePaused && options_.GoCheckPause) PauseClick();
}

}  // namespace sorimo
