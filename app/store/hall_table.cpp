#include "app/store/hall_table.h"

#include <cassert>
#include <string>

namespace sorimo {

HallTable::HallTable() {
  for (int column = 0; column < kHallColumns; ++column) {
    if (!IsHallColumn(column)) continue;
    for (int rank = 1; rank <= kHallRanks; ++rank) At(rank, column) = PlaceholderEntry(column, rank);
  }
}

HallEntry& HallTable::At(int rank, int column) {
  assert(rank >= 1 && rank <= kHallRanks && column >= 0 && column < kHallColumns);
  return cells_[static_cast<size_t>(rank - 1)][static_cast<size_t>(column)];
}

const HallEntry& HallTable::At(int rank, int column) const {
  assert(rank >= 1 && rank <= kHallRanks && column >= 0 && column < kHallColumns);
  return cells_[static_cast<size_t>(rank - 1)][static_cast<size_t>(column)];
}

bool QualifiesForHall(const HallTable& table, int column, int total, bool EnableHall) {
  if (!EnableHall || !IsHallColumn(column)) return false;
  return total < HallEntryTotal(table.At(kHallRanks, column));
}

int InsertHallEntry(HallTable& table, int column, const HallEntry& entry) {
  if (!IsHallColumn(column)) return 0;
  const int total = HallEntryTotal(entry);
  const int malus = HallEntryMalus(entry);

  int p = kHallRanks;
  for (int i = kHallRanks; i >= 1; --i)
    if (HallEntryTotal(table.At(i, column)) >= total) p = i;
  // Nothing at or below this total: the result would only push out a better one.
  if (HallEntryTotal(table.At(p, column)) < total) return 0;

  const HallEntry& atP = table.At(p, column);
  if (HallEntryTotal(atP) == total && HallEntryMalus(atP) <= malus) {
    if (p == kHallRanks) return 0;
    ++p;
  }

  for (int k = kHallRanks; k >= p + 1; --k) table.At(k, column) = table.At(k - 1, column);
  table.At(p, column) = entry;
  return p;
}

bool AddHall(HallTable& table, int column, int total, int malus, std::string_view CurrentPlayer1,
             int& NewEntryRank) {
  if (!IsHallColumn(column)) return false;
  const HallEntry entry = MakeHallEntry(CurrentPlayer1, total, malus);
  table.changes().BeforeChange(table, column);
  const int rank = InsertHallEntry(table, column, entry);
  if (rank == 0) return false;
  table.changes().Added(column, entry);
  NewEntryRank = rank;
  return true;
}

bool ResetHallColumn(HallTable& table, int column) {
  if (!IsHallColumn(column)) return false;
  table.changes().BeforeChange(table, column);
  table.changes().Reset(column);
  for (int rank = 1; rank <= kHallRanks; ++rank) table.At(rank, column) = PlaceholderEntry(column, rank);
  return true;
}

bool RenameNewestEntry(HallTable& table, int column, int NewEntryRank, std::string_view name) {
  if (!IsHallColumn(column) || NewEntryRank < 1 || NewEntryRank > kHallRanks) return false;
  std::string fitted(name);
  if (!fitted.empty() && fitted[0] == ' ') fitted[0] = '-';
  fitted = FitHallName(fitted);
  HallEntry& entry = table.At(NewEntryRank, column);
  const HallEntry before = entry;
  table.changes().BeforeChange(table, column);
  entry.replace(0, kHallNameLength, fitted);
  table.changes().Renamed(column, before, entry);
  return true;
}

}  // namespace sorimo
