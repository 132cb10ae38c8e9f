// Two players on one computer: the state of their turns and clocks.
#pragma once

#include <cstdint>

#include "engine/modes/mode_state.h"

namespace sorimo {

struct TwoPlayerState : ModeState {
  bool PlayerTwoToMove = false;
  int32_t PlayerOneTime = 0;  // ms used in completed turns
  int32_t PlayerTwoTime = 0;
  uint32_t PlayerOneTurnStart = 0;  // millisecond counter at the start of the running turn
  uint32_t PlayerTwoTurnStart = 0;
  int32_t PausedPlayerOneOffset = 0;  // the turns' running times when the game was paused
  int32_t PausedPlayerTwoOffset = 0;
};

}  // namespace sorimo
