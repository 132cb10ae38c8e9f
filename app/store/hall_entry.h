// One result of the hall of fame as the 18-character text it is kept and stored as, the
// placeholders of an untouched list. The columns the lists live in are the engine's.
//
//   characters 1-8   player name, left-aligned, blank-padded
//   character  9     blank
//   characters 10-13 total (seconds, or tiles left in Clicks), right-aligned
//   character  14    blank
//   characters 15-18 malus (penalty seconds), right-aligned
//
// Names are counted in bytes; a name is never cut inside a UTF-8 sequence.
#pragma once

#include <string>
#include <string_view>

#include "engine/hall_columns.h"

namespace sorimo {

using HallEntry = std::string;

constexpr int kHallRanks = 10;           // ranks 1..10, 1 the best
constexpr int kHallEntryLength = 18;
constexpr int kHallNameLength = 8;

// An entry whose total or malus is not a number (a file edited by hand) reads as this: worse
// than any result a game can reach, so such an entry sinks below every real result.
constexpr int kUnreadableHallNumber = 99999;

// "Rivers", "Rivers2", "Memory", "Memory2", "Clicks", "Clicks2"; empty for other columns.
std::string_view ArcadeSectionName(int column);

// A layout's section in the hall of fame file: its name with every blank removed. A name that
// would then be taken for an arcade list's section ("Rivers", "clicks 2") gets this prefix:
// its blank keeps it apart from every name the blank-free rule can make.
constexpr std::string_view kArcadeLikeLayoutPrefix = "Layout ";
std::string LayoutSectionName(std::string_view layoutName);

// "---      " + total right-aligned in 4 + "    0"; the total is 60n + 240 (05:00 to 14:00)
// in timed columns and 20n in the Clicks columns. Ranks outside 1..10 are taken as the
// nearest of them.
const HallEntry& TimedPlaceholder(int rank);
const HallEntry& ClicksPlaceholder(int rank);
const HallEntry& PlaceholderEntry(int column, int rank);

// Any entry holding "--- " counts as a placeholder when the table is saved.
bool IsPlaceholderEntry(std::string_view entry);

// The name cut to 8 bytes (never inside a UTF-8 sequence) and padded with blanks to 8.
std::string FitHallName(std::string_view name);

// name + " " + total + " " + malus. Numbers are kept within 0..9999 so that the entry keeps
// its 18 characters and its numbers read back where they belong.
HallEntry MakeHallEntry(std::string_view name, int total, int malus);

// Characters 10-13 and 15-18 as integers, leading blanks allowed. A field that is missing (a
// short entry) or not a number reads as kUnreadableHallNumber.
int HallEntryTotal(std::string_view entry);
int HallEntryMalus(std::string_view entry);

}  // namespace sorimo
