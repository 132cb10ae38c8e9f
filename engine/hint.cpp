// The hint: each request shows the next available move, in tile order, for 40 seconds.
#include "engine/game.h"

namespace sorimo {

void Game::Hint() {
  if (!Traits(GameMode).allowsHint) return;
  if (MovesLeft == 0) return;
  const Highlights before = HighlightsNow();
  HintFirst = HintSecond = 0;
  IsItFree();
  if (FreeCount < 2 || MovesLeft == 0) return;  // no move, no penalty
  HintIndex = HintIndex % MovesLeft + 1;
  int count = 0;
  for (int i = 1; i < FreeCount; ++i) {
    if (MatchGroup(FreeTiles[i]) != MatchGroup(FreeTiles[i + 1])) continue;
    if (++count == HintIndex) {
      HintFirst = FreeTiles[i];
      HintSecond = FreeTiles[i + 1];
      break;
    }
  }
  PenaltySeconds += 40;
  RedrawHighlightChanges(before);
}

}  // namespace sorimo
