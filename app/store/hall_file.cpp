#include "app/store/hall_file.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/store/profile_values.h"

namespace sorimo {

namespace {

std::string RankKey(int rank) { return "Rank" + std::to_string(rank); }

void PadToEntryLength(HallEntry& entry) {
  if (entry.size() < kHallEntryLength) entry.insert(0, kHallEntryLength - entry.size(), '-');
}

void LoadColumn(const ProfileDocument& doc, std::string_view section, int column,
                HallTable& table) {
  for (int rank = 1; rank <= kHallRanks; ++rank) {
    HallEntry& cell = table.At(rank, column);
    cell = ReadText(doc, section, RankKey(rank), PlaceholderEntry(column, rank));
    PadToEntryLength(cell);
  }
}

void WriteColumn(ProfileDocument& doc, std::string_view section, int column, const HallTable& table) {
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

WriteResult SaveHall(const SectionKeyStore& store, std::span<const std::string> layoutNames,
                     HallTable& table) {
  StoreEdit edit = store.Edit();
  // A copy, so that cells the file does not hold (columns past this run's layouts) stay as
  // they are; the table is big, so it lives on the heap.
  auto merged = std::make_unique<HallTable>(table);
  LoadHallFrom(edit.document(), layoutNames, *merged);
  MergeHallChanges(table.changes(), *merged);
  SaveHallTo(edit.document(), layoutNames, *merged);
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
