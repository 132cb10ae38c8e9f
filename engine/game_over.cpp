// The end of a game: noticing it, the final score, the result's hand-off, and Stop.
#include "engine/game.h"

namespace sorimo {

bool Game::RedrawEntryEndsGame(EndCheck check) {
  // The redraws of the last pair's two tiles do not notice the end: the next redraw does (the
  // tick's status refresh requests a whole one), so the pair is seen to go first.
  if (check == EndCheck::Now && TilesLeft() == 0 && Traits(GameMode).endsWhenEmpty && clock.ElapsedSeconds > 0)
    GameFinished = true;
  if (GameFinished) {
    GameOver();
    return true;
  }
  // A paused board stays covered, and the game waits: changing the look of the program (the
  // toolbar, the panel, shadows, a background chosen in a dialog that paused the game) must
  // never end it. Resuming redraws the board.
  if (GameMode == ModePaused) {
    host_.board.ShowFond();
    return true;
  }
  return false;
}

void Game::GameOver() {
  // The game that was played: the running one, or the one under the pause.
  const ModeRules& played = RulesOf(PlayedMode());
  EndNoMovesWarning();
  if (!Rules().BoardStaysAtEnd()) host_.board.ShowFond();
  if (GameFinished && !GameOverHandled) {
    // Both guards go up before any dialog: the ticks and focus events that keep arriving
    // meanwhile must neither count time nor end the game a second time.
    GameOverHandled = true;
    Rules().FinalScore(*this);
    WriteScore();
    IM(ModePaused);
    played.AnnounceResult(*this);
  }
  IM(ModeGameOver);
  ModeBeforePause = ModeGameOver;
}

// Without a game there are no moves to miss: the swinging warning goes from the status line.
void Game::EndNoMovesWarning() {
  if (!status.StatusBounce) return;
  status.StatusBounce = false;
  status.ShowStatus("");
  host_.feedback.SetStatusLine("");
}

void Game::Stop() {
  EndNoMovesWarning();
  IM(ModeStopped);
  host_.board.ShowFond();
  ShowSidePanel();
}

}  // namespace sorimo
