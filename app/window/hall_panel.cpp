// The window's side of the hall of fame panel: what it hands the panel to draw.
#include "app/window/side_panel.h"
#include "app/window/sorimo.h"

namespace sorimo {

PanelModel TSorimo::PanelModelNow() {
  return {game_, options_, hall_, game_.BoardNumber, NewEntryRankShown()};
}

void TSorimo::ShowPanelHOF() { sidePanel_->ShowPanelHOF(PanelModelNow()); }

void TSorimo::RedrawHOF() { sidePanel_->RedrawHOF(); }

}  // namespace sorimo
