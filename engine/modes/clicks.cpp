// Mah-Jongg Clicks: the result is the number of tiles left; when no group is left the player
// is asked whether to give up. The scoring and the question are built; the grid play, its
// move count and its own history are not yet (until they are, the start command deals a
// classic game).
#include "engine/modes/clicks.h"

#include "engine/game.h"
#include "engine/modes/all_modes.h"

namespace sorimo {

namespace {

class ClicksRules : public ModeRules {
 public:
  // TODO(Clicks): its own deal, group removal, falling tiles, move count and history; the
  // game modes issue builds them.
  // Until then, Start is the shared default: a classic game.

  void ButtonDown(Game& g, MouseButton button, int px, int py) const override {
    if (button == MouseButton::Right) ModeRules::ButtonDown(g, button, px, py);
  }
  void BackHistory(Game&) const override {}

  // The score is the tiles left, not a time.
  void Tick(Game& g) const override { g.ElapsedSeconds = g.TilesLeft; }

  bool OfferGiveUp(Game& g) const override {
    ClicksState& s = g.ClicksGame;
    if (s.GiveUpAsked) return false;
    // Ticks keep coming while the question is open; the flag keeps them from asking again.
    s.GiveUpAsked = true;
    if (g.host().questions.AskYesNo(
            "Game Over",
            "No more moves. Do you want to give up ? (If you reply Yes and made a good score, "
            "you'll enter the hall of fame. If you reply No, the game will go back one move)")) {
      g.GameFinished = true;
      g.GameOver();
    } else {
      g.GoBack();
    }
    s.GiveUpAsked = false;
    return true;
  }

  // The grid stays on screen under the dialogs; a cleared grid scores zero.
  bool BoardStaysAtEnd() const override { return true; }
  void FinalScore(Game& g) const override {
    if (g.TilesLeft == 0) g.ElapsedSeconds = 0;
  }
  // Only a cleared grid has a word for the player; any result may enter the hall of fame.
  std::string ResultText(const Game& g) const override { return g.ElapsedSeconds == 0 ? ClicksTopText : ""; }
};

}  // namespace

const ModeRules& ClicksMode() {
  static const ClicksRules rules;
  return rules;
}

}  // namespace sorimo
