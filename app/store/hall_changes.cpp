#include "app/store/hall_changes.h"

#include <algorithm>

#include "app/store/hall_table.h"

namespace sorimo {

void HallChanges::BeforeChange(const HallTable& table, int column) {
  auto [found, inserted] = columns_.try_emplace(column);
  if (!inserted) return;
  for (int rank = 1; rank <= kHallRanks; ++rank)
    if (!IsPlaceholderEntry(table.At(rank, column))) found->second.before.push_back(table.At(rank, column));
}

void HallChanges::Added(int column, const HallEntry& entry) { columns_[column].added.push_back(entry); }

void HallChanges::Reset(int column) {
  HallColumnChanges& changes = columns_[column];
  changes.reset = true;
  changes.added.clear();
}

void HallChanges::Renamed(int column, const HallEntry& from, const HallEntry& to) {
  std::vector<HallEntry>& added = columns_[column].added;
  const auto newest = std::find(added.rbegin(), added.rend(), from);
  if (newest != added.rend()) *newest = to;
}

void MergeHallChanges(const HallChanges& changes, HallTable& file) {
  for (const auto& [column, change] : changes.columns()) {
    if (change.reset) {
      std::vector<HallEntry> gone = change.before;
      std::vector<HallEntry> kept;
      for (int rank = 1; rank <= kHallRanks; ++rank) {
        const HallEntry& entry = file.At(rank, column);
        if (IsPlaceholderEntry(entry)) continue;
        const auto match = std::find(gone.begin(), gone.end(), entry);
        if (match != gone.end())
          gone.erase(match);
        else
          kept.push_back(entry);
      }
      ResetHallColumn(file, column);
      for (const HallEntry& entry : kept) InsertHallEntry(file, column, entry);
    }
    for (const HallEntry& entry : change.added) InsertHallEntry(file, column, entry);
  }
  file.changes().clear();
}

}  // namespace sorimo
