// Block transfers: the four modes, clipping to the target and to the source, the masked
// sprite, the transparent sprite and the rectangles.
#include <gtest/gtest.h>

#include "view/pixel_transfer.h"

namespace sorimo {
namespace {

// A picture whose every pixel names its position, so a wrong offset shows at once.
PixelBuffer Numbered(int w, int h) {
  PixelBuffer p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.setPixel(x, y, Rgb(x + 1, y + 1, 7));
  return p;
}

TEST(BlockTransfer, EachModeCombinesPixelByPixel) {
  PixelBuffer src(2, 1);
  src.setPixel(0, 0, 0x0F0F0F);
  src.setPixel(1, 0, 0xFF00FF);
  const uint32_t dst = 0x3C3C3C;
  struct Case {
    RasterOp op;
    uint32_t first, second;
  } cases[] = {
      {RasterOp::Copy, 0x0F0F0F, 0xFF00FF},
      {RasterOp::And, 0x0C0C0C, 0x3C003C},
      {RasterOp::Or, 0x3F3F3F, 0xFF3CFF},
      {RasterOp::Xor, 0x333333, 0xC33CC3},
  };
  for (const Case& c : cases) {
    PixelBuffer target(4, 3, dst);
    BlockTransfer(target, 1, 1, 2, 1, src, 0, 0, c.op);
    EXPECT_EQ(target.pixel(1, 1), c.first) << int(c.op);
    EXPECT_EQ(target.pixel(2, 1), c.second) << int(c.op);
    EXPECT_EQ(target.pixel(0, 1), dst);
    EXPECT_EQ(target.pixel(3, 1), dst);
    EXPECT_EQ(target.pixel(1, 0), dst);
    EXPECT_EQ(target.pixel(1, 2), dst);
  }
}

TEST(BlockTransfer, ClipsToTheTargetOnEverySide) {
  const PixelBuffer src = Numbered(10, 10);
  PixelBuffer target(4, 4, kWhite);
  // Two pixels hang over the left and top edges, far more over the right and bottom.
  BlockTransfer(target, -2, -2, 10, 10, src, 0, 0, RasterOp::Copy);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(target.pixel(x, y), src.pixel(x + 2, y + 2)) << x << "," << y;
}

TEST(BlockTransfer, ClipsToTheSourceAndLeavesTheRestAlone) {
  const PixelBuffer src = Numbered(3, 2);  // smaller than the rectangle asked for
  PixelBuffer target(8, 8, kWhite);
  BlockTransfer(target, 2, 2, 6, 6, src, 1, 0, RasterOp::Copy);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool fromSource = x >= 2 && x < 4 && y >= 2 && y < 4;
      EXPECT_EQ(target.pixel(x, y), fromSource ? src.pixel(x - 1, y - 2) : kWhite) << x << "," << y;
    }
  // A source origin left of or above the picture shifts the target the same way.
  PixelBuffer t2(8, 8, kWhite);
  BlockTransfer(t2, 0, 0, 5, 5, src, -2, -1, RasterOp::Copy);
  EXPECT_EQ(t2.pixel(1, 1), kWhite);
  EXPECT_EQ(t2.pixel(2, 1), src.pixel(0, 0));
  EXPECT_EQ(t2.pixel(4, 2), src.pixel(2, 1));
  EXPECT_EQ(t2.pixel(4, 3), kWhite);
}

TEST(BlockTransfer, DegenerateAndExtremeRectanglesDoNothing) {
  const PixelBuffer src = Numbered(4, 4);
  const PixelBuffer empty;
  PixelBuffer target(4, 4, kWhite);
  const PixelBuffer before = target;
  BlockTransfer(target, 0, 0, 0, 4, src, 0, 0, RasterOp::Copy);
  BlockTransfer(target, 0, 0, 4, -1, src, 0, 0, RasterOp::Copy);
  BlockTransfer(target, 0, 0, 4, 4, empty, 0, 0, RasterOp::Copy);
  BlockTransfer(target, 4, 0, 4, 4, src, 0, 0, RasterOp::Copy);
  BlockTransfer(target, 2147483647, 2147483647, 2147483647, 2147483647, src, 0, 0, RasterOp::Copy);
  BlockTransfer(target, -2147483647 - 1, 0, 2147483647, 4, src, 0, 0, RasterOp::Copy);
  BlockTransfer(target, 0, 0, 4, 4, src, 2147483647, 0, RasterOp::Copy);
  EXPECT_EQ(target, before);
  EXPECT_FALSE(ClipTransfer(4, 4, -2147483647 - 1, 0, 2147483647, 4, 4, 4, 0, 0));
}

TEST(BlockTransfer, OverlappingTransferWithinOnePictureReadsTheOriginal) {
  PixelBuffer p = Numbered(6, 1);
  const PixelBuffer original = p;
  BlockTransfer(p, 1, 0, 5, 1, p, 0, 0, RasterOp::Copy);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(p.pixel(x, 0), original.pixel(x - 1, 0));
  PixelBuffer q = Numbered(6, 1);
  BlockTransfer(q, 0, 0, 5, 1, q, 1, 0, RasterOp::Xor);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(q.pixel(x, 0), original.pixel(x, 0) ^ original.pixel(x + 1, 0));
}

TEST(MaskedTransfer, MaskThenSpriteAndEachSourceClippedOnItsOwn) {
  PixelBuffer mask(3, 1, kWhite), sprite(3, 1, kBlack);
  mask.setPixel(1, 0, kBlack);
  sprite.setPixel(1, 0, Rgb(10, 20, 30));
  PixelBuffer target(3, 1, Rgb(1, 1, 1));
  MaskedTransfer(target, 0, 0, 3, 1, mask, 0, 0, sprite, 0, 0);
  EXPECT_EQ(target.pixel(0, 0), Rgb(1, 1, 1));
  EXPECT_EQ(target.pixel(1, 0), Rgb(10, 20, 30));
  EXPECT_EQ(target.pixel(2, 0), Rgb(1, 1, 1));

  // A mask narrower than the sprite: where it is missing only the OR happens, as it would
  // with two separate transfers.
  PixelBuffer narrowMask(1, 1, kBlack), wideSprite(2, 1, Rgb(0, 0, 0x10));
  PixelBuffer t2(2, 1, Rgb(0x20, 0, 0));
  MaskedTransfer(t2, 0, 0, 2, 1, narrowMask, 0, 0, wideSprite, 0, 0);
  EXPECT_EQ(t2.pixel(0, 0), Rgb(0, 0, 0x10));
  EXPECT_EQ(t2.pixel(1, 0), Rgb(0x20, 0, 0x10));
}

TEST(TransparentTransfer, SkipsTheKeyColourAndClips) {
  PixelBuffer sprite(3, 2, Rgb(9, 9, 9));
  sprite.setPixel(1, 0, kBlack);
  PixelBuffer target(3, 3, kWhite);
  TransparentTransfer(target, 1, 1, sprite);
  EXPECT_EQ(target.pixel(0, 1), kWhite);
  EXPECT_EQ(target.pixel(1, 1), Rgb(9, 9, 9));
  EXPECT_EQ(target.pixel(2, 1), kWhite);  // the transparent pixel
  EXPECT_EQ(target.pixel(2, 2), Rgb(9, 9, 9));
  TransparentTransfer(target, -3, 5, sprite);  // entirely outside
}

TEST(HollowRect, WidthThreePenCoversTheOuterThreePixelsOfTheFace) {
  // The highlight frame: pen 3 on (fx + 1, fy + 1)-(fx + 39, fy + 49) with the face at (5, 7).
  PixelBuffer t(60, 70, kBlack);
  const uint32_t pen = Rgb(255, 0, 0);
  HollowRect(t, {6, 8, 44, 56}, Pen{pen, 3});
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inFace = x >= 5 && x < 45 && y >= 7 && y < 57;
      const bool inHole = x >= 8 && x < 42 && y >= 10 && y < 54;
      EXPECT_EQ(t.pixel(x, y), inFace && !inHole ? pen : kBlack) << x << "," << y;
    }
}

