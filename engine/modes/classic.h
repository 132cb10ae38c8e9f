// The classic solitaire: pairs of matching free tiles leave the board until it is empty.
// The two-player game plays by the same rules and builds on this class.
#pragma once

#include "engine/modes/mode_rules.h"

namespace sorimo {

class ClassicRules : public ModeRules {
 public:
  void ChoisitPai(Game& g, int px, int py, int column, int row, MouseButton button) const override;
  void CountMoves(Game& g) const override;
  void Shuffle(Game& g) const override;

 protected:
  // A matching pair has just left the board.
  virtual void AfterPair(Game& /*g*/) const {}
  // Seconds added for a shuffle that found `moves` new moves.
  virtual int ShufflePenalty(int moves) const { return 10 * moves; }
};

}  // namespace sorimo
