// "Warn when the board can no longer be cleared": the solver judges every new position of a
// classic game, and the status line says on which move the game was lost and how far Back
// has to go to a position that can still be cleared.
#include <algorithm>

#include "engine/game.h"

namespace sorimo {

namespace {

// A position in the middle of a game is decided in a millisecond or two; the budget only
// bounds the rare hard one, which then counts as not known and warns of nothing. Budgets count
// the solver's nodes, so every machine warns alike.
constexpr int64_t kJudgeNodes = SolveBudget::kDefaultSolveNodes / 4;
// The walk back through the history solves one position a step; it gives up after this many
// nodes in all.
constexpr int64_t kWalkBackNodes = SolveBudget::kDefaultSolveNodes;

}  // namespace

std::string UnclearableText(const BacksNeeded& b) {
  switch (b.kind) {
    case BacksNeeded::Kind::Found:
      return b.backs == 1 ? "This board can no longer be cleared: press Back once."
                          : "This board can no longer be cleared: press Back " + std::to_string(b.backs) + " times.";
    case BacksNeeded::Kind::NoneFromTheDeal:
      return "This board cannot be cleared, not even from the start.";
    case BacksNeeded::Kind::NotKnown:
      break;
  }
  return "This board can no longer be cleared.";
}

void Game::WatchClearable() {
  ClearableWatchState& w = aid.ClearableWatch;
  if (w.judged && w.position == board_.Records()) return;
  const SolveResult r = SolveBoard(board_.Grid(), board_.Records(), options_.Vertical, {kJudgeNodes});
  const bool wasImpossible = w.judged && w.verdict == SolveVerdict::Impossible;
  // The walk back compares its first step with the position judged before this one.
  if (r.verdict == SolveVerdict::Impossible && !wasImpossible) status.ShowStatus(UnclearableText(BacksToClearable()));
  w.judged = true;
  w.position = board_.Records();
  w.verdict = r.verdict;
}

BacksNeeded Game::BacksToClearable() const {
  int64_t spent = 0;
  Board copy = board_;
  // Each step is one press of Back, made on the copy.
  for (int backs = 1; PutBackPairOn(copy); ++backs) {
    // The position before the last move is usually the one judged before: no need to solve it.
    if (backs == 1 && aid.ClearableWatch.judged && aid.ClearableWatch.verdict == SolveVerdict::Clearable &&
        aid.ClearableWatch.position == copy.Records())
      return {BacksNeeded::Kind::Found, 1};
    const int64_t remaining = kWalkBackNodes - spent;
    if (remaining <= 0) return {BacksNeeded::Kind::NotKnown, 0};
    const SolveResult r = SolveBoard(copy.Grid(), copy.Records(), options_.Vertical, {std::min(kJudgeNodes, remaining)});
    spent += r.nodes;
    if (r.verdict == SolveVerdict::Clearable) return {BacksNeeded::Kind::Found, backs};
    if (r.verdict == SolveVerdict::Unknown) return {BacksNeeded::Kind::NotKnown, 0};
  }
  return {BacksNeeded::Kind::NoneFromTheDeal, 0};
}

}  // namespace sorimo
