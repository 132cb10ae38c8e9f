#include "app/store/hall_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/store/profile_values.h"
#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

const std::vector<std::string> kLayouts = {"Turtle", "Big Dragon", "Fortress"};

std::string Section(std::string_view name, const std::vector<std::string>& ranks) {
  std::string text = "[" + std::string(name) + "]\n";
  for (size_t i = 0; i < ranks.size(); ++i) text += "Rank" + std::to_string(i + 1) + "=" + ranks[i] + "\n";
  return text;
}

std::vector<std::string> Placeholders(int column) {
  std::vector<std::string> ranks;
  for (int rank = 1; rank <= 10; ++rank) ranks.push_back(PlaceholderEntry(column, rank));
  return ranks;
}

TEST(HallFile, FreshInstallShowsPlaceholdersAndSavesOnlyTheArcadeSections) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Hallfame.ini"));
  HallTable table;
  table.At(1, 1) = "stale";
  const HallLoadResult loaded = LoadHall(store, kLayouts, table);
  EXPECT_EQ(loaded.layoutColumns, 3);
  EXPECT_EQ(loaded.refusedLayouts, 0);
  for (int rank = 1; rank <= 10; ++rank) {
    EXPECT_EQ(table.At(rank, 1), TimedPlaceholder(rank));
    EXPECT_EQ(table.At(rank, kRiversHardColumn), TimedPlaceholder(rank));
    EXPECT_EQ(table.At(rank, kClicksEasyColumn), ClicksPlaceholder(rank));
  }

  ASSERT_TRUE(SaveHall(store, kLayouts, table).ok());
  std::string expected;
  // The section names existing files hold, in the order they are written.
  const std::pair<int, const char*> sections[] = {{kRiversEasyColumn, "Rivers"}, {kRiversHardColumn, "Rivers2"},
                                                  {kMemoryEasyColumn, "Memory"}, {kMemoryHardColumn, "Memory2"},
                                                  {kClicksEasyColumn, "Clicks"}, {kClicksHardColumn, "Clicks2"}};
  for (const auto& [column, name] : sections) {
    if (!expected.empty()) expected += "\n";
    expected += Section(name, Placeholders(column));
  }
  EXPECT_EQ(ReadFile(store.path()), expected) << "layouts never won on leave no section";
}

TEST(HallFile, ResultsSurviveSaveAndLoadUnderBlankFreeSectionNames) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Hallfame.ini"));
  HallTable table;
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, 2, 299, 0, "Player1", NewEntryRank));
  ASSERT_TRUE(AddHall(table, kMemoryEasyColumn, 45, 20, "Ann", NewEntryRank));
  ASSERT_TRUE(AddHall(table, kClicksHardColumn, 3, 0, "Cy", NewEntryRank));
  ASSERT_TRUE(SaveHall(store, kLayouts, table).ok());

  const ProfileDocument doc = store.Snapshot();
  EXPECT_TRUE(doc.HasSection("BigDragon"));
  EXPECT_FALSE(doc.HasSection("Turtle"));
  EXPECT_FALSE(doc.HasSection("Big Dragon"));
  EXPECT_EQ(ReadText(doc, "BigDragon", "Rank2", ""), TimedPlaceholder(1));

  // The layout list of the next run is in another order and has one name with other blanks,
  // so its sections are found by name, not by column.
  const std::vector<std::string> nextRun = {"BigDra gon", "Turtle"};
  HallTable reloaded;
  LoadHall(store, nextRun, reloaded);
  EXPECT_EQ(reloaded.At(1, 1), "Player1   299    0");
  EXPECT_EQ(reloaded.At(2, 1), TimedPlaceholder(1));
  EXPECT_EQ(reloaded.At(1, 2), TimedPlaceholder(1));
  EXPECT_EQ(reloaded.At(1, kMemoryEasyColumn), "Ann        45   20");
  EXPECT_EQ(reloaded.At(1, kClicksHardColumn), "Cy          3    0");
}

