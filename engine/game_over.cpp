// The end of a game: noticing it, the final time, the hall of fame hand-off, and Stop.
#include <string>

#include "engine/game.h"

namespace sorimo {

bool Game::RedrawEntryEndsGame() {
  // The last pair goes while TilesLeft is still 2 in the single-tile redraws, so the end is
  // noticed by the next whole-board redraw, which the tick's status refresh requests.
  if (TilesLeft == 0 && GameMode != ModeEditor && ElapsedSeconds > 0) GameFinished = true;
  if (!GameFinished && GameMode != ModePaused) return false;
  GameOver();
  return true;
}

void Game::GameOver() {
  const bool twoPlayers =
      GameMode == ModeTwoPlayer || (GameMode == ModePaused && ModeBeforePause == ModeTwoPlayer);
  if (GameMode != ModeClicks) host_.ShowFond();
  if (GameFinished && !GameOverHandled) {
    // Both guards go up before any dialog: the ticks and focus events that keep arriving
    // meanwhile must neither count time nor end the game a second time.
    GameOverHandled = true;
    if (GameMode == ModeClicks && TilesLeft == 0) ElapsedSeconds = 0;
    WriteScore();
    IM(ModePaused);
    if (twoPlayers) {
      // Two players share no hall of fame; the smaller thinking time wins.
      const char* winner = PlayerTwoTime < PlayerOneTime    ? "And the winner is... Player 2 !"
                           : PlayerTwoTime == PlayerOneTime ? "Same score for both players !"
                                                            : "And the winner is... Player 1 !";
      host_.ShowGameOver(winner, false);
    } else {
      const int total = ElapsedSeconds + PenaltySeconds;
      std::string message;
      if (BoardNumber == 120 || BoardNumber == 121)
        message = ElapsedSeconds == 0 ? ClicksTopText : "";
      else
        message = FinalTimeText + TimeText(total);
      // Strictly better than the tenth entry: an equal total does not push it out.
      const bool entersHall = options_.EnableHall && total < host_.HallTenthTotal(BoardNumber);
      if (!message.empty()) host_.ShowGameOver(message, entersHall);
      if (entersHall) {
        host_.AddHall(BoardNumber, total, PenaltySeconds);
        host_.ShowPanelHOF();
        host_.ShowHallAfterWin();
      }
    }
  }
  IM(ModeGameOver);
  ModeBeforePause = ModeGameOver;
}

void Game::Stop() {
  if (GameMode == ModePaused) {
    host_.SetPauseCaptions(false);
    SetPauseButtons();
  }
  IM(ModeStopped);
  host_.ShowFond();
  host_.ShowPanelHOF();
}

}  // namespace sorimo
