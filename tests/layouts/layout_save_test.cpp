#include "layouts/layout_save.h"

#include <gtest/gtest.h>

#include "layouts/layout_list.h"
#include "layouts/layout_status.h"

namespace sorimo {
namespace {

using Names = std::vector<std::string>;

TEST(LayoutSave, AddsTheExtensionUnlessTheFileNameEndsWithItExactly) {
  EXPECT_EQ(LayoutSavePath("/g/Layouts/Arena"), "/g/Layouts/Arena.lay");
  EXPECT_EQ(LayoutSavePath("/g/Layouts/Arena.lay"), "/g/Layouts/Arena.lay");
  EXPECT_EQ(LayoutSavePath("/g/Layouts/Arena.LAY"), "/g/Layouts/Arena.LAY.lay");
  EXPECT_EQ(LayoutSavePath("/g/Layouts/Arena.layout"), "/g/Layouts/Arena.layout.lay");
  // A folder whose name holds ".lay" does not count: the file would be saved without extension.
  EXPECT_EQ(LayoutSavePath("/home/my.layouts/Arena"), "/home/my.layouts/Arena.lay");

  EXPECT_EQ(LayoutNameOfPath("/g/Layouts/Arena.LAY.lay"), "Arena.LAY");
  EXPECT_EQ(LayoutNameOfPath("/home/my.layouts/Arena.lay"), "Arena");
  EXPECT_EQ(LayoutNameOfPath("Dragon Gate.lay"), "Dragon Gate");
  EXPECT_EQ(LayoutNameOfPath(LayoutSavePath("/g/Layouts/Lotus")), "Lotus");
}

TEST(LayoutSave, SelectsAListedEntryExactlyOrAppendsANewOne) {
  Names names = {"Arena", "Traditional", "Hills.shp"};
  SavedLayoutEntry e = ListSavedLayout(names, "Traditional");
  EXPECT_EQ(e.boardNumber, 2);
  EXPECT_FALSE(e.appended);
  EXPECT_EQ(names.size(), 3u);

  e = ListSavedLayout(names, "traditional");  // letter case counts: a new entry, after the externals
  EXPECT_EQ(e.boardNumber, 4);
  EXPECT_TRUE(e.appended);
  EXPECT_EQ(names, (Names{"Arena", "Traditional", "Hills.shp", "traditional"}));
  EXPECT_EQ(ListSavedLayout(names, "traditional").boardNumber, 4);
  EXPECT_EQ(names.size(), 4u);

  Names twice = {"X", "Y", "X"};
  EXPECT_EQ(ListSavedLayout(twice, "X").boardNumber, 3);  // the last match
}

TEST(LayoutSave, AFullMenuKeepsTheFileButDoesNotListIt) {
  Names names;
  for (int i = 0; i < kMaxLayoutEntries; ++i) names.push_back("L" + std::to_string(i));
  const SavedLayoutEntry listed = ListSavedLayout(names, "L42");
  EXPECT_EQ(listed.boardNumber, 43);
  EXPECT_EQ(listed.message, "");
  const SavedLayoutEntry e = ListSavedLayout(names, "New");
  EXPECT_EQ(e.boardNumber, 0);
  EXPECT_FALSE(e.appended);
  EXPECT_EQ(e.message, "The layout was saved, but the Layout menu is full (99 layouts): it is not listed.");
  EXPECT_EQ(names.size(), 99u);
}

TEST(LayoutStatus, UpperCasesOnlyTheLettersAToZ) {
  EXPECT_EQ(LayoutSelectedText("Pyramid"), "Layout PYRAMID selected.");
  EXPECT_EQ(LayoutSelectedText("caf\xC3\xA9 no\xC3\xABl-2 {x}"), "Layout CAF\xC3\xA9 NO\xC3\xABL-2 {X} selected.");
  EXPECT_EQ(LayoutSelectedText("/g/Layouts/Hills.shp"), "Layout /G/LAYOUTS/HILLS.SHP selected.");
  EXPECT_EQ(LayoutSelectedText(""), "Layout  selected.");
}

}  // namespace
}  // namespace sorimo
