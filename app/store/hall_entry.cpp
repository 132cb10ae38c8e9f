#include "app/store/hall_entry.h"

#include <algorithm>
#include <array>

#include "app/store/profile_document.h"
#include "engine/modes/mode_description.h"
#include "engine/utf8.h"

namespace sorimo {

namespace {

constexpr int kMaxHallNumber = 9999;

std::string RightAligned4(int value) {
  std::string digits = std::to_string(std::clamp(value, 0, kMaxHallNumber));
  return std::string(4 - digits.size(), ' ') + digits;
}

HallEntry Placeholder(int total) { return "---      " + RightAligned4(total) + "    0"; }

// Characters [begin, begin + 4) of the entry as a number with leading blanks.
int FieldNumber(std::string_view entry, size_t begin) {
  if (entry.size() < begin + 4) return kUnreadableHallNumber;
  std::string_view field = entry.substr(begin, 4);
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  if (field.empty()) return kUnreadableHallNumber;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return kUnreadableHallNumber;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::string_view ArcadeSectionName(int column) {
  const HallList* list = ArcadeList(column);
  return list != nullptr ? list->section : std::string_view{};
}

std::string LayoutSectionName(std::string_view layoutName) {
  std::string name;
  for (char c : layoutName)
    if (c != ' ') name += c;
  // The file compares section names after trimming and without regard to case, so that is
  // how a clash with an arcade list is judged.
  const std::string stored = ProfileDocument::CleanSectionName(name);
  for (int column : ArcadeColumns())
    if (SameName(stored, ArcadeSectionName(column))) return std::string(kArcadeLikeLayoutPrefix) + stored;
  return name;
}

namespace {

// Tables are filled with placeholders often (every fresh table, every reset): make them once.
struct PlaceholderCache {
  std::array<HallEntry, kHallRanks + 1> timed, clicks;
  PlaceholderCache() {
    for (int rank = 1; rank <= kHallRanks; ++rank) {
      timed[static_cast<size_t>(rank)] = Placeholder(60 * rank + 240);
      clicks[static_cast<size_t>(rank)] = Placeholder(20 * rank);
    }
  }
};

const PlaceholderCache& Placeholders() {
  static const PlaceholderCache cache;
  return cache;
}

}  // namespace

const HallEntry& TimedPlaceholder(int rank) {
  return Placeholders().timed[static_cast<size_t>(std::clamp(rank, 1, kHallRanks))];
}

const HallEntry& ClicksPlaceholder(int rank) {
  return Placeholders().clicks[static_cast<size_t>(std::clamp(rank, 1, kHallRanks))];
}

const HallEntry& PlaceholderEntry(int column, int rank) {
  return ScoreOf(column) == ScoreKind::TilesLeft ? ClicksPlaceholder(rank) : TimedPlaceholder(rank);
}

// A placeholder has exactly the placeholder's shape: the name "---", a total and no malus. A
// player whose name merely begins with "--- " holds a real result, which must be saved.
bool IsPlaceholderEntry(std::string_view entry) {
  if (entry.size() != static_cast<size_t>(kHallEntryLength)) return false;
  if (entry.substr(0, 9) != "---      " || entry.substr(13) != "    0") return false;
  for (const char c : entry.substr(9, 4))
    if (c != ' ' && (c < '0' || c > '9')) return false;
  return true;
}

std::string FitHallName(std::string_view name) {
  size_t length = std::min<size_t>(name.size(), kHallNameLength);
  // Cutting before a continuation byte would split a character: cut before its lead byte.
  if (length < name.size())
    while (length > 0 && IsContinuationByte(name[length])) --length;
  std::string fitted(name.substr(0, length));
  fitted.resize(kHallNameLength, ' ');
  return fitted;
}

HallEntry MakeHallEntry(std::string_view name, int total, int malus) {
  return FitHallName(name) + " " + RightAligned4(total) + " " + RightAligned4(malus);
}

int HallEntryTotal(std::string_view entry) { return FieldNumber(entry, 9); }

int HallEntryMalus(std::string_view entry) { return FieldNumber(entry, 14); }

}  // namespace sorimo
