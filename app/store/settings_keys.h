// The keys of the settings file, in the order start-up reads them and shutdown writes them,
// with their types and defaults. This one table drives both directions, so the order of the
// file and the defaults cannot drift apart.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/options.h"

namespace sorimo {

constexpr std::string_view kSettingsFileName = "Sorimo.ini";
constexpr std::string_view kSettingsSection = "Sorimo";

// The settings that are not options: fields of the main window and values kept for later
// start-up steps. The initialisers are the defaults of a missing key.
struct SettingsValues {
  std::string CurrentPlayer1 = "Player1";
  int32_t ColorBackground = 8421376;  // 0x00BBGGRR: 0x808000
  int32_t BoardNumber = -1;           // -1: the layout loader chooses
  int32_t MidiNumber = -1;            // -1: the music loader chooses
  std::string LastLoadedTileset;
  std::string LastLoadedBackground;
  int32_t RandomSeed = 0;
  int32_t XPos = 0, YPos = 0;
  int32_t WPos = 0, HPos = 0;  // written only; never read back
  int32_t PreviousRes = 0;     // screen width at the last shutdown
  // The current screen width: the default of "PreviousRes" when reading, and the value
  // written as "PreviousRes" at shutdown. Not a key of its own.
  int32_t ScreenWidth = 0;
};

enum class SettingKind : uint8_t { Flag, OptionNumber, Number, Text };

// How one key is read and written. Exactly one of the four members is set, by kind.
struct SettingKey {
  std::string_view name;
  SettingKind kind;
  bool Options::*flag = nullptr;
  int32_t Options::*optionNumber = nullptr;
  int32_t SettingsValues::*number = nullptr;
  std::string SettingsValues::*text = nullptr;
  int32_t defaultNumber = 0;  // flags: 1 for true
  // A numbered choice of a menu (OptionNumber): a number from 0 to choiceCount - 1 names an
  // item; any other means that no item is chosen and is written as writtenWhenNone.
  int32_t choiceCount = 0;
  int32_t writtenWhenNone = 0;
  std::string_view defaultText = {};
  bool readAtStartup = true;  // "WPos" and "HPos" are written only
};

// The keys in file order: the 44 the file has always held, then the keys added since.
std::span<const SettingKey> SettingsKeys();

// The number a numbered choice is written as: itself while it names an item, else the
// key's number for "no item chosen". Other keys' numbers are written as they are.
constexpr int32_t ChoiceAsWritten(const SettingKey& key, int32_t value) {
  if (key.choiceCount > 0 && (value < 0 || value >= key.choiceCount)) return key.writtenWhenNone;
  return value;
}

}  // namespace sorimo