TEST(HollowRect, OnePixelPenAndPensWiderThanTheRectangle) {
  PixelBuffer t(10, 10, kBlack);
  HollowRect(t, {2, 2, 6, 5}, Pen{kWhite, 1});  // pixels 2..5 x 2..4
  EXPECT_EQ(t.pixel(2, 2), kWhite);
  EXPECT_EQ(t.pixel(5, 4), kWhite);
  EXPECT_EQ(t.pixel(3, 3), kBlack);
  EXPECT_EQ(t.pixel(6, 4), kBlack);
  EXPECT_EQ(t.pixel(5, 5), kBlack);

  PixelBuffer u(10, 10, kBlack);
  HollowRect(u, {3, 3, 6, 6}, Pen{kWhite, 5});  // no hole left: a filled block 1..7
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(u.pixel(x, y), x >= 1 && x < 8 && y >= 1 && y < 8 ? kWhite : kBlack) << x << "," << y;
}

TEST(FillRect, ClipsAndKeepsTheColourToTwentyFourBits) {
  PixelBuffer t(4, 4, kBlack);
  FillRect(t, {-5, 2, 2, 99}, 0xAB123456);
  EXPECT_EQ(t.pixel(0, 2), 0x123456u);
  EXPECT_EQ(t.pixel(1, 3), 0x123456u);
  EXPECT_EQ(t.pixel(2, 2), kBlack);
  EXPECT_EQ(t.pixel(0, 1), kBlack);
}

}  // namespace
}  // namespace sorimo
