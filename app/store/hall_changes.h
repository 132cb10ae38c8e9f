// What this run did to each list of the hall of fame. Another copy of the program may run in
// the same folder and save its own results while this one runs; saving applies these changes
// to the file as it is at that moment instead of writing this run's whole table over it.
#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "app/store/hall_entry.h"

namespace sorimo {

class HallTable;

struct HallColumnChanges {
  // "Reset Scores" took away every result the list held when this run first changed it.
  bool reset = false;
  // The real entries of the list before this run first changed it: what a reset took away.
  std::vector<HallEntry> before;
  // Results this run added since the last reset, oldest first, with their names as they stand.
  std::vector<HallEntry> added;
};

class HallChanges {
 public:
  // The table's rules call BeforeChange with the list as it stands before they change it,
  // then say what they did.
  void BeforeChange(const HallTable& table, int column);
  void Added(int column, const HallEntry& entry);
  void Reset(int column);
  void Renamed(int column, const HallEntry& from, const HallEntry& to);

  bool empty() const { return columns_.empty(); }
  const std::map<int, HallColumnChanges>& columns() const { return columns_; }
  void clear() { columns_.clear(); }

 private:
  std::map<int, HallColumnChanges> columns_;
};

// Applies the changes to `file`, a table loaded from the file as it is now: a reset list keeps
// only what another copy added to it, then this run's results enter by the usual ranking (a
// result that the other copy's better ones push out of the list is not kept).
void MergeHallChanges(const HallChanges& changes, HallTable& file);

}  // namespace sorimo
