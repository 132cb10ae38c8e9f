// Any bytes as a settings or hall of fame file: parsing must give the bytes back unchanged;
// then reading the settings, loading the hall of fame or editing a key must not fail, and
// what is written back must read back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/store/hall_file.h"
#include "app/store/profile_values.h"
#include "app/store/settings_file.h"

namespace {

using namespace sorimo;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Two of them are named like arcade lists: their sections must stay apart from those lists.
const std::string kLayouts[] = {"Big Dragon", "Turtle", "Fortress", "The  Crab", "rivers", "Clicks 2"};
constexpr int kLayoutCount = 6;

bool SameSettings(const Options& a, const SettingsValues& av, const Options& b,
                  const SettingsValues& bv) {
  for (const SettingKey& key : SettingsKeys()) {
    if (!key.readAtStartup) continue;
    switch (key.kind) {
      case SettingKind::Flag:
        if (a.*key.flag != b.*key.flag) return false;
        break;
      case SettingKind::OptionNumber:
        if (a.*key.optionNumber != b.*key.optionNumber) return false;
        break;
      case SettingKind::Number:
        if (av.*key.number != bv.*key.number) return false;
        break;
      case SettingKind::Text:
        if (av.*key.text != bv.*key.text) return false;
        break;
    }
  }
  return true;
}

// The hall table is large; the loads overwrite every column that is looked at here, so two
// tables serve every input.
HallTable& FirstTable() {
  static HallTable table;
  return table;
}

HallTable& SecondTable() {
  static HallTable table;
  return table;
}

HallTable& ThirdTable() {
  static HallTable table;
  return table;
}

// The same list in both, or in a layout column a list of placeholders only in `a`, which is
// not saved and comes back as the plain placeholders in `b`.
bool SameList(const HallTable& a, const HallTable& b, int column) {
  bool same = true, onlyPlaceholders = true, plain = true;
  for (int rank = 1; rank <= kHallRanks; ++rank) {
    same = same && a.At(rank, column) == b.At(rank, column);
    onlyPlaceholders = onlyPlaceholders && IsPlaceholderEntry(a.At(rank, column));
    plain = plain && b.At(rank, column) == PlaceholderEntry(column, rank);
  }
  return same || (IsLayoutColumn(column) && onlyPlaceholders && plain);
}

// Reads the settings from the document, writes them back into it, and checks that a fresh
// parse of the result reads the same values.
void SettingsRoundTrip(ProfileDocument& doc) {
  Options options;
  SettingsValues values;
  values.ScreenWidth = 1024;
  ReadSettingsFrom(doc, options, values);
  WriteSettingsTo(doc, options, values, 7);
  const ProfileDocument reread = ProfileDocument::Parse(doc.Serialize());
  Options again;
  SettingsValues againValues;
  againValues.ScreenWidth = 1024;
  ReadSettingsFrom(reread, again, againValues);
  if (values.BoardNumber >= 100) values.BoardNumber = 7;
  values.PreviousRes = 1024;
  for (const SettingKey& key : SettingsKeys())
    if (key.kind == SettingKind::OptionNumber) options.*key.optionNumber = ChoiceAsWritten(key, options.*key.optionNumber);
  Check(SameSettings(options, values, again, againValues));
}

// Loads the hall of fame from the document, saves it back, and checks that a fresh parse of
// the result loads the same lists; then changes one of them as a game would and saves the
// change as the shutdown does, merged into the file: merged into the very file it was loaded
// from, the list comes out as the table holds it, and reads back so.
void HallRoundTrip(ProfileDocument& doc, uint8_t a, uint8_t b, uint8_t c) {
  HallTable& table = FirstTable();
  LoadHallFrom(doc, kLayouts, table);
  SaveHallTo(doc, kLayouts, table);
  const ProfileDocument reread = ProfileDocument::Parse(doc.Serialize());
  HallTable& reloaded = SecondTable();
  LoadHallFrom(reread, kLayouts, reloaded);
  for (int column = 1; column < kHallColumns; ++column) {
    if (!IsHallColumn(column) || (column > kLayoutCount && IsLayoutColumn(column))) continue;
    bool real = false;
    for (int rank = 1; rank <= kHallRanks; ++rank) real = real || !IsPlaceholderEntry(table.At(rank, column));
    for (int rank = 1; rank <= kHallRanks; ++rank) {
      // A list of placeholders only is not saved, so it comes back as the plain placeholders.
      const HallEntry& expected = (real || IsArcadeColumn(column)) ? table.At(rank, column)
                                                                   : PlaceholderEntry(column, rank);
      Check(reloaded.At(rank, column) == expected);
    }
  }

  // A result the qualification test lets in is always inserted, as an 18-character entry.
  const int loaded[] = {1, 2, 3, 4, 5, 6, kRiversEasyColumn, kRiversHardColumn, kMemoryEasyColumn,
                        kMemoryHardColumn, kClicksEasyColumn, kClicksHardColumn};
  const int column = loaded[a % 12];
  const int total = b * 40 + (c & 7);
  const int malus = c >> 3;
  if (a & 0x80) ResetHallColumn(table, column);
  if (QualifiesForHall(table, column, total, true)) {
    int NewEntryRank = 0;
    Check(AddHall(table, column, total, malus, "Fuzzy Player", NewEntryRank));
    Check(NewEntryRank >= 1 && NewEntryRank <= kHallRanks);
    Check(table.At(NewEntryRank, column).size() == kHallEntryLength);
    // Totals past four digits (only reachable past an unreadable rank 10) are kept at 9999.
    Check(HallEntryTotal(table.At(NewEntryRank, column)) == std::min(total, 9999));
    Check(RenameNewestEntry(table, column, NewEntryRank, " x"));
    Check(table.At(NewEntryRank, column).compare(0, 9, "-x       ") == 0);
  }
  HallTable& merged = SecondTable();
  MergeHallInto(doc, kLayouts, table, merged);
  Check(merged.changes().empty());
  for (int other : loaded) Check(SameList(table, merged, other));
  HallTable& saved = ThirdTable();
  LoadHallFrom(ProfileDocument::Parse(doc.Serialize()), kLayouts, saved);
  for (int other : loaded) Check(SameList(merged, saved, other));
}

// Writes a key and a section named from the input and checks they read back; then erases it.
void Edits(ProfileDocument& edited, std::string_view bytes) {
  const size_t cut = bytes.size() / 3;
  const std::string_view section = bytes.substr(0, cut % 24);
  const std::string_view key = bytes.substr(cut, cut % 16);
  const std::string_view value = bytes.substr(2 * cut);
  WriteText(edited, section, key, value);
  const ProfileDocument reread = ProfileDocument::Parse(edited.Serialize());
  std::string expected(value);
  for (char& ch : expected)
    if (ch == '\n') ch = ' ';
  Check(ReadText(reread, section, key, "") == std::string(TrimBlanks(expected)).substr(0, kMaxValueLength));
  edited = reread;
  edited.EraseSection(section);
  Check(!edited.HasSection(section));
  Check(!ProfileDocument::Parse(edited.Serialize()).HasSection(section));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ProfileDocument doc = ProfileDocument::Parse(bytes);
  Check(doc.Serialize() == bytes);
  // One round trip an input: under the fuzzer's tracing all three together cost several
  // milliseconds. The length picks which, so the fuzzer reaches each by adding a byte.
  switch (size % 3) {
    case 0:
      SettingsRoundTrip(doc);
      break;
    case 1:
      HallRoundTrip(doc, size > 0 ? data[0] : 0, size > 1 ? data[size - 1] : 0, size > 2 ? data[size / 2] : 0);
      break;
    default:
      Edits(doc, bytes);
      break;
  }
  return 0;
}
