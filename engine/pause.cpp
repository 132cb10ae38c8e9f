// Pause and resume: by hand, when the window loses or regains the focus, and around the
// program's own modal windows.
#include "engine/game.h"

namespace sorimo {

void Game::StorePauseClocks() {
  const uint32_t now = host_.TickCount();
  if (GameMode == ModeTwoPlayer) {
    PausedPlayerOneOffset = static_cast<int32_t>(now - PlayerOneTurnStart);
    PausedPlayerTwoOffset = static_cast<int32_t>(now - PlayerTwoTurnStart);
  } else {
    PausedElapsed = static_cast<int32_t>(now - StartTick);
  }
}

void Game::RestartPauseClocks() {
  const uint32_t now = host_.TickCount();
  if (GameMode == ModeTwoPlayer) {
    PlayerOneTurnStart = now - static_cast<uint32_t>(PausedPlayerOneOffset);
    PlayerTwoTurnStart = now - static_cast<uint32_t>(PausedPlayerTwoOffset);
  } else {
    StartTick = now - static_cast<uint32_t>(PausedElapsed);
  }
}

void Game::PauseClick() {
  if (GameMode == ModeIdle || GameMode == ModeEditor || GameMode == ModeGameOver || GameMode == ModeStopped)
    return;
  if (GameMode == ModePaused) {
    IM(ModeBeforePause);
    RestartPauseClocks();
    host_.SetPauseCaptions(false);
    // Back to a game: show its board. Back to the welcome screen (the dialog bracket can
    // pause there): the board stays hidden, as it was before.
    if (GameMode >= ModeClassic && GameMode <= ModeEditor) FullRedraw();
  } else {
    ModeBeforePause = GameMode;
    StorePauseClocks();
    IM(ModePaused);  // covers the board with the background
    host_.SetPauseCaptions(true);
  }
  SetPauseButtons();
}

void Game::SetPauseButtons() { host_.SetPauseButtons(); }

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
