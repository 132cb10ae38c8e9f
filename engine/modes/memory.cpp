// Mah-Jongg Memory: pairs are found among face-down tiles. The resolution of a turned-up pair
// is built; the start and the turning of tiles are not yet (until they are, the start
// command deals a classic game).
#include "engine/modes/memory.h"

#include "engine/game.h"
#include "engine/modes/all_modes.h"

namespace sorimo {

namespace {

class MemoryRules : public ModeRules {
 public:
  // TODO(Memory): its own deal and the turning of tiles; the game modes issue builds them.
  // Until then, Start is the shared default: a classic game.

  // The right button only redraws: the tiles turned up stay up.
  void ClearChoice(Game&) const override {}
};

}  // namespace

void ResolveReveal(Game& g) {
  if (g.options().ShowGirls) g.host().board.ShowPanelHOF();
  const int first = g.FirstSelected, second = g.SecondSelected;
  if (first > 0 && second > 0 && first != second && MatchGroup(first) == MatchGroup(second)) {
    g.RemovePair(first, second);
    return;
  }
  g.FirstSelected = g.SecondSelected = 0;
  g.FullRedraw();  // both face down again
  if (first > 0 && second > 0) g.PenaltySeconds += 2;
}

const ModeRules& MemoryMode() {
  static const MemoryRules rules;
  return rules;
}

}  // namespace sorimo
