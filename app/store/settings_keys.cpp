#include "app/store/settings_keys.h"

#include <array>

namespace sorimo {

namespace {

constexpr SettingKey Flag(std::string_view name, bool Options::*field, bool fallback) {
  return {.name = name, .kind = SettingKind::Flag, .flag = field, .defaultNumber = fallback ? 1 : 0};
}

constexpr SettingKey OptionNumber(std::string_view name, int32_t Options::*field,
                                  int32_t fallback) {
  return {.name = name, .kind = SettingKind::OptionNumber, .optionNumber = field,
          .defaultNumber = fallback};
}

// A menu's numbered choice; see SettingKey::choiceCount.
constexpr SettingKey Choice(std::string_view name, int32_t Options::*field, int32_t fallback,
                            int32_t choiceCount, int32_t writtenWhenNone) {
  return {.name = name, .kind = SettingKind::OptionNumber, .optionNumber = field,
          .defaultNumber = fallback, .choiceCount = choiceCount, .writtenWhenNone = writtenWhenNone};
}

constexpr SettingKey Number(std::string_view name, int32_t SettingsValues::*field,
                            int32_t fallback, bool readAtStartup = true) {
  return {.name = name, .kind = SettingKind::Number, .number = field, .defaultNumber = fallback,
          .readAtStartup = readAtStartup};
}

constexpr SettingKey Text(std::string_view name, std::string SettingsValues::*field,
                          std::string_view fallback) {
  return {.name = name, .kind = SettingKind::Text, .text = field, .defaultText = fallback};
}

using O = Options;
using V = SettingsValues;

constexpr std::array<SettingKey, 45> kKeys = {
    OptionNumber("Highlight", &O::HighlightMode, HighlightGreenRectangle),
    Flag("Invert", &O::Invert, false),
    Flag("ShowMoves", &O::Moves, true),
    Flag("PlayMusic", &O::PlayMusic, true),
    Flag("PlaySounds", &O::PlaySounds, true),
    Text("CurrentPlayer1", &V::CurrentPlayer1, "Player1"),
    Number("ColorBackground", &V::ColorBackground, 8421376),
    // No background item checked is written as "Load from disk", no tileset as "Few Colors".
    Choice("Background", &O::Background, 4, 6, 3),
    Number("BoardNumber", &V::BoardNumber, -1),
    Number("MidiNumber", &V::MidiNumber, -1),
    Choice("Tileset", &O::Tileset, 3, 5, 4),
    Flag("SetRes800", &O::Res800, false),
    Text("LastLoadedTileset", &V::LastLoadedTileset, ""),
    Text("LastLoadedBackground", &V::LastLoadedBackground, ""),
    Flag("StartDirectly", &O::StartupGame, false),
    Flag("StartMusic", &O::StartMusic, true),
    Flag("ShowHallOfFame", &O::ShowHallFame, true),
    Flag("ShowToolbar", &O::Toolbar1, true),
    Flag("ShowStatus", &O::ShowTitle, true),
    Flag("ShowGirls", &O::ShowGirls, true),
    Flag("CoolMenu", &O::CoolMenu1, true),
    Flag("CoolMouse", &O::CoolMouse, true),
    Flag("CoolStatus", &O::CoolStatus, true),
    Flag("CoolToolbar", &O::CoolToolbar, true),
    Flag("TileRivers", &O::AnimateTileRivers, true),
    Flag("ShowTime", &O::ShowTime, true),
    Flag("FlatButtons", &O::FlatButtons, true),
    Flag("EnableHall", &O::EnableHall, true),
    Flag("Shadows", &O::Shadows, true),
    Flag("Vertical", &O::Vertical, false),
    Flag("Winnable", &O::Winnable, false),
    Flag("Shuffable", &O::Shuffable, true),
    Flag("Animate", &O::Animate, false),
    Flag("AnimateClicks", &O::AnimateClicks, false),
    Flag("PauseFocus", &O::GoCheckPause, true),
    Flag("ShowTile", &O::ShowCurrentTile, false),
    Flag("OnlyPossible", &O::OnlyPossibleMoves, false),
    Flag("RandomMusic", &O::RandomMusic, false),
    Number("RandomSeed", &V::RandomSeed, 0),
    Number("XPos", &V::XPos, 0),
    Number("YPos", &V::YPos, 0),
    Number("WPos", &V::WPos, 0, false),
    Number("HPos", &V::HPos, 0, false),
    // Its default is the current screen width, filled in when reading.
    Number("PreviousRes", &V::PreviousRes, 0),
    // Keys added since: after the 44 above, so that the file keeps its order for every
    // program that reads it.
    Flag("WarnUnclearable", &O::WarnUnclearable, false),
};

}  // namespace

std::span<const SettingKey> SettingsKeys() { return kKeys; }

}  // namespace sorimo
