#include "app/window/side_panel_model.h"

#include "engine/modes/mode_description.h"

namespace sorimo {

int PanelShiftFor(uint8_t mode, const Options& options) {
  const ModeDescription& d = Describe(mode);
  if (options.ShowGirls && !d.playerClocks && (!options.ShowCurrentTile || !d.tilePreview)) return kGirlPanelShift;
  if (d.playerClocks) return 20;
  if (options.ShowCurrentTile) return 10;
  return -20;
}

int GirlPicture(uint8_t gameMode, uint8_t modeBeforePause, int t, int movesLeft) {
  const ModeDescription& d = Describe(gameMode == ModePaused ? modeBeforePause : gameMode);
  return d.portrait != nullptr ? d.portrait(t, movesLeft) : 1;
}

}  // namespace sorimo
