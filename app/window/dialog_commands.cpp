// The commands that open a dialog, and the models the dialogs are given.
#include "app/dialogs/about_box.h"
#include "app/dialogs/hall_window.h"
#include "app/window/sorimo.h"

namespace sorimo {

HallWindowModel TSorimo::HallModel() {
  return {.table = hall_,
          .playerName = values_.CurrentPlayer1,
          .layoutNames = layouts_.names,
          .column = game_.BoardNumber,
          .afterWin = HallAfterWin,
          .newEntryRank = NewEntryRankShown(),
          .backdrop = BackdropPicture,
          .askOkCancel = [this](const std::string& caption, const std::string& text) { return AskOkCancel(caption, text); },
          .panelChanged = [this] { ShowPanelHOF(); },
          .listReset = [this] { game_.HofRefreshPending = true; },
          .newEntryGone = [this] { NewEntryRank = 0; }};
}

// The hall of fame window from the menu, the toolbar or the welcome panel; the game waits.
void TSorimo::ShowScores() {
  CheckPause(game_);
  if (desktop_.hallWindow) {
    desktop_.hallWindow(false);
  } else {
    THallWindow w(this, HallModel());
    w.exec();
  }
  UnCheckPause(game_);
}

void TSorimo::About1Click() {
  CheckPause(game_);
  if (desktop_.aboutWindow) {
    desktop_.aboutWindow();
  } else {
    TAboutBox box(this, {BackdropPicture});
    box.exec();
  }
  UnCheckPause(game_);
}

}  // namespace sorimo
