// Mah-Jongg Memory: pairs are found among face-down tiles. Its state.
#pragma once

#include <cstdint>

#include "engine/modes/mode_state.h"

namespace sorimo {

class Game;

struct MemoryState : ModeState {
  // Ticks until the two face-up tiles are resolved; while it runs, every click is lost.
  int32_t RevealCountdown = 0;
};

}  // namespace sorimo
