// The whole hall of fame in memory: ten ranks for every layout column (1..99) and for the
// six arcade columns, and the rules that change it: who qualifies, where a new result goes,
// resetting a list and renaming the newest entry. Every change stays in memory until the
// table is saved at shutdown (hall_file.h); the rules also note what they did in the
// table's changes, which the save merges into the file as it is then.
#pragma once

#include <array>
#include <string_view>

#include "app/store/hall_changes.h"
#include "app/store/hall_entry.h"

namespace sorimo {

class HallTable {
 public:
  // Every layout and arcade column holds its placeholders; unused columns hold empty texts.
  HallTable();

  // rank 1..10, column 0..121; anything else is a programming error (asserted).
  HallEntry& At(int rank, int column);
  const HallEntry& At(int rank, int column) const;

  // What AddHall, ResetHallColumn and RenameNewestEntry did since the table was loaded or
  // last saved. Writing cells through At() is not noted: that is how the file is read.
  HallChanges& changes() { return changes_; }
  const HallChanges& changes() const { return changes_; }

 private:
  std::array<std::array<HallEntry, kHallColumns>, kHallRanks> cells_;
  HallChanges changes_;
};

// A finished game enters the list of `column` when EnableHall is on and its total is strictly
// less than the total of rank 10 there. Columns that hold no list never qualify.
bool QualifiesForHall(const HallTable& table, int column, int total, bool EnableHall);

// Inserts a result into `column`: it goes to the best rank p whose total is not better than
// `total`; when the entry at p has the same total and a malus not above `malus`, it goes right
// after that one entry instead (only that entry is compared) or, at rank 10, is dropped. The
// entries from p on move down one rank and the old rank 10 falls out. On insertion sets
// NewEntryRank to the new rank and returns true. A result worse than every entry, or a column
// that holds no list, changes nothing and returns false.
bool AddHall(HallTable& table, int column, int total, int malus, std::string_view CurrentPlayer1,
             int& NewEntryRank);

// The ranking of AddHall for an entry already made (its total and malus are read from it),
// without noting a change: how a save merges results into the file. Returns the rank it took,
// or 0 when it did not enter.
int InsertHallEntry(HallTable& table, int column, const HallEntry& entry);

// Every rank of the column becomes its placeholder. False for a column that holds no list.
bool ResetHallColumn(HallTable& table, int column);

// Replaces characters 1-8 of entry (NewEntryRank, column) by the new name: a leading blank
// becomes "-", then the name is cut or padded to 8. False when there is no newest entry.
bool RenameNewestEntry(HallTable& table, int column, int NewEntryRank, std::string_view name);

}  // namespace sorimo
