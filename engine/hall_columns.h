// The hall of fame columns: which list a result belongs to. `BoardNumber` doubles as the
// column, so these numbers are also what a running game's BoardNumber says about it.
#pragma once

#include <vector>

namespace sorimo {

constexpr int kHallColumns = 122;  // columns 0..121; 0, 102..109 and 112..119 are never used
constexpr int kHallLastLayoutColumn = 99;  // layouts are 1..99

// The arcade games, each in an easy and a hard list: the numbers existing Hallfame.ini files
// hold. A new arcade game takes free numbers (102..109, 112..119) in its own description.
constexpr int kRiversEasyColumn = 100;
constexpr int kRiversHardColumn = 101;
constexpr int kMemoryEasyColumn = 110;
constexpr int kMemoryHardColumn = 111;
constexpr int kClicksEasyColumn = 120;
constexpr int kClicksHardColumn = 121;
constexpr int kFirstArcadeColumn = kRiversEasyColumn;  // every column from here on is an arcade list

constexpr bool IsLayoutColumn(int column) { return column >= 1 && column <= kHallLastLayoutColumn; }
// An easy or hard list of a registered arcade game (engine/modes/mode_description.h).
bool IsArcadeColumn(int column);
inline bool IsHallColumn(int column) { return IsLayoutColumn(column) || IsArcadeColumn(column); }
// The arcade lists of every registered mode, in mode order, easy before hard.
const std::vector<int>& ArcadeColumns();

}  // namespace sorimo
