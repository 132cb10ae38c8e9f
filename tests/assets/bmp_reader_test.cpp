// The bitmap reader: every depth and header it knows, both row orders, and the damaged and
// lying files it must refuse without reading past its input.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/bmp_reader.h"
#include "assets/bmp_writer.h"
#include "bmp_builder.h"

namespace sorimo {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;
using testing::PadRows;

BmpLayout Layout(int32_t width, int32_t height, int bits, std::vector<uint32_t> palette = {}) {
  BmpLayout s;
  s.width = width, s.height = height, s.bits = bits, s.palette = std::move(palette);
  return s;
}

PixelBuffer Picture(int w, int h, std::vector<uint32_t> rowsTopDown) {
  PixelBuffer p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.setPixel(x, y, rowsTopDown[size_t(y * w + x)]);
  return p;
}

PixelBuffer Read(const std::vector<uint8_t>& bytes) {
  const PictureOrError r = ReadBmp(bytes);
  EXPECT_TRUE(r.ok()) << r.error;
  return r.picture;
}

std::string ErrorOf(const std::vector<uint8_t>& bytes) {
  const PictureOrError r = ReadBmp(bytes);
  EXPECT_FALSE(r.ok()) << "accepted a " << r.picture.width() << " x " << r.picture.height() << " picture";
  EXPECT_TRUE(r.picture.empty());
  return r.error;
}

TEST(BmpRoundTrip, TwentyFourAndEightBitFilesReadBackExactly) {
  // Widths 1 to 7 exercise every row padding.
  for (int w = 1; w <= 7; ++w) {
    PixelBuffer p(w, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < w; ++x) p.setPixel(x, y, Rgb(x * 37, y * 91, (x * y * 13) & 0xFF));
    EXPECT_EQ(Read(WriteBmp24(p)), p) << w;
    const auto eight = WriteBmp8(p);
    ASSERT_TRUE(eight);
    EXPECT_EQ(Read(*eight), p) << w;
  }
}

TEST(BmpWriter, EightBitsRefusesWhatItCannotStore) {
  PixelBuffer many(17, 17);
  for (int i = 0; i < 17 * 17; ++i) many.setPixel(i % 17, i / 17, uint32_t(i));
  EXPECT_FALSE(WriteBmp8(many));  // 289 colours
  const std::vector<uint8_t> indices{0, 1, 2, 1};
  const std::vector<uint32_t> palette{kBlack, kWhite};
  EXPECT_FALSE(WriteBmp8(2, 2, indices, palette));  // index 2 has no colour
  EXPECT_FALSE(WriteBmp8(3, 2, indices, palette));  // wrong count
  const std::vector<uint8_t> good{0, 1, 1, 0};
  const auto bytes = WriteBmp8(2, 2, good, palette);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(Read(*bytes), Picture(2, 2, {kBlack, kWhite, kWhite, kBlack}));
}

TEST(BmpReader, OneAndFourBitPalettesInBothRowOrders) {
  const uint32_t a = Rgb(10, 20, 30), b = Rgb(200, 100, 50);
  // 10 pixels a row cross a byte boundary; rows stored bottom-up.
  BmpLayout one = Layout(10, 2, 1, {a, b});
  one.pixels = PadRows({{0b10000000, 0b01000000}, {0b01010101, 0b11000000}});
  const PixelBuffer expected1 = Picture(10, 2, {a, b, a, b, a, b, a, b, b, b,  //
                                                b, a, a, a, a, a, a, a, a, b});
  EXPECT_EQ(Read(BuildBmp(one)), expected1);
  one.height = -2;  // the same rows read top-down
  one.pixels = PadRows({{0b01010101, 0b11000000}, {0b10000000, 0b01000000}});
  EXPECT_EQ(Read(BuildBmp(one)), expected1);

  std::vector<uint32_t> sixteen;
  for (int i = 0; i < 16; ++i) sixteen.push_back(Rgb(i * 16, 255 - i * 16, i));
  BmpLayout four = Layout(3, -2, 4, sixteen);
  four.pixels = PadRows({{0x0F, 0x70}, {0x12, 0x30}});
  EXPECT_EQ(Read(BuildBmp(four)), Picture(3, 2, {sixteen[0], sixteen[15], sixteen[7],  //
                                                 sixteen[1], sixteen[2], sixteen[3]}));
}

TEST(BmpReader, SixteenAndThirtyTwoBitsWithAndWithoutMasks) {
  // 16 bits, 5-5-5 by default: full red, full green, full blue, mid grey.
  BmpLayout rgb555 = Layout(4, 1, 16);
  rgb555.pixels = PadRows({{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}});
  EXPECT_EQ(Read(BuildBmp(rgb555)),
            Picture(4, 1, {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(132, 132, 132)}));
  // 5-6-5 through bit fields after a 40-byte header.
  BmpLayout rgb565 = Layout(2, 1, 16);
  rgb565.compression = 3; rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.pixels = PadRows({{0xE0, 0x07, 0x00, 0xF8}});
  EXPECT_EQ(Read(BuildBmp(rgb565)), Picture(2, 1, {Rgb(0, 255, 0), Rgb(255, 0, 0)}));
  // 32 bits BGRX: the fourth byte is ignored.
  BmpLayout bgrx = Layout(2, 1, 32);
  bgrx.pixels = {0x03, 0x02, 0x01, 0xFF, 0x30, 0x20, 0x10, 0x00};
  EXPECT_EQ(Read(BuildBmp(bgrx)), Picture(2, 1, {Rgb(1, 2, 3), Rgb(0x10, 0x20, 0x30)}));
  // 32 bits with masks inside a V5 header, stored R G B A in memory.
  BmpLayout rgba = Layout(1, -1, 32);
  rgba.headerSize = 124; rgba.compression = 3; rgba.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  rgba.pixels = {0x11, 0x22, 0x33, 0x80};
  EXPECT_EQ(Read(BuildBmp(rgba)), Picture(1, 1, {Rgb(0x11, 0x22, 0x33)}));
}

TEST(BmpReader, LaterAndOlderHeaders) {
  const uint32_t a = Rgb(1, 2, 3), b = Rgb(4, 5, 6);
  for (int size : {40, 52, 56, 64, 108, 124}) {
    BmpLayout s = Layout(2, 1, 8, {a, b});
    s.headerSize = size; s.pixels = PadRows({{1, 0}});
    EXPECT_EQ(Read(BuildBmp(s)), Picture(2, 1, {b, a})) << size;
  }
  // The core header: 16-bit sizes and three-byte palette entries.
  BmpLayout core = Layout(3, 1, 8, {a, b});
  core.headerSize = 12; core.pixels = PadRows({{1, 1, 0}});
  EXPECT_EQ(Read(BuildBmp(core)), Picture(3, 1, {b, b, a}));
  BmpLayout core24 = Layout(1, 2, 24);
  core24.headerSize = 12; core24.pixels = PadRows({{3, 2, 1}, {6, 5, 4}});
  EXPECT_EQ(Read(BuildBmp(core24)), Picture(1, 2, {Rgb(4, 5, 6), Rgb(1, 2, 3)}));
  // The short OS/2 header ends before the compression field.
  BmpLayout os2 = Layout(1, 1, 24);
  os2.headerSize = 16; os2.pixels = PadRows({{9, 8, 7}});
  EXPECT_EQ(Read(BuildBmp(os2)), Picture(1, 1, {Rgb(7, 8, 9)}));
}

TEST(BmpReader, RunLengthEncodedEightAndFourBits) {
  std::vector<uint32_t> pal;
  for (int i = 0; i < 16; ++i) pal.push_back(Rgb(i * 10, i * 10, i * 10));
  auto c = [&](int i) { return pal[size_t(i)]; };
  const uint32_t k = kBlack;  // skipped pixels
  // Bottom row: a run of three 1s, three pixels as they are (5, 6, 7; padded to an even
  // length, and the 7 falls past the right edge), end of line.
  // Top row: move right by 2, a run of one 9, end of picture.
  BmpLayout rle8 = Layout(5, 2, 8, pal);
  rle8.compression = 1; rle8.pixels = {3, 1, 0, 3, 5, 6, 7, 0, 0, 0, 0, 2, 2, 0, 1, 9, 0, 1};
  EXPECT_EQ(Read(BuildBmp(rle8)), Picture(5, 2, {k, k, c(9), k, k,  //
                                                 c(1), c(1), c(1), c(5), c(6)}));
  BmpLayout rle4 = Layout(5, 1, 4, pal);
  rle4.compression = 2;
  rle4.pixels = {3, 0x12, 0, 3, 0x34, 0x50, 0, 1};  // 1 2 1, then 3 4 (5) as they are
  EXPECT_EQ(Read(BuildBmp(rle4)), Picture(5, 1, {c(1), c(2), c(1), c(3), c(4)}));
  // Data that ends before the picture is complete is refused.
  rle8.pixels = {3, 1, 0, 0};
  EXPECT_NE(ErrorOf(BuildBmp(rle8)).find("truncated"), std::string::npos);
  // A run naming a colour the palette does not have.
  rle8.palette = {kBlack, kWhite};
  rle8.pixels = {2, 7, 0, 1};
  EXPECT_NE(ErrorOf(BuildBmp(rle8)).find("palette index 7"), std::string::npos);
  // Top-down compressed files do not exist.
  rle4.height = -1;
  ErrorOf(BuildBmp(rle4));
  // A few bytes that claim millions of pixels (lines ended at once, then the end mark) are
  // refused before the picture's memory is taken.
  BmpLayout bomb = Layout(5792, 5792, 8, pal);
  bomb.compression = 1;
  bomb.pixels.assign(62, 0);
  bomb.pixels.insert(bomb.pixels.end(), {0, 1});
  EXPECT_NE(ErrorOf(BuildBmp(bomb)).find("too large for its data"), std::string::npos);
}

TEST(BmpReader, EveryTruncationIsRefused) {
  PixelBuffer p(4, 3);  // 12-byte rows: no padding, so every byte counts
  for (int i = 0; i < 12; ++i) p.setPixel(i % 4, i / 4, Rgb(i, 2 * i, 3 * i));
  const auto files = {WriteBmp24(p), *WriteBmp8(p)};
  for (const auto& file : files) {
    for (size_t n = 0; n < file.size(); ++n) {
      const std::vector<uint8_t> cut(file.begin(), file.begin() + ptrdiff_t(n));
      ASSERT_FALSE(ReadBmp(cut).ok()) << "accepted the first " << n << " of " << file.size() << " bytes";
    }
    EXPECT_TRUE(ReadBmp(file).ok());
  }
  // Only the padding of the very last row may be missing.
  PixelBuffer q(1, 2, Rgb(1, 2, 3));
  auto padded = WriteBmp24(q);
  padded.pop_back();
  EXPECT_EQ(Read(padded), q);
  padded.pop_back();
  padded.pop_back();
  ErrorOf(padded);
}

TEST(BmpReader, LyingAndAbsurdHeadersAreRefused) {
  BmpLayout good = Layout(2, 2, 24);
  good.pixels = PadRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  ASSERT_TRUE(ReadBmp(BuildBmp(good)).ok());
  auto with = [&](auto change) {
    BmpLayout s = good;
    change(s);
    return BuildBmp(s);
  };
  // Sizes: absent, negative, huge; a small file must never cost the memory it claims.
  EXPECT_NE(ErrorOf(with([](BmpLayout& s) { s.width = 0; })).find("width or height"), std::string::npos);
  ErrorOf(with([](BmpLayout& s) { s.height = 0; }));
  ErrorOf(with([](BmpLayout& s) { s.width = -2; }));
  ErrorOf(with([](BmpLayout& s) { s.height = -2147483647 - 1; }));
  EXPECT_NE(ErrorOf(with([](BmpLayout& s) { s.width = 100000; })).find("too large"), std::string::npos);
  EXPECT_NE(ErrorOf(with([](BmpLayout& s) { s.width = 16384, s.height = 16384; })).find("too large"), std::string::npos);
  EXPECT_NE(ErrorOf(with([](BmpLayout& s) { s.width = 8000, s.height = 4000; })).find("truncated"), std::string::npos);
  // Structure: signature, header size, depth, compression, offsets.
  auto noSignature = BuildBmp(good);
  noSignature[0] = 'X';
  EXPECT_NE(ErrorOf(noSignature).find("BM"), std::string::npos);
  ErrorOf(with([](BmpLayout& s) { s.headerSize = 200000; }));
  ErrorOf(with([](BmpLayout& s) { s.headerSize = 13; }));
  EXPECT_NE(ErrorOf(with([](BmpLayout& s) { s.bits = 7; })).find("7 bits"), std::string::npos);
  ErrorOf(with([](BmpLayout& s) { s.bits = 0; }));
  ErrorOf(with([](BmpLayout& s) { s.compression = 4; }));  // JPEG inside
  ErrorOf(with([](BmpLayout& s) { s.compression = 99; }));
  ErrorOf(with([](BmpLayout& s) { s.compression = 1; }));  // RLE8 needs 8 bits
  ErrorOf(with([](BmpLayout& s) { s.compression = 3; }));  // bit fields need 16 or 32 bits
  ErrorOf(with([](BmpLayout& s) { s.dataOffset = 1000000; }));
  ErrorOf(with([](BmpLayout& s) { s.dataOffset = 0xFFFFFFFF; }));
  ErrorOf(with([](BmpLayout& s) { s.dataOffset = 40; }));  // the "pixels" would be the header
  ErrorOf(std::vector<uint8_t>{'B', 'M'});
  ErrorOf(std::vector<uint8_t>{});
}

TEST(BmpReader, PaletteIndicesWithoutAColourAreRefused) {
  BmpLayout s = Layout(4, 1, 8, {kBlack, kWhite});
  s.pixels = PadRows({{0, 1, 1, 5}});
  EXPECT_NE(ErrorOf(BuildBmp(s)).find("palette index 5"), std::string::npos);
  // A colour count larger than the palette stored before the pixels is cut to what is there.
  s.colourCount = 256;
  ErrorOf(BuildBmp(s));
  s.pixels = PadRows({{0, 1, 1, 0}});
  EXPECT_EQ(Read(BuildBmp(s)), Picture(4, 1, {kBlack, kWhite, kWhite, kBlack}));
  // A 1-bit file that claims colours it does not have.
  BmpLayout one = Layout(8, 1, 1, {kWhite});
  one.pixels = PadRows({{0x01}});
  ErrorOf(BuildBmp(one));
  // No palette at all.
  BmpLayout none = Layout(1, 1, 8, {});
  none.colourCount = 0; none.pixels = PadRows({{0}});
  ErrorOf(BuildBmp(none));
}

}  // namespace
}  // namespace sorimo
