// JPEG through libjpeg: colour, grey and progressive files decode; damaged, truncated,
// oversized and CMYK files give an error text instead of a picture (or an exit).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "assets/jpeg_reader.h"
#include "jpeg_writer.h"

namespace sorimo {
namespace {

using testing::EncodeJpeg;
using testing::JpegKind;
using testing::SetJpegSize;

// Blocks of flat colour aligned to the 16 x 16 units of the compressor, which survive
// compression almost unchanged.
PixelBuffer Blocks(int w, int h) {
  PixelBuffer p(w, h);
  const uint32_t colours[] = {Rgb(200, 30, 30), Rgb(30, 200, 30), Rgb(30, 30, 200), Rgb(240, 240, 240),
                              Rgb(20, 20, 20), Rgb(128, 100, 60)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.setPixel(x, y, colours[size_t((x / 16 + 2 * (y / 16)) % 6)]);
  return p;
}

// Compares the insides of the blocks; at their borders the halved colour resolution of the
// compressor blends neighbouring colours.
void ExpectClose(const PixelBuffer& got, const PixelBuffer& want, int tolerance, bool grey) {
  ASSERT_EQ(got.width(), want.width());
  ASSERT_EQ(got.height(), want.height());
  for (int y = 0; y < want.height(); ++y)
    for (int x = 0; x < want.width(); ++x) {
      if (x % 16 < 2 || x % 16 > 13 || y % 16 < 2 || y % 16 > 13) continue;
      const uint32_t g = got.pixel(x, y), w = want.pixel(x, y);
      if (grey) {
        ASSERT_EQ(RedOf(g), GreenOf(g));
        ASSERT_EQ(BlueOf(g), GreenOf(g));
        ASSERT_NEAR(GreenOf(g), GreenOf(w), tolerance) << x << "," << y;
      } else {
        ASSERT_NEAR(RedOf(g), RedOf(w), tolerance) << x << "," << y;
        ASSERT_NEAR(GreenOf(g), GreenOf(w), tolerance) << x << "," << y;
        ASSERT_NEAR(BlueOf(g), BlueOf(w), tolerance) << x << "," << y;
      }
    }
}

TEST(JpegReader, ColourGreyAndProgressiveFilesDecode) {
  const PixelBuffer picture = Blocks(48, 32);
  for (JpegKind kind : {JpegKind::Colour, JpegKind::Grey, JpegKind::Progressive}) {
    const PictureOrError r = ReadJpeg(EncodeJpeg(picture, kind, 100));
    ASSERT_TRUE(r.ok()) << r.error;
    ExpectClose(r.picture, picture, 6, kind == JpegKind::Grey);
  }
  // Sizes that are not whole blocks.
  const PictureOrError odd = ReadJpeg(EncodeJpeg(Blocks(17, 5), JpegKind::Colour));
  ASSERT_TRUE(odd.ok()) << odd.error;
  EXPECT_EQ(odd.picture.width(), 17);
  EXPECT_EQ(odd.picture.height(), 5);
}

TEST(JpegReader, TruncatedFilesAreErrorsNotGreyPictures) {
  for (JpegKind kind : {JpegKind::Colour, JpegKind::Progressive}) {
    const std::vector<uint8_t> file = EncodeJpeg(Blocks(64, 64), kind);
    ASSERT_TRUE(ReadJpeg(file).ok());
    // Every cut, from nothing to all but the last byte of the end-of-image marker.
    for (size_t n = 0; n < file.size(); ++n) {
      const std::vector<uint8_t> cut(file.begin(), file.begin() + ptrdiff_t(n));
      const PictureOrError r = ReadJpeg(cut);
      ASSERT_FALSE(r.ok()) << "accepted the first " << n << " of " << file.size() << " bytes";
      EXPECT_FALSE(r.error.empty());
      EXPECT_TRUE(r.picture.empty());
    }
  }
}

TEST(JpegReader, GarbageAndForeignFilesAreErrors) {
  std::vector<uint8_t> garbage(4000);
  uint32_t seed = 7;
  for (auto& b : garbage) b = uint8_t((seed = seed * 1103515245u + 12345u) >> 24);
  EXPECT_NE(ReadJpeg(garbage).error.find("JPEG"), std::string::npos);
  const std::vector<uint8_t> bmp{'B', 'M', 0, 0, 0, 0};
  EXPECT_FALSE(ReadJpeg(bmp).ok());
  EXPECT_FALSE(ReadJpeg({}).ok());
  // A JPEG start marker and nothing that makes a picture.
  const std::vector<uint8_t> bare{0xFF, 0xD8, 0xFF, 0xD9};
  EXPECT_FALSE(ReadJpeg(bare).ok());
}

TEST(JpegReader, CmykIsRefusedWithAMessage) {
  const PictureOrError r = ReadJpeg(EncodeJpeg(Blocks(16, 16), JpegKind::Cmyk));
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.error.find("CMYK"), std::string::npos) << r.error;
}

TEST(JpegReader, AbsurdSizesAreRefusedBeforeDecoding) {
  std::vector<uint8_t> file = EncodeJpeg(Blocks(16, 16), JpegKind::Colour);
  SetJpegSize(file, 16000, 16000);  // each side fine, the whole too large
  EXPECT_NE(ReadJpeg(file).error.find("too large"), std::string::npos);
  SetJpegSize(file, 30000, 1);  // one side too long
  EXPECT_NE(ReadJpeg(file).error.find("too large"), std::string::npos);
  // Within the limit but far more than the data covers: the missing data is an error.
  SetJpegSize(file, 4000, 4000);
  const PictureOrError r = ReadJpeg(file);
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.picture.empty());
  // The same for a progressive file, whose whole picture is buffered before output.
  std::vector<uint8_t> progressive = EncodeJpeg(Blocks(16, 16), JpegKind::Progressive);
  SetJpegSize(progressive, 5000, 5000);
  EXPECT_FALSE(ReadJpeg(progressive).ok());
}

}  // namespace
}  // namespace sorimo