// The only result of a list, won by a player whose name looks like the placeholders' dashes,
// is saved like any other.
TEST(HallFile, APlayerNamedLikeThePlaceholdersKeepsTheResult) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Hallfame.ini"));
  HallTable table;
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, 2, 412, 0, "--- Bob", NewEntryRank));
  ASSERT_TRUE(SaveHall(store, kLayouts, table).ok());
  HallTable reloaded;
  LoadHall(store, kLayouts, reloaded);
  EXPECT_EQ(reloaded.At(NewEntryRank, 2), table.At(NewEntryRank, 2));
  EXPECT_EQ(HallEntryTotal(reloaded.At(NewEntryRank, 2)), 412);
}

TEST(HallFile, LayoutsWhoseNamesDifferOnlyInBlanksShareOneSection) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, Section("BigDragon", {"Ann       250    0"}));
  const SectionKeyStore store(path);
  const std::vector<std::string> layouts = {"Big Dragon", "BigDragon", "B i g D r a g o n"};
  HallTable table;
  LoadHall(store, layouts, table);
  for (int column = 1; column <= 3; ++column) EXPECT_EQ(table.At(1, column), "Ann       250    0");

  // Two of them reset, the one between them not: the section stays with the results it holds,
  // whichever order the columns are saved in.
  ResetHallColumn(table, 1);
  ResetHallColumn(table, 3);
  ASSERT_TRUE(SaveHall(store, layouts, table).ok());
  EXPECT_EQ(store.ReadText("BigDragon", "Rank1", "gone"), "Ann       250    0");
  // All of them reset: the section goes.
  LoadHall(store, layouts, table);
  for (int column = 1; column <= 3; ++column) ResetHallColumn(table, column);
  ASSERT_TRUE(SaveHall(store, layouts, table).ok());
  EXPECT_FALSE(store.Snapshot().HasSection("BigDragon"));
}

// Layouts named like an arcade list (in any case, with blanks) keep lists of their own, apart
// from the arcade game's, and a layout never won on takes nothing from the arcade section.
TEST(HallFile, LayoutsNamedLikeAnArcadeListKeepTheirOwnResults) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, Section("Rivers", {"Arc        40    0"}) + Section("Clicks2", {"Arc         3    0"}));
  const SectionKeyStore store(path);
  const std::vector<std::string> layouts = {"rivers", "Clicks 2", "Memory\t", "Turtle"};
  HallTable table;
  LoadHall(store, layouts, table);
  EXPECT_EQ(table.At(1, 1), TimedPlaceholder(1)) << "the arcade results are not the layout's";
  EXPECT_EQ(table.At(1, 2), TimedPlaceholder(1));
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, 1, 290, 0, "Lay", NewEntryRank));
  ASSERT_TRUE(AddHall(table, 3, 291, 0, "Lay", NewEntryRank));
  ASSERT_TRUE(AddHall(table, kRiversEasyColumn, 30, 0, "Arc2", NewEntryRank));
  ASSERT_TRUE(SaveHall(store, layouts, table).ok());

  HallTable reloaded;
  LoadHall(store, layouts, reloaded);
  EXPECT_EQ(reloaded.At(1, 1), "Lay       290    0");
  EXPECT_EQ(reloaded.At(2, 1), TimedPlaceholder(1));
  EXPECT_EQ(reloaded.At(1, 3), "Lay       291    0");
  EXPECT_EQ(reloaded.At(1, kRiversEasyColumn), "Arc2       30    0");
  EXPECT_EQ(reloaded.At(2, kRiversEasyColumn), "Arc        40    0");
  EXPECT_EQ(reloaded.At(1, kClicksHardColumn), "Arc         3    0") << "an unwon layout erased it";
  EXPECT_EQ(reloaded.At(1, kMemoryEasyColumn), TimedPlaceholder(1));
  HallTable registered;
  ASSERT_EQ(RegisterLayoutColumn(store, registered, 5, "RIVERS"), RegisterResult::Registered);
  EXPECT_EQ(registered.At(1, 5), "Lay       290    0");
}

