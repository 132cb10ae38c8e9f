// Reading every setting at start-up and writing every setting at shutdown, in the order of
// the key table (settings_keys.h), all in the one section "Sorimo".
#pragma once

#include <cstdint>

#include "app/store/section_key_store.h"
#include "app/store/settings_keys.h"
#include "engine/options.h"

namespace sorimo {

// Reads every key except "WPos" and "HPos" into the options and values; a missing key or
// an unreadable number gives the key's default. values.ScreenWidth must hold the current
// screen width: it is the default of "PreviousRes". "Highlight", "Background" and "Tileset"
// are read as stored, also when no menu item has that number.
void ReadSettingsFrom(const ProfileDocument& doc, Options& options, SettingsValues& values);
void ReadSettings(const SectionKeyStore& store, Options& options, SettingsValues& values);

// Writes all 44 keys in table order. "BoardNumber" 100 or more (an arcade game is current)
// is written as SavedBoardNumber, the layout that was current before; "PreviousRes" is
// written as values.ScreenWidth. Derive "Background" and "Tileset" with the functions below.
void WriteSettingsTo(ProfileDocument& doc, const Options& options, const SettingsValues& values,
                     int32_t SavedBoardNumber);
WriteResult WriteSettings(const SectionKeyStore& store, const Options& options,
                          const SettingsValues& values, int32_t SavedBoardNumber);

// The check marks of the Background menu. No item checked means "Load from disk" (3).
struct BackgroundChecks {
  bool Kanji1 = false, Dragons1 = false, None1 = false, Andromeda = false, Catpats = false;
};
// 0 Kanji1, 1 Dragons1, 2 None1, 4 Andromeda, 5 Catpats, else 3, tested in that order.
int32_t BackgroundNumber(const BackgroundChecks& checks);

// The check marks of the Tileset menu.
struct TilesetChecks {
  bool Load1 = false, MahJongg1 = false, MahJongg2 = false, MahJongg3 = false;
};
// 0 Load1, 1 MahJongg1, 2 MahJongg2, 3 MahJongg3, else 4 (Lowcolor1), tested in that order.
int32_t TilesetNumber(const TilesetChecks& checks);

}  // namespace sorimo
