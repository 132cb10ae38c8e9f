#include "app/store/hall_table.h"

#include <gtest/gtest.h>

#include <string>

namespace sorimo {
namespace {

constexpr int kLayout = 5;

// Puts "Name total malus" entries at ranks 1.. of a column.
void Fill(HallTable& table, int column, std::initializer_list<std::pair<int, int>> results) {
  int rank = 1;
  for (const auto& [total, malus] : results) {
    table.At(rank, column) = MakeHallEntry("Old" + std::to_string(rank), total, malus);
    ++rank;
  }
}

TEST(HallEntry, TextLayoutPlaceholdersAndNumbers) {
  EXPECT_EQ(MakeHallEntry("Bob", 299, 5), "Bob       299    5");
  EXPECT_EQ(MakeHallEntry("Christopher", 1234, 40), "Christop 1234   40") << "12 characters: first 8";
  EXPECT_EQ(MakeHallEntry("", 7, 0), "            7    0");
  EXPECT_EQ(MakeHallEntry("Al", 12345, -3), "Al       9999    0") << "kept to four digits";
  // Eight bytes would end inside the two-byte "é": the cut falls before it.
  EXPECT_EQ(FitHallName("Ren\xC3\xA9\xC3\xA9\xC3\xA9"), "Ren\xC3\xA9\xC3\xA9 ");
  for (const std::string& entry : {MakeHallEntry("Christopher", 1, 2), TimedPlaceholder(3),
                                   ClicksPlaceholder(10), MakeHallEntry("Ren\xC3\xA9\xC3\xA9\xC3\xA9", 1, 2)})
    EXPECT_EQ(entry.size(), 18u) << entry;

  EXPECT_EQ(TimedPlaceholder(1), "---       300    0");
  EXPECT_EQ(TimedPlaceholder(10), "---       840    0");
  EXPECT_EQ(ClicksPlaceholder(1), "---        20    0");
  EXPECT_EQ(ClicksPlaceholder(10), "---       200    0");
  EXPECT_EQ(PlaceholderEntry(kClicksHardColumn, 2), ClicksPlaceholder(2));
  EXPECT_EQ(PlaceholderEntry(kMemoryHardColumn, 2), TimedPlaceholder(2));
  EXPECT_TRUE(IsPlaceholderEntry(TimedPlaceholder(4)));
  EXPECT_FALSE(IsPlaceholderEntry("---x      300    0"));
  EXPECT_TRUE(IsPlaceholderEntry(ClicksPlaceholder(10)));
  // A player named "--- Bob" is a player, with a result of his own.
  EXPECT_FALSE(IsPlaceholderEntry("--- Bob   412    0"));
  EXPECT_FALSE(IsPlaceholderEntry("Bob --- x 412    0"));
  EXPECT_FALSE(IsPlaceholderEntry("---       300   40")) << "a placeholder has no malus";

  EXPECT_EQ(HallEntryTotal("Bob       299    5"), 299);
  EXPECT_EQ(HallEntryMalus("Bob       299    5"), 5);
  EXPECT_EQ(HallEntryTotal("Bob      0299 0005"), 299);
  // Hand-edited or cut entries read as a huge total instead of failing.
  EXPECT_EQ(HallEntryTotal("Bob       abc    5"), kUnreadableHallNumber);
  EXPECT_EQ(HallEntryTotal("Bob      29 9    5"), kUnreadableHallNumber);
  EXPECT_EQ(HallEntryTotal("Bob           "), kUnreadableHallNumber);
  EXPECT_EQ(HallEntryTotal("Bob"), kUnreadableHallNumber);
  EXPECT_EQ(HallEntryMalus("Bob       299  "), kUnreadableHallNumber);
  EXPECT_EQ(LayoutSectionName(" Big  Dragon "), "BigDragon");
  EXPECT_EQ(ArcadeSectionName(kRiversHardColumn), "Rivers2");
  EXPECT_EQ(ArcadeSectionName(105), "");
}

TEST(HallTable, QualificationNeedsATotalBelowRankTen) {
  HallTable table;
  EXPECT_TRUE(QualifiesForHall(table, kLayout, 299, true));
  EXPECT_TRUE(QualifiesForHall(table, kLayout, 839, true));
  EXPECT_FALSE(QualifiesForHall(table, kLayout, 840, true)) << "equal to rank 10 is not enough";
  EXPECT_FALSE(QualifiesForHall(table, kLayout, 10, false)) << "EnableHall off";
  EXPECT_TRUE(QualifiesForHall(table, kClicksEasyColumn, 199, true));
  EXPECT_FALSE(QualifiesForHall(table, kClicksEasyColumn, 200, true));
  EXPECT_TRUE(QualifiesForHall(table, kMemoryHardColumn, 839, true));
  for (int unused : {0, 102, 109, 115, 122, -1})
    EXPECT_FALSE(QualifiesForHall(table, unused, 1, true)) << unused;
  table.At(10, kLayout) = "Bob       ???    0";
  EXPECT_TRUE(QualifiesForHall(table, kLayout, 5000, true));
}

TEST(HallTable, AFirstResultOnAFreshListGoesToTheTop) {
  HallTable table;
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, kLayout, 299, 0, "Player1", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 1);
  EXPECT_EQ(table.At(1, kLayout), "Player1   299    0");
  for (int rank = 2; rank <= 10; ++rank) EXPECT_EQ(table.At(rank, kLayout), TimedPlaceholder(rank - 1));
  EXPECT_EQ(table.At(1, kLayout + 1), TimedPlaceholder(1)) << "other columns untouched";
}

TEST(HallTable, EqualTotalsAreComparedWithTheOneEntryAtTheirRankOnly) {
  // 300/300/420 with malus 0: a new 300 with malus 5 goes right after rank 1, ahead of the
  // old rank 2 although that one has the smaller malus.
  HallTable table;
  Fill(table, kLayout, {{300, 0}, {300, 0}, {420, 0}});
  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, kLayout, 300, 5, "New", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 2);
  EXPECT_EQ(table.At(1, kLayout), "Old1      300    0");
  EXPECT_EQ(table.At(2, kLayout), "New       300    5");
  EXPECT_EQ(table.At(3, kLayout), "Old2      300    0");
  EXPECT_EQ(table.At(4, kLayout), "Old3      420    0");