// A section written twice (a hand edit, two files joined) is one list: every real result of
// every copy is read, none is counted twice, and the save leaves one copy holding them.
TEST(HallFile, ASectionWrittenTwiceKeepsTheResultsOfEveryCopy) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, Section("Turtle", Placeholders(1)) + Section("Rivers", {"Both      100    0"}) +
                      Section("turtle", {"Ann       250    0", "Bob       400    0"}) +
                      Section("Rivers", {"Cy         90    0", "Both      100    0"}));
  const SectionKeyStore store(path);
  HallTable table;
  LoadHall(store, kLayouts, table);
  EXPECT_EQ(table.At(1, 1), "Ann       250    0");
  EXPECT_EQ(table.At(2, 1), TimedPlaceholder(1));
  EXPECT_EQ(table.At(4, 1), "Bob       400    0");
  EXPECT_EQ(table.At(1, kRiversEasyColumn), "Cy         90    0");
  EXPECT_EQ(table.At(2, kRiversEasyColumn), "Both      100    0");
  EXPECT_EQ(table.At(3, kRiversEasyColumn), TimedPlaceholder(1)) << "one result, not two";

  // Saving with no game played keeps them all, in one copy of each section.
  ASSERT_TRUE(SaveHall(store, kLayouts, table).ok());
  const std::string saved = ReadFile(path);
  EXPECT_EQ(saved.find("[turtle]"), std::string::npos);
  EXPECT_EQ(saved.find("[Rivers]"), saved.rfind("[Rivers]"));
  HallTable reloaded;
  LoadHall(store, kLayouts, reloaded);
  for (int rank = 1; rank <= 10; ++rank)
    for (int column : {1, kRiversEasyColumn})
      EXPECT_EQ(reloaded.At(rank, column), table.At(rank, column)) << rank << " " << column;
}

TEST(HallFile, ResetListsAreSavedAsPlaceholdersOrRemoved) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, "; hand-written note\n" + Section("Turtle", {"Ann       250    0"}) +
                      Section("Rivers", {"Bob       280    0"}) + Section("Unknown", {"keep me"}));
  const SectionKeyStore store(path);
  HallTable table;
  LoadHall(store, kLayouts, table);
  ASSERT_EQ(table.At(1, kRiversEasyColumn), "Bob       280    0");
  ResetHallColumn(table, 1);
  ResetHallColumn(table, kRiversEasyColumn);
  ASSERT_TRUE(SaveHall(store, kLayouts, table).ok());

  const ProfileDocument doc = store.Snapshot();
  EXPECT_FALSE(doc.HasSection("Turtle"));
  for (int rank = 1; rank <= 10; ++rank)
    EXPECT_EQ(ReadText(doc, "Rivers", "Rank" + std::to_string(rank), ""), TimedPlaceholder(rank));
  EXPECT_EQ(ReadText(doc, "Unknown", "Rank1", ""), "keep me");
  EXPECT_EQ(ReadFile(path).rfind("; hand-written note\n[Rivers]\n", 0), 0u);
}

TEST(HallFile, ShortAndHandEditedEntriesLoadSafely) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, Section("Fortress", {"  Al      299    5", "Bob      abc    x", "tiny", std::string(40, 'z')}));
  const SectionKeyStore store(path);
  HallTable table;
  LoadHall(store, kLayouts, table);
  // The store removed the blanks the name began with; the load restores the length with "-".
  EXPECT_EQ(table.At(1, 3), "--Al      299    5");
  EXPECT_EQ(HallEntryTotal(table.At(1, 3)), 299);
  EXPECT_EQ(table.At(3, 3), "--------------tiny");
  EXPECT_EQ(table.At(4, 3), std::string(40, 'z')) << "longer entries are left as they are";
  EXPECT_EQ(table.At(5, 3), TimedPlaceholder(5));
  // An entry that is not a number sinks below any real result.
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, 3, 600, 0, "Cy", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 2);
  EXPECT_EQ(table.At(3, 3), "-Bob      abc    x");
}

TEST(HallFile, LayoutColumnsPastNinetyNineAreRefused) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, Section("Rivers", {"Bob       280    0"}) + Section("Layout100", {"Eve       100    0"}));
  const SectionKeyStore store(path);
  std::vector<std::string> many;
  for (int i = 1; i <= 101; ++i) many.push_back("Layout" + std::to_string(i));
  HallTable table;
  const HallLoadResult loaded = LoadHall(store, many, table);
  EXPECT_EQ(loaded.layoutColumns, 99);
  EXPECT_EQ(loaded.refusedLayouts, 2);
  EXPECT_EQ(table.At(1, kRiversEasyColumn), "Bob       280    0") << "layout 100 is not Rivers";

  EXPECT_EQ(RegisterLayoutColumn(store, table, 100, "Layout100"), RegisterResult::ColumnRefused);
  EXPECT_EQ(RegisterLayoutColumn(store, table, 0, "Layout100"), RegisterResult::ColumnRefused);
  EXPECT_EQ(table.At(1, kRiversEasyColumn), "Bob       280    0");

  // Saving with the long list touches no section of the refused layouts.
  ASSERT_TRUE(SaveHall(store, many, table).ok());
  EXPECT_EQ(store.ReadText("Layout100", "Rank1", ""), "Eve       100    0");
}

