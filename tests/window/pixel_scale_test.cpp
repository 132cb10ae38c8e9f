// The scale between the board's pictures and a screen's pixels, on its own.
#include <gtest/gtest.h>

#include "app/window/pixel_scale.h"

namespace sorimo {
namespace {

const auto kAlwaysFits = [](int) { return true; };

TEST(PixelScale, BelowOneAndAHalfAPicturePixelIsALogicalPixel) {
  for (const double ratio : {1.0, 1.25, 1.49}) {
    const PixelScale s = ChoosePixelScale(ratio, kAlwaysFits);
    EXPECT_DOUBLE_EQ(s.logicalPerPixel(), 1.0) << ratio;
    EXPECT_EQ(s.LogicalSize({704, 468}), QSize(704, 468));
  }
}

TEST(PixelScale, FromOneAndAHalfAWholeNumberOfDevicePixelsAPicturePixel) {
  EXPECT_EQ(ChoosePixelScale(1.5, kAlwaysFits).devicePerPixel(), 2.0);
  EXPECT_EQ(ChoosePixelScale(1.75, kAlwaysFits).devicePerPixel(), 2.0);
  EXPECT_EQ(ChoosePixelScale(2.0, kAlwaysFits).devicePerPixel(), 2.0);
  EXPECT_EQ(ChoosePixelScale(2.5, kAlwaysFits).devicePerPixel(), 3.0);
  EXPECT_EQ(ChoosePixelScale(3.0, kAlwaysFits).devicePerPixel(), 3.0);
  // A screen too small for the larger scales gets the largest that fits, and never less than 1.
  EXPECT_EQ(ChoosePixelScale(3.0, [](int k) { return k <= 2; }).devicePerPixel(), 2.0);
  EXPECT_EQ(ChoosePixelScale(2.0, [](int) { return false; }).devicePerPixel(), 1.0);
  // At 1.5, where 2 does not fit, a picture pixel to a logical pixel before a board of 2/3.
  EXPECT_EQ(ChoosePixelScale(1.5, [](double d) { return d < 2; }).devicePerPixel(), 1.5);
  EXPECT_EQ(ChoosePixelScale(1.5, [](double d) { return d < 1.5; }).devicePerPixel(), 1.0);
  EXPECT_EQ(ChoosePixelScale(1.5, kAlwaysFits).LogicalSize({704, 468}), QSize(939, 624));
}

// Every picture pixel is hit by the point the tests click for it, and every logical rectangle
// a repaint asks for is drawn from the picture pixels under all of it.
TEST(PixelScale, PointsAndRectanglesGoBothWaysWithoutLosingAPixel) {
  for (const PixelScale s : {PixelScale(1, 1), PixelScale(2, 1.5), PixelScale(2, 2), PixelScale(3, 2.5),
                             PixelScale(3, 3), PixelScale(1.25, 1.25)}) {
    for (int x = 0; x < 800; ++x) {
      const QPointF centre = s.LogicalCentre({x, x / 2});
      EXPECT_EQ(s.PixelAt(centre), QPoint(x, x / 2)) << s.devicePerPixel() << "/" << s.ratio();
    }
    for (const QRect r : {QRect(0, 0, 704, 468), QRect(37, 11, 46, 56), QRect(703, 467, 1, 1), QRect(5, 5, 2, 3)}) {
      const QRect logical = s.LogicalRect(r);
      EXPECT_TRUE(s.PixelRect(logical).contains(r)) << r.x() << "," << r.y() << " at " << s.ratio();
      EXPECT_LE(logical.width(), std::ceil(r.width() * s.logicalPerPixel()) + 1);
    }
  }
  EXPECT_EQ(PixelScale(2, 2).LogicalRect(QRect(10, 20, 46, 56)), QRect(10, 20, 46, 56));
  EXPECT_EQ(PixelScale(2, 1.5).PixelRect(QRect(0, 0, 939, 624)), QRect(0, 0, 705, 468));
}

}  // namespace
}  // namespace sorimo
