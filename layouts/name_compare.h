// Ordering and matching of layout names the way a player expects from a menu: letter case
// does not count, and accented letters sort beside their plain letters.
//
// Names are UTF-8 (bytes that are not valid UTF-8 still compare, each as a character of its
// own). Letter case is folded for Latin (Basic Latin, Latin-1, Latin Extended-A), Greek and
// Cyrillic; other scripts compare by code point. The order is decided in three steps, each
// used only when the one before ties:
//   1. case folded, with accents removed from Latin letters (é = e, ß = ss, æ = ae);
//   2. case folded, accents kept (so "Cafe" comes before "Café");
//   3. the bytes themselves (so "Arena" and "arena" still have a fixed order).
// This gives a stable, locale-independent order close to what a desktop's sorted lists show.
#pragma once

#include <compare>
#include <string>
#include <string_view>

namespace sorimo {

// A name decoded once into what the order compares, for work on many names: keys compare
// (<=>, ==) as CompareLayoutNames compares their names, and two names are the same ignoring
// case when their `folded` parts are equal.
struct LayoutNameKey {
  std::u32string base;    // case folded, accents removed
  std::u32string folded;  // case folded
  std::string bytes;      // the name itself
  auto operator<=>(const LayoutNameKey&) const = default;
};
LayoutNameKey MakeLayoutNameKey(std::string_view name);

// < 0, 0 or > 0 as a sorts before, equal to, or after b; 0 only for identical names.
int CompareLayoutNames(std::string_view a, std::string_view b);

// Equal when letter case is ignored (accents still count): "Arena" and "ARENA" are the same
// name, "Cafe" and "Café" are not.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace sorimo
