#include "app/window/side_panel_model.h"

namespace sorimo {

int PanelShiftFor(uint8_t mode, const Options& options) {
  if (options.ShowGirls && mode != ModeTwoPlayer &&
      (!options.ShowCurrentTile || mode == ModeMemory || mode == ModeClicks))
    return kGirlPanelShift;
  if (mode == ModeTwoPlayer) return 20;
  if (options.ShowCurrentTile) return 10;
  return -20;
}

int GirlPicture(uint8_t gameMode, uint8_t modeBeforePause, int t, int movesLeft) {
  const int mode = gameMode == ModePaused ? modeBeforePause : gameMode;
  switch (mode) {
    case ModeClassic: return movesLeft <= 2 ? 11 : movesLeft <= 7 ? 9 : 10;
    case ModeRivers: return t <= 120 ? 7 : t <= 240 ? 6 : 8;
    case ModeMemory: return t <= 60 ? 7 : t <= 120 ? 6 : 8;
    case ModeClicks: return movesLeft <= 6 ? 5 : movesLeft <= 24 ? 3 : 4;
    default: return 1;
  }
}

}  // namespace sorimo
