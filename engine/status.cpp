// The status refresh of every tick: tiles, moves and time fields, the no-more-moves warning,
// and the whole-board redraw that notices a cleared board.
#include <string>

#include "engine/game.h"

namespace sorimo {

void Game::WriteScore() {
  const ModeTraits& traits = Traits(GameMode);
  if (!traits.underWay || GameFinished) {
    host_.feedback.SetStatusFields("", "", "");
    return;
  }
  IsItFree();
  if (options_.WarnUnclearable && traits.solverJudges && moves.MovesLeft > 0 && !aid.SolvePlay.running) WatchClearable();
  host_.feedback.SetStatusFields(
      std::to_string(TilesLeft()), options_.Moves && traits.countsMoves ? std::to_string(moves.MovesLeft) : std::string(),
      traits.showsTime && options_.ShowTime ? TimeText(clock.ElapsedSeconds + clock.PenaltySeconds) : std::string());
  if (moves.MovesLeft > 0) status.StatusBounce = false;

  if (moves.MovesLeft == 0 && Rules().OfferGiveUp(*this)) return;
  if (TilesLeft() == 0) {
    if (!GameOverHandled) FullRedraw();  // its first step notices the end
  } else if (moves.MovesLeft == 0 && !status.StatusBounce && traits.warnsNoMoves) {
    status.StatusStep = 1;
    status.ShowStatus(NoMovesText);
    status.StatusBounce = true;
  }
}

}  // namespace sorimo
