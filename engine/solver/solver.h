// Can this board still be cleared? An exact answer for any classic position under either free
// rule, with a clearing order when there is one, searched within a budget of nodes.
//
//   const SolveResult r = SolveBoard(board.Grid(), board.Records(), options.Vertical, {});
//   if (r.verdict == SolveVerdict::Impossible) ...          // no order of moves clears it
//   for (const TilePair& p : r.order) game.RemovePair(p.first, p.second);  // when Clearable
//
// The tiles of the position are those whose records are present; grid and records are expected
// to agree, as they do in every game. Tiles match by MatchGroup. Most fresh deals of a full
// layout are decided in a few milliseconds and a position in the middle of a game is smaller
// still, so the call can be made after every move; give it a small budget there and read
// Unknown as "not known yet". Nothing is kept between calls.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"

namespace sorimo {

enum class SolveVerdict {
  Clearable,   // `order` clears the board
  Impossible,  // no order of moves clears it
  Unknown,     // the budget ran out first
};

// Where the search stops and answers Unknown: after this many search nodes (0: no limit). The
// budget counts work, not the clock, so a board gets the same answer on a busy machine as on
// an idle one. A node of a full deal costs 70 to 100 microseconds of one core (its relaxed
// runs), rarely up to 300, so the default is about a second's work.
struct SolveBudget {
  int64_t maxNodes = kDefaultSolveNodes;
  static constexpr int64_t kDefaultSolveNodes = 10'000;
};

struct TilePair {
  uint8_t first = 0, second = 0;  // tile numbers
  bool operator==(const TilePair&) const = default;
};

struct SolveResult {
  SolveVerdict verdict = SolveVerdict::Unknown;
  // When Clearable: every pair in playing order; both tiles are free and match at their turn.
  std::vector<TilePair> order;
  int64_t nodes = 0;        // search nodes: positions with a pairing to choose
  int64_t tableHits = 0;    // positions met again and known dead
  int64_t deadStored = 0;   // positions proved dead and kept
  int64_t relaxedRuns = 0;  // relaxed games played to test pairings (most of the time goes there)
};

SolveResult SolveBoard(const BoardGrid& grid, const TileRecords& records, bool vertical,
                       const SolveBudget& budget = {});

const char* SolveVerdictName(SolveVerdict v);

}  // namespace sorimo
