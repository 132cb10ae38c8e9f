// How background pictures of every size fill the 704 x 468 background.
#include <gtest/gtest.h>

#include "assets/background_fill.h"

namespace sorimo {
namespace {

// Every pixel of the picture different, so each copy can be told apart by position.
PixelBuffer Numbered(int w, int h) {
  PixelBuffer p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.setPixel(x, y, Rgb(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8) + 1));
  return p;
}

void ExpectTiled(const PixelBuffer& background, const PixelBuffer& picture) {
  for (int y = 0; y < background.height(); ++y)
    for (int x = 0; x < background.width(); ++x)
      ASSERT_EQ(background.pixel(x, y), picture.pixel(x % picture.width(), y % picture.height())) << x << "," << y;
}

TEST(FillBackground, SmallPictureIsTiledEightByFiveTimes) {
  PixelBuffer background(704, 468, kWhite);
  const PixelBuffer picture = Numbered(100, 100);
  FillBackground(background, picture);
  ExpectTiled(background, picture);  // copies at x = 0..700 and y = 0..400, cut at the edges
  EXPECT_EQ(background.pixel(703, 467), picture.pixel(3, 67));
}

TEST(FillBackground, LargePictureShowsItsTopLeftUnscaled) {
  PixelBuffer background(704, 468, kWhite);
  const PixelBuffer picture = Numbered(1024, 768);
  FillBackground(background, picture);
  for (int y = 0; y < 468; ++y)
    for (int x = 0; x < 704; ++x) ASSERT_EQ(background.pixel(x, y), picture.pixel(x, y));
  PixelBuffer exact(704, 468, kWhite);
  FillBackground(exact, Numbered(704, 468));
  EXPECT_EQ(exact, Numbered(704, 468));
}

TEST(FillBackground, PictureAsWideButNotAsTallIsTiledDownwards) {
  PixelBuffer background(704, 468, kWhite);
  const PixelBuffer picture = Numbered(704, 300);
  FillBackground(background, picture);
  ExpectTiled(background, picture);  // at y = 0 and y = 300
  EXPECT_EQ(background.pixel(10, 300), picture.pixel(10, 0));
  PixelBuffer wide(704, 468, kWhite);
  const PixelBuffer strip = Numbered(900, 50);
  FillBackground(wide, strip);
  ExpectTiled(wide, strip);
}

TEST(FillBackground, EmptyPicturesDrawNothingAndEnd) {
  PixelBuffer background(704, 468, Rgb(1, 2, 3));
  const PixelBuffer before = background;
  FillBackground(background, PixelBuffer());
  FillBackground(background, PixelBuffer(0, 50));
  FillBackground(background, PixelBuffer(50, 0));
  EXPECT_EQ(background, before);
  // One pixel fills everything.
  FillBackground(background, PixelBuffer(1, 1, Rgb(9, 8, 7)));
  EXPECT_EQ(background, PixelBuffer(704, 468, Rgb(9, 8, 7)));
}

}  // namespace
}  // namespace sorimo
