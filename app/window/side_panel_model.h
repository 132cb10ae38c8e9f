// What the hall of fame panel shows, and the two choices it makes from the game: how far its
// texts move up or down, and which girl picture stands at its foot.
#pragma once

#include <cstdint>

#include "app/store/hall_table.h"
#include "engine/game.h"
#include "engine/options.h"

namespace sorimo {

struct PanelModel {
  const Game& game;
  const Options& options;
  const HallTable& hall;
  int column = 0;        // `BoardNumber`: the list shown
  int newEntryRank = 0;  // shown bold italic; 0 for none
};

// `PanelShift`: 90 with a girl picture, 20 in two-player mode, 10 when the current tile is
// shown, -20 otherwise.
inline constexpr int kGirlPanelShift = 90;
int PanelShiftFor(uint8_t gameMode, const Options& options);

// The girl image (0..11) for the running game, or for the game that was running when it was
// paused; seconds is the elapsed time with the penalties.
int GirlPicture(uint8_t gameMode, uint8_t modeBeforePause, int seconds, int movesLeft);

}  // namespace sorimo
