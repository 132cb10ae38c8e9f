// The shipped tilesets hold every region the renderer reads, and the backgrounds decode.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "assets/bmp_reader.h"
#include "assets/picture_file.h"
#include "engine/board.h"
#include "view/pixel_transfer.h"
#include "view/tileset_layout.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;
const fs::path kData = SORIMO_SOURCE_DATA;

PixelBuffer MustRead(const fs::path& p) {
  PictureOrError r = LoadPictureFile(p.string());
  EXPECT_TRUE(r.ok()) << p << ": " << r.error;
  return std::move(r.picture);
}

// The face of tile face f composed as the renderer composes it: body, AND mask, OR picture.
PixelBuffer ComposedFace(const PixelBuffer& tileset, int face) {
  PixelBuffer out(kFaceWidth, kFaceHeight);
  const int c = FaceCellOf(face).c, r = FaceCellOf(face).r;
  BlockTransfer(out, 0, 0, kFaceWidth, kFaceHeight, tileset, 6, 256, RasterOp::Copy);
  BlockTransfer(out, 0, 0, kFaceWidth, kFaceHeight, tileset, 41 * c + 1, 51 * r + 1 + 312, RasterOp::And);
  BlockTransfer(out, 0, 0, kFaceWidth, kFaceHeight, tileset, 41 * c + 1, 51 * r + 1, RasterOp::Or);
  return out;
}

TEST(ShippedTilesets, HoldEveryRegionAndFortyTwoDistinctFaces) {
  for (const char* name : {"pai.bmp", "darkpai.bmp", "bluepai.bmp", "pai256.bmp"}) {
    SCOPED_TRACE(name);
    const PixelBuffer t = MustRead(kData / "Tilesets" / name);
    ASSERT_GE(t.width(), 369);
    ASSERT_GE(t.height(), 567);
    // The mask corner is the tile mask's own bottom-right corner, used alone for notched edges.
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) EXPECT_EQ(t.pixel(178 + x, 306 + y), t.pixel(138 + 40 + x, 256 + 50 + y));
    // Opaque where the tile is, transparent outside: black inside the mask, white in a corner.
    EXPECT_EQ(t.pixel(138 + 23, 256 + 28), kBlack);
    EXPECT_EQ(t.pixel(138, 256), kWhite);
    // The body is black wherever the mask is white, so OR-ing it leaves the board alone there.
    for (int y = 0; y < kSpriteHeight; ++y) {
      for (int x = 0; x < kSpriteWidth; ++x) {
        if (t.pixel(138 + x, 256 + y) == kWhite) {
          ASSERT_EQ(t.pixel(x, 256 + y), kBlack) << x << "," << y;
        }
      }
    }
    // Selected and hint backgrounds differ from the plain face and from each other.
    const PixelBuffer plain = [&] { PixelBuffer b(40, 50); BlockTransfer(b, 0, 0, 40, 50, t, 6, 256, RasterOp::Copy); return b; }();
    PixelBuffer selected(40, 50), hint(40, 50);
    BlockTransfer(selected, 0, 0, 40, 50, t, 52, 256, RasterOp::Copy);
    BlockTransfer(hint, 0, 0, 40, 50, t, 98, 256, RasterOp::Copy);
    EXPECT_NE(plain, selected);
    EXPECT_NE(plain, hint);
    EXPECT_NE(selected, hint);
    // Every face shows an engraving of its own.
    std::set<std::vector<uint32_t>> faces;
    for (int f = 1; f <= kFaceCount; ++f) {
      const PixelBuffer face = ComposedFace(t, f);
      EXPECT_NE(face, plain) << "face " << f << " is blank";
      faces.insert(face.pixels());
    }
    EXPECT_EQ(faces.size(), size_t(kFaceCount));
  }
}

TEST(ShippedTilesets, FewColorsIsAnEightBitBitmap) {
  std::string error;
  const auto bytes = ReadPictureBytes((kData / "Tilesets" / "pai256.bmp").string(), error);
  ASSERT_TRUE(bytes) << error;
  ASSERT_GT(bytes->size(), 30u);
  EXPECT_EQ((*bytes)[28] | ((*bytes)[29] << 8), 8);
}

TEST(ShippedBackgrounds, AllDecodeWithOneLargeAndOneTilingPicture) {
  bool large = false, small = false;
  for (const char* name : {"dragons.bmp", "andromeda.jpg", "kanji.bmp", "catpats.jpg"}) {
    const PixelBuffer p = MustRead(kData / "Backgrounds" / name);
    ASSERT_FALSE(p.empty()) << name;
    if (p.width() >= 704 && p.height() >= 468) large = true;
    if (p.width() < 704 || p.height() < 468) small = true;
  }
  EXPECT_TRUE(large);
  EXPECT_TRUE(small);
}

}  // namespace
}  // namespace sorimo
