// The hint: each request shows the next available move, in tile order, for 40 seconds.
#include "engine/game.h"

namespace sorimo {

void Game::Hint() {
  if (!Traits(GameMode).allowsHint) return;
  if (moves.MovesLeft == 0) return;
  const Highlights before = HighlightsNow();
  choice.HintFirst = choice.HintSecond = 0;
  IsItFree();
  if (moves.FreeCount < 2 || moves.MovesLeft == 0) return;  // no move, no penalty
  choice.HintIndex = choice.HintIndex % moves.MovesLeft + 1;
  int count = 0;
  for (int i = 1; i < moves.FreeCount; ++i) {
    if (MatchGroup(moves.FreeTiles[i]) != MatchGroup(moves.FreeTiles[i + 1])) continue;
    if (++count == choice.HintIndex) {
      choice.HintFirst = moves.FreeTiles[i];
      choice.HintSecond = moves.FreeTiles[i + 1];
      break;
    }
  }
  clock.PenaltySeconds += 40;
  RedrawHighlightChanges(before);
}

}  // namespace sorimo
