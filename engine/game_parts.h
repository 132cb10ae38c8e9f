// The plain parts of a game's state that every mode shares, each read and written by the
// shared routines (engine/*.cpp) and the modes' rules: the clock, what the player chose and
// was shown, and the moves the board offers.
#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"

namespace sorimo {

// The game clock. Tick values are the host's 32-bit millisecond counter; differences wrap
// safely. The result of a game is ElapsedSeconds + PenaltySeconds (in Clicks the tiles left).
// The period of the game's tick, in milliseconds: a status text slides, a label blinks, a
// reveal counts down by it.
constexpr int kTickMs = 50;

struct GameClock {
  int32_t ElapsedSeconds = 0;
  int32_t PenaltySeconds = 0;
  uint32_t StartTick = 0;
  int32_t PausedElapsed = 0;  // the milliseconds played when the game was paused
};

// What the player chose and was shown: the selection, the hinted pair, the tile under the
// pointer.
struct Choice {
  uint8_t FirstSelected = 0;
  uint8_t SecondSelected = 0;
  int32_t PreviousSecond = 0;
  bool ClickConsumed = false;  // the click chose its tile already (TestStile2)
  int32_t HintIndex = 0;       // the move the next hint shows, counted in tile order
  int32_t HintFirst = 0;
  int32_t HintSecond = 0;
  uint8_t HoverTile = 0;       // framed under the pointer
};

// The free tiles (1-based, increasing tile number) and the moves they give, as IsItFree
// counted them last.
struct MoveCount {
  std::array<uint8_t, kTileCount + 1> FreeTiles{};
  int32_t FreeCount = 0;
  int32_t MovesLeft = 0;
};

}  // namespace sorimo
