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

// `fewer` is `more` after the pair the history keeps at `removed` - 2 and `removed` - 1 left
// it, `removed` being the tiles `fewer` lacks: the two positions are one move apart.
bool OnePairApart(const TileRecords& more, const TileRecords& fewer, const std::array<HistoryEntry, kTileCount>& history,
                  int removed) {
  if (removed < 2 || removed > kTileCount) return false;
  const HistoryEntry& a = history[size_t(removed - 2)];
  const HistoryEntry& b = history[size_t(removed - 1)];
  for (int n = 1; n <= kTileCount; ++n) {
    if (n == a.tile || n == b.tile) {
      const HistoryEntry& e = n == a.tile ? a : b;
      if (fewer[size_t(n)].present() || !(more[size_t(n)] == TileRecord{e.x, e.y, e.z})) return false;
    } else if (!(fewer[size_t(n)] == more[size_t(n)])) {
      return false;
    }
  }
  return true;
}

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
  const bool wasImpossible = w.judged && w.verdict == SolveVerdict::Impossible;
  const bool shown = !w.said.empty() && status.Shown == w.said;  // nothing has said otherwise since
  // One move on from a lost position is lost too, one press further from a clearable one; one
  // Back from it is one press nearer. Those need no solver, and the count stays exact where a
  // walk back might run out of budget.
  SolveVerdict verdict = SolveVerdict::Unknown;
  BacksNeeded backs;
  const int total = board_.TilesTotal(), left = board_.TilesLeft();
  if (wasImpossible && OnePairApart(w.position, board_.Records(), moveHistory_, total - left)) {
    verdict = SolveVerdict::Impossible;
    backs = w.backs;
    if (backs.kind == BacksNeeded::Kind::Found) ++backs.backs;
  } else if (wasImpossible && w.backs.kind != BacksNeeded::Kind::NotKnown &&
             OnePairApart(board_.Records(), w.position, moveHistory_, total - left + 2)) {
    backs = w.backs;
    const bool reached = backs.kind == BacksNeeded::Kind::Found && --backs.backs == 0;
    verdict = reached ? SolveVerdict::Clearable : SolveVerdict::Impossible;
  } else {
    verdict = SolveBoard(board_.Grid(), board_.Records(), options_.Vertical, {kJudgeNodes}).verdict;
    // The walk back compares its first step with the position judged before this one.
    if (verdict == SolveVerdict::Impossible) backs = BacksToClearable();
  }
  w.judged = true;
  w.position = board_.Records();
  w.verdict = verdict;
  w.backs = backs;
  // Spoken on the move that lost the board; brought up to date while it is still on the line,
  // and taken away once it is no longer true.
  if (verdict == SolveVerdict::Impossible && (!wasImpossible || shown)) {
    const std::string text = UnclearableText(backs);
    if (!shown || text != w.said) SayClearable(text);
  } else if (verdict != SolveVerdict::Impossible && shown) {
    SayClearable("");
  }
}

void Game::SayClearable(const std::string& text) {
  aid.ClearableWatch.said = text;
  status.ShowStatus(text);
  if (text.empty()) host_.feedback.SetStatusLine("");
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
