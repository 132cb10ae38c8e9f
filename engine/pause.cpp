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

void FormDeactivate(Game& g) {
  // The game's own question takes the focus; it is not the player going away.
  if (g.GameMode != ModePaused && !g.Rules().AsksThePlayer(g)) g.PauseClick();
}

void FormActivate(Game& g) {
  if (g.GameMode == ModePaused) g.PauseClick();
}

void CheckPause(Game& g) {
  if (!g.options().GoCheckPause) return;
  if (g.GameMode != ModePaused) {
    const uint8_t before = g.GameMode;
    g.PauseClick();
    // Nothing was running (welcome screen, game over, editor): remember where we were, so
    // that closing the window returns there and not to a game stopped long ago.
    if (g.GameMode != ModePaused) g.ModeBeforePause = before;
  }
  g.GameMode = ModePaused;
}

void UnCheckPause(Game& g) {
  if (g.GameMode == ModePaused && g.options().GoCheckPause) g.PauseClick();
}

}  // namespace sorimo
