// Starting a game from the menus, toolbar and welcome panel, and the view options that
// change the window's parts.
#include <QAction>

#include "app/window/cool_menu.h"
#include "app/window/editor_panel.h"
#include "app/window/side_panel.h"
#include "app/window/sorimo.h"
#include "app/window/status_bar.h"
#include "app/window/tool_panel.h"
#include "app/window/window_commands.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

// A layout the deal cannot use (an odd number of positions, too many) is refused with a
// message, and the game that was running goes on.
void TSorimo::ReportDeal(DealResult r) {
  if (r != DealResult::Dealt) ShowError(DealResultText(r));
}

void TSorimo::StartGameCommand(DealResult (Game::*start)()) { ReportDeal((game_.*start)()); }
void TSorimo::StartGameCommand(const std::function<DealResult(Game&)>& start) { ReportDeal(start(game_)); }

// ---------------------------------------------------------------- View options

void TSorimo::Toolbar1Click() {
  options_.Toolbar1 = !options_.Toolbar1;
  // In the editor its panel stands where the toolbar was.
  (Describe(game_.GameMode).ownMenu ? static_cast<QWidget*>(editorPanel_) : tools_)->setVisible(options_.Toolbar1);
  FitWindow();
  game_.FullRedraw();
}

void TSorimo::ShowTitleClick() {
  options_.ShowTitle = !options_.ShowTitle;
  status_->setVisible(options_.ShowTitle);
  FitWindow();
}

void TSorimo::ShowHallPanel() {
  options_.ShowHallFame = !options_.ShowHallFame;
  // A 640-pixel screen has the window as wide as the screen already: hiding the panel
  // leaves that width, showing it widens the window by the panel.
  const bool smallScreen = desktop_.screenWidth() <= 640;
  const QSize before = size();
  if (options_.ShowHallFame) {
    sidePanel_->show();
    if (smallScreen)
      setFixedSize(before.width() + SidePanel::kWidth, before.height());
    else
      FitWindow();
    ShowPanelHOF();
    game_.HofRefreshPending = true;
  } else {
    sidePanel_->hide();
    if (!smallScreen) FitWindow();
  }
  game_.FullRedraw();
}

// "Cool Menu": the drop-down menus show a title strip.
void TSorimo::ApplyCoolMenu() {
  commands_->SetCoolMenu(options_.CoolMenu1);
  for (QMenu* m : editorMenus_) static_cast<CoolMenu*>(m)->setStrip(options_.CoolMenu1);
}

void TSorimo::ShadowsClick() {
  options_.Shadows = !options_.Shadows;
  game_.FullRedraw();
}

}  // namespace sorimo
