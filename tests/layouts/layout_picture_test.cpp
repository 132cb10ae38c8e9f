#include "layouts/layout_picture.h"

#include <gtest/gtest.h>

#include "picture_helper.h"

namespace sorimo {
namespace {

TEST(LayoutPicture, FullPictureReadsBackAndShowsEachLayer) {
  LayoutCells cells = testing::TwoBlocks();
  cells.set(1, 1, 1, 1);
  cells.set(34, 20, 5, 1);
  const std::string text = LayoutPicture(cells);
  EXPECT_EQ(text.size(), 5u * 20u * 35u + 4u);
  EXPECT_EQ(text.substr(0, 35), "#.................................\n");
  EXPECT_EQ(text.substr(text.size() - 35), ".................................#\n");
  const LayoutPictureResult back = LayoutFromPicture(text);
  ASSERT_TRUE(back.ok) << back.message;
  EXPECT_EQ(back.cells, cells);
}

TEST(LayoutPicture, ShortHandWrittenPicturesFillTheRestWithNothing) {
  const LayoutPictureResult r = LayoutFromPicture(R"(

      #.#
      ...
      .#

      .#
  )");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.cells.count(), 4);
  EXPECT_EQ(r.cells.at(1, 1, 1), 1);
  EXPECT_EQ(r.cells.at(3, 1, 1), 1);
  EXPECT_EQ(r.cells.at(2, 3, 1), 1);
  EXPECT_EQ(r.cells.at(2, 1, 2), 1);
  EXPECT_TRUE(LayoutFromPicture("").ok);
}

TEST(LayoutPicture, RefusesWhatIsNotAPictureAndSaysWhere) {
  EXPECT_EQ(LayoutFromPicture("#.\n#x\n").message, "line 2: column 2 is neither '#' nor '.'");
  EXPECT_EQ(LayoutFromPicture(std::string(35, '.')).message, "line 1: 35 columns, more than 34");
  std::string tall;
  for (int i = 0; i < 21; ++i) tall += ".\n";
  EXPECT_EQ(LayoutFromPicture(tall).message, "line 21: more than 20 rows in layer 1");
  EXPECT_EQ(LayoutFromPicture("#\n\n#\n\n#\n\n#\n\n#\n\n#\n").message, "line 11: more than 5 layers");
  EXPECT_FALSE(LayoutFromPicture("#.\n#x\n").ok);
  EXPECT_EQ(LayoutFromPicture("#.\n#x\n").cells, LayoutCells{});
}

TEST(LayoutPicture, TopViewShowsTheHighestLayerOverEachCell) {
  const LayoutCells cells = testing::Picture(R"(
      #.#

      .#
  )");
  EXPECT_EQ(LayoutTopView(cells).substr(0, 3 * 35),
            "1221..............................\n"
            "1221..............................\n"
            "..................................\n");
  LayoutCells corner;
  corner.set(34, 20, 1, 1);  // its other three cells lie off the grid
  EXPECT_EQ(LayoutTopView(corner).substr(19 * 35), ".................................1\n");
}

}  // namespace
}  // namespace sorimo
