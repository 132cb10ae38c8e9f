// The hall of fame file: read into the table once at start-up, written back once at shutdown.
// One section per layout that holds a real result (the layout name with every blank removed,
// so names that differ only in blanks share one section; a layout named like an arcade list
// gets "Layout " in front, see LayoutSectionName) and the six arcade sections "Rivers",
// "Rivers2", "Memory", "Memory2", "Clicks" and "Clicks2", each with the keys "Rank1" to
// "Rank10". A section that stands in the file twice is read as one list holding the real
// results of both, and saved as one.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>

#include "app/store/hall_table.h"
#include "app/store/section_key_store.h"

namespace sorimo {

constexpr std::string_view kHallFileName = "Hallfame.ini";

// layoutNames[i] is the name of layout column i + 1. Only 99 layout columns exist: names past
// the 99th get no column and are counted in refusedLayouts.
struct HallLoadResult {
  int layoutColumns = 0;
  int refusedLayouts = 0;
};

// Fills the layout columns 1..n and the six arcade columns. A missing key gives the
// placeholder of its rank; an entry shorter than 18 characters gets "-" in front until it is
// 18 long (the store removes the blanks a name began with). The table then holds no changes.
HallLoadResult LoadHallFrom(const ProfileDocument& doc, std::span<const std::string> layoutNames,
                            HallTable& table);
HallLoadResult LoadHall(const SectionKeyStore& store, std::span<const std::string> layoutNames,
                        HallTable& table);

// Layout columns with a real result write their ten ranks; a layout whose list holds only
// placeholders has its section erased, unless another layout sharing that section has a real
// result to keep in it. The six arcade sections are always written.
void SaveHallTo(ProfileDocument& doc, std::span<const std::string> layoutNames, const HallTable& table);

// The heart of SaveHall on a document: loads what doc holds into `merged`, merges the table's
// changes into it and writes it into doc. `merged` keeps no changes.
void MergeHallInto(ProfileDocument& doc, std::span<const std::string> layoutNames,
                   const HallTable& table, HallTable& merged);

// Reads the file as it is now, merges the table's changes into it (hall_changes.h) and writes
// the result with SaveHallTo, in one file replacement: results that another copy of the
// program saved meanwhile are kept. On success the table becomes what was written and its
// changes are cleared; on failure the table and the file stay as they were. Copies saving at
// once take turns through the lock file "Hallfame.ini.lock" beside it (files/file_lock.h),
// waiting for each other at most kHallLockPatience.
constexpr std::chrono::milliseconds kHallLockPatience{10000};
WriteResult SaveHall(const SectionKeyStore& store, std::span<const std::string> layoutNames,
                     HallTable& table);

enum class RegisterResult {
  Registered,
  ColumnRefused,  // the column is not a layout column (1..99): nothing was read or changed
};

// A layout saved under a new name became column `column`: its ten cells are read from the
// file (default: the timed placeholders), as they stand, without the load's padding.
RegisterResult RegisterLayoutColumn(const SectionKeyStore& store, HallTable& table, int column,
                                    std::string_view layoutName);

}  // namespace sorimo
