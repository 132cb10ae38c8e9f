// The hall of fame columns: which list a result belongs to. `BoardNumber` doubles as the
// column, so these numbers are also what a running game's BoardNumber says about it.
#pragma once

namespace sorimo {

constexpr int kHallColumns = 122;  // columns 0..121; 0, 102..109 and 112..119 are never used
constexpr int kHallLastLayoutColumn = 99;  // layouts are 1..99

// The arcade games, each in an easy and a hard list.
constexpr int kRiversEasyColumn = 100;
constexpr int kRiversHardColumn = 101;
constexpr int kMemoryEasyColumn = 110;
constexpr int kMemoryHardColumn = 111;
constexpr int kClicksEasyColumn = 120;
constexpr int kClicksHardColumn = 121;
constexpr int kArcadeColumns[] = {kRiversEasyColumn, kRiversHardColumn, kMemoryEasyColumn,
                                  kMemoryHardColumn, kClicksEasyColumn, kClicksHardColumn};
constexpr int kFirstArcadeColumn = kRiversEasyColumn;

constexpr bool IsLayoutColumn(int column) { return column >= 1 && column <= kHallLastLayoutColumn; }
constexpr bool IsArcadeColumn(int column) {
  for (int arcade : kArcadeColumns)
    if (column == arcade) return true;
  return false;
}
constexpr bool IsHallColumn(int column) { return IsLayoutColumn(column) || IsArcadeColumn(column); }
// Clicks lists keep the tiles left, not a time.
constexpr bool IsClicksColumn(int column) { return column == kClicksEasyColumn || column == kClicksHardColumn; }

}  // namespace sorimo
