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

// Writes all 45 keys in table order. "BoardNumber" 100 or more (an arcade game is current)
// is written as SavedBoardNumber, the layout that was current before; "PreviousRes" is
// written as values.ScreenWidth. A "Background" or "Tileset" that names no item (none is
// checked) is written as 3 ("Load from disk") or 4 ("Few Colors").
void WriteSettingsTo(ProfileDocument& doc, const Options& options, const SettingsValues& values,
                     int32_t SavedBoardNumber);
WriteResult WriteSettings(const SectionKeyStore& store, const Options& options,
                          const SettingsValues& values, int32_t SavedBoardNumber);

}  // namespace sorimo