  // Rank 1 with 300 and malus 40; a new 300 with malus 10 takes rank 1.
  HallTable second;
  Fill(second, kRiversEasyColumn, {{300, 40}});
  ASSERT_TRUE(AddHall(second, kRiversEasyColumn, 300, 10, "New", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 1);
  EXPECT_EQ(second.At(1, kRiversEasyColumn), "New       300   10");
  EXPECT_EQ(second.At(2, kRiversEasyColumn), "Old1      300   40");

  // Equal malus counts as "not above": the newcomer goes after.
  ASSERT_TRUE(AddHall(second, kRiversEasyColumn, 300, 10, "Third", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 2);
}

TEST(HallTable, ResultsAtTheBottomOfAFullList) {
  HallTable table;
  Fill(table, kLayout, {{100, 0}, {110, 0}, {120, 0}, {130, 0}, {140, 0},
                        {150, 0}, {160, 0}, {170, 0}, {180, 0}, {190, 3}});
  int NewEntryRank = 7;
  // Same total and malus as rank 10: nothing is inserted.
  EXPECT_FALSE(AddHall(table, kLayout, 190, 3, "Tie", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 7);
  EXPECT_EQ(table.At(10, kLayout), "Old10     190    3");
  // Worse than everything: nothing pushes out a better result.
  EXPECT_FALSE(AddHall(table, kLayout, 191, 0, "Slow", NewEntryRank));
  EXPECT_EQ(table.At(10, kLayout), "Old10     190    3");
  // Same total as rank 10, smaller malus: takes rank 10, the old one falls out.
  ASSERT_TRUE(AddHall(table, kLayout, 190, 1, "Quick", NewEntryRank));
  EXPECT_EQ(NewEntryRank, 10);
  EXPECT_EQ(table.At(10, kLayout), "Quick     190    1");
  EXPECT_EQ(table.At(9, kLayout), "Old9      180    0");
  EXPECT_FALSE(AddHall(table, 105, 1, 0, "Nowhere", NewEntryRank));
}

TEST(HallTable, ResetAndRename) {
  HallTable table;
  Fill(table, kClicksHardColumn, {{3, 0}, {8, 0}});
  Fill(table, kLayout, {{250, 0}});
  ASSERT_TRUE(ResetHallColumn(table, kClicksHardColumn));
  for (int rank = 1; rank <= 10; ++rank) EXPECT_EQ(table.At(rank, kClicksHardColumn), ClicksPlaceholder(rank));
  EXPECT_EQ(table.At(1, kLayout), "Old1      250    0");
  EXPECT_FALSE(ResetHallColumn(table, 0));

  int NewEntryRank = 0;
  ASSERT_TRUE(AddHall(table, kLayout, 200, 30, "Player1", NewEntryRank));
  ASSERT_TRUE(RenameNewestEntry(table, kLayout, NewEntryRank, " Ann"));
  EXPECT_EQ(table.At(1, kLayout), "-Ann      200   30");
  ASSERT_TRUE(RenameNewestEntry(table, kLayout, NewEntryRank, "Maximilian"));
  EXPECT_EQ(table.At(1, kLayout), "Maximili  200   30");
  EXPECT_EQ(table.At(2, kLayout), "Old1      250    0");
  EXPECT_FALSE(RenameNewestEntry(table, kLayout, 0, "Nobody"));
  EXPECT_FALSE(RenameNewestEntry(table, kLayout, 11, "Nobody"));
}

}  // namespace
}  // namespace sorimo