TEST(HallFile, RegisteringANewLayoutReadsItsSectionWithoutPadding) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, Section("MyNewLayout", {"Ann       250    0", "short"}));
  const SectionKeyStore store(path);
  HallTable table;
  ASSERT_EQ(RegisterLayoutColumn(store, table, 4, "My New Layout"), RegisterResult::Registered);
  EXPECT_EQ(table.At(1, 4), "Ann       250    0");
  EXPECT_EQ(table.At(2, 4), "short");
  EXPECT_EQ(table.At(3, 4), TimedPlaceholder(3));
  ASSERT_EQ(RegisterLayoutColumn(store, table, 99, "Never Saved"), RegisterResult::Registered);
  EXPECT_EQ(table.At(10, 99), TimedPlaceholder(10));
}

TEST(HallFile, AFailedSaveReportsThePath) {
  TempFolder folder;
  const std::string path = folder.File("gone") + "/Hallfame.ini";
  HallTable table;
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, 1, 300, 0, "Ann", NewEntryRank));
  const HallTable before = table;
  const WriteResult result = SaveHall(SectionKeyStore(path), kLayouts, table);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.message(), "Unable to write to " + path);
  EXPECT_EQ(table.At(1, 1), before.At(1, 1));
  EXPECT_FALSE(table.changes().empty()) << "a later save still has the result to write";
}

// Two copies of the program run in one folder: each loads the file at its start and saves at
// its exit, and neither loses what the other saved.
struct TwoCopies {
  TempFolder folder;
  std::string path = folder.File("Hallfame.ini");
  SectionKeyStore store{path};
  HallTable first;
  HallTable second;
  int firstRank = 0;
  int secondRank = 0;
  explicit TwoCopies(const std::string& file = "") {
    if (!file.empty()) WriteFile(path, file);
    LoadHall(store, kLayouts, first);
    LoadHall(store, kLayouts, second);
  }
  HallTable Reloaded() const {
    HallTable table;
    LoadHall(store, kLayouts, table);
    return table;
  }
};

TEST(HallFile, TwoCopiesSavingOneAfterTheOtherKeepBothResults) {
  TwoCopies copies(Section("Turtle", {"Old       200    0", "Old2      250    0"}));
  ASSERT_TRUE(AddHall(copies.first, 1, 230, 0, "First", copies.firstRank));
  ASSERT_TRUE(AddHall(copies.first, 3, 280, 10, "First", copies.firstRank));
  ASSERT_TRUE(AddHall(copies.second, 1, 150, 0, "Second", copies.secondRank));
  ASSERT_TRUE(AddHall(copies.second, kMemoryHardColumn, 90, 0, "Second", copies.secondRank));
  ASSERT_TRUE(SaveHall(copies.store, kLayouts, copies.first).ok());
  ASSERT_TRUE(SaveHall(copies.store, kLayouts, copies.second).ok());

  const HallTable saved = copies.Reloaded();
  EXPECT_EQ(saved.At(1, 1), "Second    150    0");
  EXPECT_EQ(saved.At(2, 1), "Old       200    0");
  EXPECT_EQ(saved.At(3, 1), "First     230    0") << "the rank the first copy set is kept";
  EXPECT_EQ(saved.At(4, 1), "Old2      250    0");
  EXPECT_EQ(saved.At(1, 3), "First     280   10") << "a section only the first copy filled";
  EXPECT_EQ(saved.At(1, kMemoryHardColumn), "Second     90    0");
  // What the second copy shows after its save is what the file holds.
  EXPECT_EQ(copies.second.At(3, 1), saved.At(3, 1));
  EXPECT_TRUE(copies.second.changes().empty());
}

