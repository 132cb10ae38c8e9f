// "Solve this board": when the classic board can still be cleared, the solver's order is
// played by the tick, a tile at a time, until the board is empty or the player stops it with
// any key or click. A game the solver played in enters no hall of fame.
#include "engine/game.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

namespace {

// The player asked and waits for the answer: more work than the warning gets.
constexpr int64_t kSolveCommandNodes = 3 * SolveBudget::kDefaultSolveNodes;

}  // namespace

void Game::SolveThisBoard() {
  if (!Describe(GameMode).solverPlays || GameFinished || TilesLeft() == 0) return;
  if (StopSolving()) return;
  const SolveResult r = SolveBoard(board_.Grid(), board_.Records(), options_.Vertical, {kSolveCommandNodes});
  if (r.verdict == SolveVerdict::Impossible) {
    SayClearable(UnclearableText(BacksToClearable()));
    return;
  }
  if (r.verdict == SolveVerdict::Unknown || r.order.empty()) {
    status.ShowStatus(SolveNotFoundText);
    return;
  }
  // The player's choice and the hint make way for the solver's.
  const Highlights before = HighlightsNow();
  choice.FirstSelected = choice.SecondSelected = 0;
  choice.HintFirst = choice.HintSecond = 0;
  RedrawHighlightChanges(before);
  aid.SolvePlay = SolvePlayState{};
  aid.SolvePlay.running = true;
  aid.SolvePlay.used = true;
  aid.SolvePlay.order = r.order;
  aid.SolvePlay.stepTick = host_.time.TickCount();
  status.ShowStatus(SolvingText);
}

void Game::StepSolving() {
  SolvePlayState& s = aid.SolvePlay;
  if (!s.running) return;
  if (!Describe(GameMode).solverPlays || GameFinished || s.next >= s.order.size()) {
    s.running = false;
    return;
  }
  const uint32_t now = host_.time.TickCount();
  if (now - s.stepTick < kSolveStepMs) return;
  s.stepTick = now;

  const TilePair p = s.order[s.next];
  // The order was made for the board as it stood; should it have changed (it cannot while
  // the solver plays), stopping is the honest answer.
  if (!IsFreeNow(p.first) || !IsFreeNow(p.second)) {
    StopSolving();
    return;
  }
  if (!s.firstShown) {
    choice.FirstSelected = p.first;
    SonOK(p.first);
    s.firstShown = true;
    return;
  }
  s.firstShown = false;
  ++s.next;
  RemovePair(p.first, p.second);
  if (options_.ShowGirls) ShowSidePanel();
  if (s.next == s.order.size()) {
    s.running = false;  // the tick's status refresh ends the game
    status.ShowStatus(SolvedText);  // the line no longer offers to stop what has ended
  }
}

bool Game::StopSolving() {
  SolvePlayState& s = aid.SolvePlay;
  if (!s.running) return false;
  s.running = false;
  if (s.firstShown && choice.FirstSelected != 0) {
    const int shown = choice.FirstSelected;
    choice.FirstSelected = 0;
    RedrawTile(shown);
  }
  s.firstShown = false;
  status.ShowStatus(SolveStoppedText);
  return true;
}

}  // namespace sorimo
