#include "app/window/choice_tables.h"

#include <array>

#include "engine/options.h"

namespace sorimo {

namespace {

constexpr std::array<ChoiceRow, 5> kBackgrounds = {{
    {"None1", "None", nullptr, 2},
    {"Dragons1", "&Dragons", "dragons.bmp", 1},
    {"Andromeda", "Andromeda", "andromeda.jpg", 4},
    {"Kanji1", "&Kanji (classic)", "kanji.bmp", 0},
    {"Catpats", "Catpats", "catpats.jpg", 5},
}};

constexpr std::array<ChoiceRow, 4> kTilesets = {{
    {"MahJongg1", "Orange borders", "pai.bmp", 1},
    {"MahJongg2", "Dark borders", "darkpai.bmp", 2},
    {"MahJongg3", "Blue borders", "bluepai.bmp", 3},
    {"Lowcolor1", "Few Colors", "pai256.bmp", 4},
}};

constexpr std::array<ChoiceRow, 5> kHighlights = {{
    {"Highlight1", "None", nullptr, HighlightNone},
    {"Highlight2", "Red Rectangle", nullptr, HighlightRedRectangle},
    {"Highlight4", "Green Rectangle", nullptr, HighlightGreenRectangle},
    {"Highlight5", "Blue Rectangle", nullptr, HighlightBlueRectangle},
    {"Highlight3", "Colored Tile", nullptr, HighlightColoredTile},
}};

}  // namespace

std::span<const ChoiceRow> BackgroundChoices() { return kBackgrounds; }
std::span<const ChoiceRow> TilesetChoices() { return kTilesets; }
std::span<const ChoiceRow> HighlightChoices() { return kHighlights; }

const ChoiceRow* ChoiceOfNumber(std::span<const ChoiceRow> rows, int32_t number) {
  for (const ChoiceRow& row : rows)
    if (row.number == number) return &row;
  return nullptr;
}

}  // namespace sorimo
