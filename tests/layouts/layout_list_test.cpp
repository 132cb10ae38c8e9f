#include "layouts/layout_list.h"

#include <gtest/gtest.h>

#include <set>

namespace sorimo {
namespace {

using Names = std::vector<std::string>;

TEST(LayoutList, TraditionalIsChosenWhenNothingWasSelectedYet) {
  LayoutList list = ScanLayoutNames({"Traditional.lay", "Arena.lay"}, -1);
  EXPECT_EQ(list.names, (Names{"Arena", "Traditional"}));
  EXPECT_EQ(list.boardNumber, 2);
  EXPECT_EQ(list.message, "");

  // Without it, or with only a differently written one, the first entry.
  EXPECT_EQ(ScanLayoutNames({"Pyramid.lay", "Arena.lay"}, -1).boardNumber, 1);
  list = ScanLayoutNames({"Zoo.lay", "traditional.lay", "Arena.lay"}, -1);
  EXPECT_EQ(list.names, (Names{"Arena", "traditional", "Zoo"}));
  EXPECT_EQ(list.boardNumber, 1);

  // A stored choice is kept, and one past the end moves to the last entry.
  EXPECT_EQ(ScanLayoutNames({"Traditional.lay", "Arena.lay"}, 1).boardNumber, 1);
  const Names five = {"A.lay", "B.lay", "C.lay", "D.lay", "E.lay"};
  EXPECT_EQ(ScanLayoutNames(five, 7).boardNumber, 5);
  EXPECT_EQ(ScanLayoutNames(five, 3).boardNumber, 3);
  EXPECT_EQ(ScanLayoutNames(five, 120).boardNumber, 5);  // an arcade hall column left stored
  EXPECT_EQ(ScanLayoutNames(five, 0).boardNumber, 1);
  EXPECT_EQ(ScanLayoutNames(five, -7).boardNumber, 1);
}

TEST(LayoutList, NativesSortedWithoutCaseThenExternalsInListingOrder) {
  const LayoutList list =
      ScanLayoutNames({"Zeta.shp", "gamma.lay", "Beta.lay", "Alpha.shp", "delta.lay", "Able.lay"}, -1);
  EXPECT_EQ(list.names, (Names{"Able", "Beta", "delta", "gamma", "Zeta.shp", "Alpha.shp"}));
  EXPECT_EQ(list.nativeCount, 4);
  EXPECT_TRUE(IsExternalLayoutEntry(list.names[4]));
  EXPECT_FALSE(IsExternalLayoutEntry(list.names[0]));
}

TEST(LayoutList, SkipsWhatIsNotALayoutAndNamesListedTwiceIgnoringCase) {
  const LayoutList list = ScanLayoutNames(
      {"Arena.lay", "notes.txt", ".lay", ".shp", "ARENA.lay", "Crab.LAY", "Crab.lay.bak", "Hills.SHP", "arena.lay",
       "Lotus.lay", "Lotus.shp"},
      -1);
  // The first of Arena/ARENA/arena stays; Lotus.shp is another layout than Lotus.
  EXPECT_EQ(list.names, (Names{"Arena", "Lotus", "Lotus.shp"}));
  EXPECT_EQ(list.nativeCount, 2);
}

TEST(LayoutList, NoMoreThan99EntriesAndTheWindowIsToldWhy) {
  Names files;
  for (int i = 0; i < 103; ++i) files.push_back("L" + std::to_string(1000 + i) + ".lay");
  files.push_back("Hills.shp");
  files.push_back("Dunes.shp");
  LayoutList list = ScanLayoutNames(files, 104);
  ASSERT_EQ(list.names.size(), 99u);
  EXPECT_EQ(list.names.front(), "L1000");
  EXPECT_EQ(list.names.back(), "L1098");
  EXPECT_EQ(list.nativeCount, 99);
  EXPECT_EQ(list.boardNumber, 99);
  EXPECT_EQ(list.message,
            "Only 99 layouts can be listed: 6 layout files were left out of the Layout menu (L1099.lay, L1100.lay, "
            "L1101.lay, L1102.lay, Hills.shp, Dunes.shp).");

  files.resize(98);
  files.push_back("Hills.shp");
  list = ScanLayoutNames(files, -1);
  EXPECT_EQ(list.names.size(), 99u);
  EXPECT_EQ(list.names.back(), "Hills.shp");
  EXPECT_EQ(list.message, "");
  files.push_back("Dunes.shp");
  EXPECT_EQ(ScanLayoutNames(files, -1).message,
            "Only 99 layouts can be listed: 1 layout file was left out of the Layout menu (Dunes.shp).");

  // A Traditional left out is not selected either.
  files.push_back("Traditional.lay");
  EXPECT_EQ(ScanLayoutNames(files, -1).boardNumber, 99);  // 98 before it: still listed
  files.push_back("Mill.lay");
  list = ScanLayoutNames(files, -1);
  EXPECT_EQ(list.names.back(), "Mill");
  EXPECT_EQ(list.boardNumber, 1);

  // A long list of files left out names the first ten.
  for (int i = 0; i < 20; ++i) files.push_back("Z" + std::to_string(10 + i) + ".lay");
  EXPECT_EQ(ScanLayoutNames(files, -1).message,
            "Only 99 layouts can be listed: 23 layout files were left out of the Layout menu (Traditional.lay, "
            "Z10.lay, Z11.lay, Z12.lay, Z13.lay, Z14.lay, Z15.lay, Z16.lay, Z17.lay, Z18.lay and 13 more).");
}

TEST(LayoutList, AnEmptyFolderSelectsNothing) {
  const LayoutList list = ScanLayoutNames({"readme.txt"}, -1);
  EXPECT_TRUE(list.names.empty());
  EXPECT_EQ(list.boardNumber, 0);
  EXPECT_EQ(list.message, "There is no layout file in the Layouts folder.");
  EXPECT_EQ(ResolveLayoutFile("L/", list.names, 1, [](const std::string&) { return true; }).path, "");
}

TEST(LayoutList, ResolvesEntriesToTheirFilesAndFallsBackToTheFirst) {
  const Names names = {"Arena", "Traditional", "Hills.shp"};
  std::set<std::string> files = {"L/Arena.lay", "L/Traditional.lay", "L/Hills.shp"};
  auto exists = [&files](const std::string& p) { return files.count(p) > 0; };

  auto check = [&](int board, const std::string& path, int expectedBoard) {
    const ResolvedLayout r = ResolveLayoutFile("L/", names, board, exists);
    EXPECT_EQ(r.path, path) << "BoardNumber " << board;
    EXPECT_EQ(r.boardNumber, expectedBoard) << "BoardNumber " << board;
  };
  check(2, "L/Traditional.lay", 2);
  check(3, "L/Hills.shp", 3);
  check(1, "L/Arena.lay", 1);
  check(0, "L/Arena.lay", 1);
  check(-5, "L/Arena.lay", 1);   // never a negative index into the list
  check(4, "L/Arena.lay", 1);    // past the end
  check(100, "L/Arena.lay", 1);  // an arcade column
  files.erase("L/Traditional.lay");
  check(2, "L/Arena.lay", 1);  // deleted since the folder was listed

  // A folder of external layouts only: entry 1 names its own file.
  const ResolvedLayout r = ResolveLayoutFile("L/", {"Hills.shp"}, 0, exists);
  EXPECT_EQ(r.path, "L/Hills.shp");
  EXPECT_EQ(r.boardNumber, 1);
}

}  // namespace
}  // namespace sorimo
