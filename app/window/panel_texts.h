// The texts of the hall of fame panel: the title (when no girl picture stands at the panel's
// foot) and the ten entries of the list shown. They change only with the list, the new
// entry's rank and the panel's shift, so the panel draws them once per such change.
#pragma once

#include <QImage>
#include <array>
#include <string>

#include "app/window/side_panel_model.h"

namespace sorimo {

struct PanelTexts {
  int shift = 0;          // PanelShift
  bool title = false;     // "HALL OF" / "FAME", drawn when there is no girl picture
  int column = -1;        // the list; outside 0..kHallColumns - 1 no entries are drawn
  int newEntryRank = 0;   // drawn bold italic
  std::array<std::string, 10> entries;
  bool operator==(const PanelTexts&) const = default;
};

PanelTexts PanelTextsOf(const PanelModel& model, int shift);

// Draws the texts over `target` with a transparent background.
void DrawPanelTexts(QImage& target, const PanelTexts& texts);

}  // namespace sorimo
