// The menus of numbered choices: each item stands for a number that the options hold and the
// settings file stores. The numbers are those of the settings file and never change.
#pragma once

#include <cstdint>
#include <span>

namespace sorimo {

struct ChoiceRow {
  const char* name;     // the menu item's name
  const char* caption;
  const char* file;     // the picture it loads, under Backgrounds/ or Tilesets/; null for none
  int32_t number;
};

// "Load from disk" of each menu has its own command and these numbers.
inline constexpr int32_t kLoadBackgroundNumber = 3;
inline constexpr int32_t kLoadTilesetNumber = 0;
// A number no item has: no item of the menu is checked.
inline constexpr int32_t kNoChoice = -1;

// The built-in backgrounds, in menu order; "None" is the plain colour.
std::span<const ChoiceRow> BackgroundChoices();
// The built-in tilesets, in menu order.
std::span<const ChoiceRow> TilesetChoices();
// The highlight styles, in menu order; the number is the style (engine/options.h).
std::span<const ChoiceRow> HighlightChoices();

// The row of a number, or null when no item has it.
const ChoiceRow* ChoiceOfNumber(std::span<const ChoiceRow> rows, int32_t number);

}  // namespace sorimo
