// Mah-Jongg Rivers: every tile may be taken (the trait says so); a pair goes when a path of
// at most three straight segments joins the two tiles. The shuffle is built; the start, the
// path rule and the move count are not yet (until they are, the start command deals a
// classic game).
#include "engine/game.h"
#include "engine/modes/all_modes.h"

namespace sorimo {

namespace {

class RiversRules : public ModeRules {
 public:
  // TODO(Rivers): its own deal, path rule and move count; the game modes issue builds them.
  // Until then, Start is the shared default: a classic game.

  // The tiles change places on their own layers, for a flat penalty.
  void Shuffle(Game& g) const override {
    g.PlainShuffle(true);
    g.ShowStatus(RiversShuffleText);
    g.PenaltySeconds += 40;
  }
};

}  // namespace

const ModeRules& RiversMode() {
  static const RiversRules rules;
  return rules;
}

}  // namespace sorimo
