// Memory: half a second after the second tile was turned up, the pair goes or turns back.
#include "engine/game.h"

namespace sorimo {

void Game::ResolveReveal() {
  if (options_.ShowGirls) host_.ShowPanelHOF();
  const int first = FirstSelected, second = SecondSelected;
  if (first > 0 && second > 0 && first != second && MatchGroup(first) == MatchGroup(second)) {
    RemovePair(first, second);
    return;
  }
  FirstSelected = SecondSelected = 0;
  FullRedraw();  // both face down again
  if (first > 0 && second > 0) PenaltySeconds += 2;
}

}  // namespace sorimo
