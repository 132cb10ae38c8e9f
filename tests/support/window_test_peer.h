// Reaches what the window keeps private, for the window tests and benchmarks: what a player
// does through a dialog or a pointer the tests drive directly.
#pragma once

#include <string>

#include "app/dialogs/hall_window.h"
#include "app/window/side_panel_model.h"
#include "app/window/sorimo.h"

namespace sorimo {

// What tests do to the window that its controls do not offer directly.
class TSorimoTestPeer {
 public:
  static TSorimo::SaveOutcome SaveLayout(TSorimo& w) { return w.SaveLayout(); }
  static void PointerAt(TSorimo& w, int x, int y) { w.FormMouseMove(x, y); }
  static void LoadTileset(TSorimo& w, const std::string& path) { w.LoadTileset(path); }
  static void PlayLayoutEntry(TSorimo& w, int number) { w.PlayLayoutEntry(number); }
  static bool MayClose(TSorimo& w) { return w.FormCloseQuery(); }
  static void ButtonDownAt(TSorimo& w, Qt::MouseButton button, int x, int y) { w.ButtonDownAt(button, x, y); }
  static void ShowBackground(TSorimo& w, const std::string& path) { w.NouveauFond(path); }
  // The hall of fame window's model as the end of a qualifying game shows it.
  static HallWindowModel HallModelAfterWin(TSorimo& w) {
    w.HallAfterWin = true;
    HallWindowModel model = w.HallModel();
    w.HallAfterWin = false;
    return model;
  }
  static void RunLayout(TSorimo& w, const std::string& path) { w.RunLayout(path); }
  // What the side panel is handed to draw now.
  static PanelModel PanelModelNow(TSorimo& w) { return w.PanelModelNow(); }
  // Milliseconds until the game's next tick; -1 when it sleeps until an event.
  static int NextTickIn(const TSorimo& w) { return w.Timer.nextTickIn(); }
};

}  // namespace sorimo
