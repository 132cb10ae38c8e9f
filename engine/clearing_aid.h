// What the solver does for a player of the classic game: the warning on the move after which
// the board can no longer be cleared ("Warn when the board can no longer be cleared"), and
// "Solve this board", which plays a clearing order at a pace the eye can follow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/solver/solver.h"

namespace sorimo {

inline constexpr char SolvingText[] = "Solving this board... any key or click stops it.";
inline constexpr char SolveStoppedText[] = "Solving stopped.";
inline constexpr char SolveNotFoundText[] = "No way to clear this board was found in time.";
inline constexpr char SolvedText[] = "The solver cleared this board.";

// How many times Back leads to a position that can be cleared.
struct BacksNeeded {
  enum class Kind {
    Found,           // `backs` presses of Back
    NoneFromTheDeal, // not even the deal can be cleared
    NotKnown,        // the solver ran out of time on the way back
  };
  Kind kind = Kind::NotKnown;
  int backs = 0;
};

// The position the warning judged last, what the solver said of it and, for a lost one, how
// far back the game was still clearable. The solver runs once a position; the warning comes
// when a position that could be cleared (or was not known) gives way to one that cannot, and
// while it is on the status line every later move and Back brings it up to date.
struct ClearableWatchState {
  bool judged = false;
  TileRecords position{};
  SolveVerdict verdict = SolveVerdict::Unknown;
  BacksNeeded backs;  // of a position judged Impossible
  std::string said;   // the sentence the warning last put on the status line
};

// "Solve this board": the clearing order, played one tile a step by the tick.
struct SolvePlayState {
  bool running = false;
  std::vector<TilePair> order;
  size_t next = 0;          // the pair played next
  bool firstShown = false;  // its first tile is on screen as the selection
  uint32_t stepTick = 0;    // when the last step was shown
  bool used = false;        // the solver played in this game: its result enters no hall of fame
};

// The game's part of it: the warning's judgement and the solver's play.
struct ClearingAid {
  ClearableWatchState ClearableWatch;
  SolvePlayState SolvePlay;
};

// The status line's sentence for a board that can no longer be cleared.
std::string UnclearableText(const BacksNeeded& b);

// Milliseconds each tile of the solver's play stays on screen before the next step.
inline constexpr uint32_t kSolveStepMs = 350;

}  // namespace sorimo
