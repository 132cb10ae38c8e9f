#include "app/store/hall_file.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/store/profile_values.h"
#include "files/file_lock.h"

namespace sorimo {

namespace {

std::string RankKey(int rank) { return "Rank" + std::to_string(rank); }

void PadToEntryLength(HallEntry& entry) {
  if (entry.size() < kHallEntryLength) entry.insert(0, kHallEntryLength - entry.size(), '-');
}

// A section that stands in the file more than once is one list made of the real results of
// every copy, ranked; a result that several copies hold (files joined that share their past)
// is counted as often as the one copy holding it most often.
void MergeCopies(const ProfileDocument& doc, std::string_view section, size_t copies, int column,
                 HallTable& table) {
  std::vector<HallEntry> merged;
  for (size_t copy = 0; copy < copies; ++copy) {
    std::vector<HallEntry> fromCopy;
    for (int rank = 1; rank <= kHallRanks; ++rank) {
      const std::optional<std::string_view> value = doc.FindInCopy(section, copy, RankKey(rank));
      if (!value) continue;
      HallEntry entry(value->substr(0, kMaxValueLength));
      PadToEntryLength(entry);
      if (!IsPlaceholderEntry(entry)) fromCopy.push_back(std::move(entry));
    }
    for (const HallEntry& entry : fromCopy) {
      const auto seen = std::count(fromCopy.begin(), fromCopy.end(), entry);
      if (std::count(merged.begin(), merged.end(), entry) < seen) merged.push_back(entry);
    }
  }
  for (int rank = 1; rank <= kHallRanks; ++rank) table.At(rank, column) = PlaceholderEntry(column, rank);
  for (const HallEntry& entry : merged) InsertHallEntry(table, column, entry);
}

void LoadColumn(const ProfileDocument& doc, std::string_view section, int column,
                HallTable& table) {
  if (const size_t copies = doc.CopiesOf(section); copies > 1) {
    MergeCopies(doc, section, copies, column, table);
    return;
  }
  for (int rank = 1; rank <= kHallRanks; ++rank) {
    HallEntry& cell = table.At(rank, column);
    cell = ReadText(doc, section, RankKey(rank), PlaceholderEntry(column, rank));
    PadToEntryLength(cell);
  }
}

// The list is written into the first copy of its section; later copies were merged into it
// when the file was read, so they go.
void WriteColumn(ProfileDocument& doc, std::string_view section, int column, const HallTable& table) {
  doc.EraseLaterCopies(section);
  for (int rank = 1; rank <= kHallRanks; ++rank)
    WriteText(doc, section, RankKey(rank), table.At(rank, column));
}

bool HasRealEntry(const HallTable& table, int column) {
  for (int rank = 1; rank <= kHallRanks; ++rank)
    if (!IsPlaceholderEntry(table.At(rank, column))) return true;
  return false;
}

int UsableLayoutColumns(std::span<const std::string> layoutNames) {
  return static_cast<int>(std::min<size_t>(layoutNames.size(), kHallLastLayoutColumn));
}

}  // namespace

HallLoadResult LoadHallFrom(const ProfileDocument& doc, std::span<const std::string> layoutNames,
                            HallTable& table) {
  HallLoadResult result;
  result.layoutColumns = UsableLayoutColumns(layoutNames);
  result.refusedLayouts = static_cast<int>(layoutNames.size()) - result.layoutColumns;
  for (int column = 1; column <= result.layoutColumns; ++column)
    LoadColumn(doc, LayoutSectionName(layoutNames[static_cast<size_t>(column - 1)]), column, table);
  for (int column : ArcadeColumns()) LoadColumn(doc, ArcadeSectionName(column), column, table);
  table.changes().clear();
  return result;
}

HallLoadResult LoadHall(const SectionKeyStore& store, std::span<const std::string> layoutNames,
                        HallTable& table) {
  return LoadHallFrom(store.Snapshot(), layoutNames, table);
}

void SaveHallTo(ProfileDocument& doc, std::span<const std::string> layoutNames, const HallTable& table) {
  const int columns = UsableLayoutColumns(layoutNames);
  // Layouts whose names differ only in blanks share a section. Erasing it because one of them
  // was never won on would throw away the other's results, so such a section is kept.
  std::vector<std::string> keptSections;
  for (int column = 1; column <= columns; ++column)
    if (HasRealEntry(table, column))
      keptSections.push_back(ProfileDocument::CleanSectionName(
          LayoutSectionName(layoutNames[static_cast<size_t>(column - 1)])));
  auto kept = [&keptSections](std::string_view section) {
    const std::string name = ProfileDocument::CleanSectionName(section);
    return std::any_of(keptSections.begin(), keptSections.end(),
                       [&name](const std::string& k) { return SameName(k, name); });
  };

  for (int column = 1; column <= columns; ++column) {
    const std::string section = LayoutSectionName(layoutNames[static_cast<size_t>(column - 1)]);
    if (HasRealEntry(table, column))
      WriteColumn(doc, section, column, table);
    else if (!kept(section))
      doc.EraseSection(section);
  }
  for (int column : ArcadeColumns()) WriteColumn(doc, ArcadeSectionName(column), column, table);
}

void MergeHallInto(ProfileDocument& doc, std::span<const std::string> layoutNames,
                   const HallTable& table, HallTable& merged) {
  // Cells the file does not hold (columns past this run's layouts) stay as the table has them.
  merged = table;
  LoadHallFrom(doc, layoutNames, merged);
  MergeHallChanges(table.changes(), merged);
  SaveHallTo(doc, layoutNames, merged);
}

WriteResult SaveHall(const SectionKeyStore& store, std::span<const std::string> layoutNames,
                     HallTable& table) {
  // Another copy saving at the same moment must not read the file before this one replaced
  // it, or the later replacement would drop the earlier one's results. The lock is held for
  // the read, the merge and the replacement only. Without it (a folder nobody can write to,
  // a holder that hangs) the save goes on as it would alone.
  const FileLock lock(LockPathFor(store.path()), kHallLockPatience);
  StoreEdit edit = store.Edit();
  // The table is big, so the merged one lives on the heap.
  auto merged = std::make_unique<HallTable>();
  MergeHallInto(edit.document(), layoutNames, table, *merged);
  const WriteResult result = edit.Commit();
  if (result.ok()) table = *merged;
  return result;
}

RegisterResult RegisterLayoutColumn(const SectionKeyStore& store, HallTable& table, int column,
                                    std::string_view layoutName) {
  if (!IsLayoutColumn(column)) return RegisterResult::ColumnRefused;
  const ProfileDocument doc = store.Snapshot();
  const std::string section = LayoutSectionName(layoutName);
  for (int rank = 1; rank <= kHallRanks; ++rank)
    table.At(rank, column) = ReadText(doc, section, RankKey(rank), TimedPlaceholder(rank));
  return RegisterResult::Registered;
}

}  // namespace sorimo
