// The status refresh of every tick: tiles, moves and time fields, the no-more-moves warning,
// and the whole-board redraw that notices a cleared board.
#include <string>

#include "engine/game.h"

namespace sorimo {

void Game::WriteScore() {
  const bool running = (GameMode >= ModeClassic && GameMode <= ModeClicks) || GameMode == ModePaused;
  if (!running || GameFinished) {
    host_.SetStatusFields("", "", "");
    return;
  }
  IsItFree();
  const bool countsMoves = GameMode == ModeClassic || GameMode == ModeTwoPlayer || GameMode == ModeRivers ||
                           GameMode == ModeClicks;
  const bool timed = GameMode == ModeClassic || GameMode == ModeRivers || GameMode == ModeMemory;
  host_.SetStatusFields(
      std::to_string(TilesLeft), options_.Moves && countsMoves ? std::to_string(MovesLeft) : std::string(),
      timed && options_.ShowTime ? TimeText(ElapsedSeconds + PenaltySeconds) : std::string());
  if (MovesLeft > 0) StatusBounce = false;

  if (MovesLeft == 0 && GameMode == ModeClicks && !GiveUpAsked) {
    // Ticks keep coming while the question is open; the flag keeps them from asking again.
    GiveUpAsked = true;
    if (host_.AskYesNo("Game Over",
                       "No more moves. Do you want to give up ? (If you reply Yes and made a good score, "
                       "you'll enter the hall of fame. If you reply No, the game will go back one move)")) {
      GameFinished = true;
      GameOver();
    } else {
      GoBack();
    }
    GiveUpAsked = false;
    return;
  }
  if (TilesLeft == 0) {
    if (!GameOverHandled) FullRedraw();  // its first step notices the end
  } else if (MovesLeft == 0 && !StatusBounce &&
             (GameMode == ModeClassic || GameMode == ModeTwoPlayer || GameMode == ModeRivers)) {
    StatusStep = 1;
    ShowStatus(NoMovesText);
    StatusBounce = true;
  }
}

}  // namespace sorimo