TEST(HallFile, AResetTakesAwayOnlyWhatThePlayerSaw) {
  TwoCopies copies(Section("Fortress", {"Old       200    0"}));
  // The first copy adds a result, then the player of the second resets the list it sees.
  ASSERT_TRUE(AddHall(copies.first, 3, 180, 0, "First", copies.firstRank));
  ASSERT_TRUE(AddHall(copies.second, 3, 220, 0, "Early", copies.secondRank));
  ResetHallColumn(copies.second, 3);
  ASSERT_TRUE(AddHall(copies.second, 3, 250, 0, "Late", copies.secondRank));
  ASSERT_TRUE(SaveHall(copies.store, kLayouts, copies.first).ok());
  ASSERT_TRUE(SaveHall(copies.store, kLayouts, copies.second).ok());

  const HallTable saved = copies.Reloaded();
  EXPECT_EQ(saved.At(1, 3), "First     180    0");
  EXPECT_EQ(saved.At(2, 3), "Late      250    0");
  EXPECT_EQ(saved.At(3, 3), TimedPlaceholder(1)) << "the old and the early result were reset";
}

TEST(HallFile, ARenamedResultIsSavedUnderItsNewNameAndBetterResultsPushOutWorse) {
  std::vector<std::string> full;
  for (int rank = 1; rank <= 10; ++rank) full.push_back(MakeHallEntry("Old" + std::to_string(rank), 200 + rank, 0));
  TwoCopies copies(Section("Turtle", {full[0], full[1], full[2]}));
  ASSERT_TRUE(AddHall(copies.second, 1, 290, 0, "Second", copies.secondRank));
  ASSERT_TRUE(RenameNewestEntry(copies.second, 1, copies.secondRank, "Zoe"));
  // Meanwhile the first copy filled the list with better results.
  for (int rank = 4; rank <= 10; ++rank)
    ASSERT_TRUE(AddHall(copies.first, 1, 200 + rank, 0, "Old" + std::to_string(rank), copies.firstRank));
  ASSERT_TRUE(SaveHall(copies.store, kLayouts, copies.first).ok());
  ASSERT_TRUE(SaveHall(copies.store, kLayouts, copies.second).ok());
  HallTable saved = copies.Reloaded();
  for (int rank = 1; rank <= 10; ++rank) EXPECT_EQ(HallEntryTotal(saved.At(rank, 1)), 200 + rank);

  // A list with room keeps the renamed result.
  TwoCopies roomy(Section("Turtle", {full[0]}));
  ASSERT_TRUE(AddHall(roomy.second, 1, 290, 0, "Second", roomy.secondRank));
  ASSERT_TRUE(RenameNewestEntry(roomy.second, 1, roomy.secondRank, "Zoe"));
  ASSERT_TRUE(SaveHall(roomy.store, kLayouts, roomy.second).ok());
  EXPECT_EQ(roomy.Reloaded().At(2, 1), "Zoe       290    0");
}

// Two copies closed at the same moment (a logout ends both) save at once, again and again:
// each save reads, merges and replaces the file while the other cannot step in between.
TEST(HallFile, CopiesSavingAtTheSameMomentKeepEveryResult) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Hallfame.ini"));
  constexpr int kSaves = 30;
  std::vector<std::string> layouts;
  for (int column = 1; column <= 2 * kSaves; ++column) layouts.push_back("L" + std::to_string(column));
  auto copy = [&](int firstColumn) {
    auto table = std::make_unique<HallTable>();
    LoadHall(store, layouts, *table);
    for (int save = 0; save < kSaves; ++save) {
      int NewEntryRank = 0;
      ASSERT_TRUE(AddHall(*table, firstColumn + save, 299, 0, "P", NewEntryRank));
      ASSERT_TRUE(SaveHall(store, layouts, *table).ok());
    }
  };
  std::thread first(copy, 1), second(copy, 1 + kSaves);
  first.join();
  second.join();
  auto saved = std::make_unique<HallTable>();
  LoadHall(store, layouts, *saved);
  for (int column = 1; column <= 2 * kSaves; ++column)
    EXPECT_EQ(saved->At(1, column), "P         299    0") << layouts[static_cast<size_t>(column - 1)];
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Hallfame.ini", "Hallfame.ini.lock"}));
}

}  // namespace
}  // namespace sorimo
