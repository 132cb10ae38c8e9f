// The renderer's fast paths against the plain transfers they stand in for: the tile stamp
// against the masked transfer, the shadow stencil against the pieces drawn one by one, with
// pictures, positions and clip rectangles of every kind.
#include <gtest/gtest.h>

#include <cstdint>

#include "view/pixel_transfer.h"
#include "view/shadow_pieces.h"
#include "view/sprite_stamp.h"

namespace sorimo {
namespace {

class Random {
 public:
  explicit Random(uint32_t seed) : seed_(seed) {}
  int operator()(int n) {
    seed_ = seed_ * 134775813u + 1u;
    return int((uint64_t(seed_) * uint64_t(n)) >> 32);
  }
  uint32_t colour() { return Rgb((*this)(256), (*this)(256), (*this)(256)); }

 private:
  uint32_t seed_;
};

PixelRect RandomClip(Random& r) {
  if (r(4) == 0) return kWholeTarget;
  const int left = r(90) - 10, top = r(90) - 10;
  return {left, top, left + r(80), top + r(80)};
}

TEST(SpriteStamp, DrawsExactlyWhatTheMaskedTransferDraws) {
  Random r(99);
  for (int round = 0; round < 300; ++round) {
    // A mask of black runs, white ends and stray values, inside a larger picture.
    const int w = 1 + r(50), h = 1 + r(60);
    PixelBuffer maskPicture(w + 10, h + 10, kWhite);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int kind = r(10);
        maskPicture.setPixel(3 + x, 4 + y, kind < 7 ? kBlack : kind < 9 ? kWhite : r.colour());
      }
    PixelBuffer sprite(w + 8, h + 8);
    for (int y = 0; y < sprite.height(); ++y)
      for (int x = 0; x < sprite.width(); ++x) sprite.setPixel(x, y, r(3) ? r.colour() : kBlack);
    SpriteStamp stamp;
    stamp.Build(maskPicture, 3, 4, w, h);

    PixelBuffer a(80, 70);
    for (int y = 0; y < 70; ++y)
      for (int x = 0; x < 80; ++x) a.setPixel(x, y, r.colour());
    PixelBuffer b = a;
    const int x = r(100) - w, y = r(100) - h, rows = r(h + 3), sx = r(10) - 1, sy = r(10) - 1;
    const PixelRect clip = RandomClip(r);
    stamp.Draw(a, x, y, rows, sprite, sx, sy, clip);
    MaskedTransfer(b, x, y, w, std::min(rows, h), maskPicture, 3, 4, sprite, sx, sy, clip);
    ASSERT_EQ(a, b) << "round " << round;
  }
}

TEST(SpriteStamp, MaskReachingPastItsPictureFallsBackSafely) {
  PixelBuffer small(10, 10, kBlack);
  SpriteStamp stamp;
  stamp.Build(small, 5, 5, 46, 56);  // mostly outside the picture
  PixelBuffer sprite(46, 56, Rgb(1, 2, 3)), a(60, 60, kWhite), b(60, 60, kWhite);
  stamp.Draw(a, 2, 2, 56, sprite, 0, 0);
  MaskedTransfer(b, 2, 2, 46, 56, small, 5, 5, sprite, 0, 0);
  EXPECT_EQ(a, b);
  SpriteStamp unbuilt;
  unbuilt.Draw(a, 0, 0, 10, sprite, 0, 0);  // draws nothing
  EXPECT_EQ(a, b);
}

TEST(ShadowStencil, EqualsThePiecesOfItsRulesDrawnOneByOne) {
  Random r(7);
  const auto& rules = ShadowRules();
  for (int round = 0; round < 200; ++round) {
    const uint16_t set = uint16_t(r(65536));
    PixelBuffer a(70, 80);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 70; ++x) a.setPixel(x, y, r.colour());
    PixelBuffer b = a;
    const int x = r(90) - 30, y = r(100) - 40;
    const PixelRect clip = RandomClip(r);
    DrawShadowStencil(a, MakeShadowStencil(set), x, y, clip);
    for (size_t i = 0; i < rules.size(); ++i)
      if (set >> i & 1)
        for (int k = 0; k < rules[i].count; ++k)
          DrawShadowPiece(b, rules[i].pieces[size_t(k)].piece, x + rules[i].pieces[size_t(k)].ox,
                          y + rules[i].pieces[size_t(k)].oy, clip);
    ASSERT_EQ(a, b) << "round " << round << ", rules " << set;
  }
}

TEST(ClipTransfer, ClipRectangleLimitsTheTargetPixels) {
  PixelBuffer src(10, 10, Rgb(5, 5, 5)), t(10, 10, kBlack);
  BlockTransfer(t, 0, 0, 10, 10, src, 0, 0, RasterOp::Copy, PixelRect{2, 3, 5, 4});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(t.pixel(x, y), x >= 2 && x < 5 && y == 3 ? Rgb(5, 5, 5) : kBlack) << x << "," << y;
  // The source keeps its alignment with the target when the clip cuts the start.
  EXPECT_EQ(ClipTransfer(10, 10, 0, 0, 10, 10, 10, 10, 1, 1, PixelRect{2, 3, 5, 4}),
            (ClippedTransfer{2, 3, 3, 4, 3, 1}));
  EXPECT_FALSE(ClipTransfer(10, 10, 0, 0, 10, 10, 10, 10, 0, 0, PixelRect{5, 5, 5, 9}));
}

}  // namespace
}  // namespace sorimo
