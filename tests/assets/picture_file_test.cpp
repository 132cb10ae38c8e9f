// Loading a picture file: the name decides the decoder, and every failure is a text that
// names the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "assets/bmp_writer.h"
#include "assets/picture_file.h"
#include "jpeg_writer.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;

class PictureFileTest : public ::testing::Test {
 protected:
  PictureFileTest() {
    dir_ = fs::temp_directory_path() / ("sorimo_pictures_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  ~PictureFileTest() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    ASSERT_TRUE(out.good()) << name;
  }
  fs::path dir_;
};

TEST_F(PictureFileTest, BitmapsAndJpegsLoadByTheirNames) {
  PixelBuffer p(3, 2, Rgb(10, 200, 30));
  Write("tiles.bmp", WriteBmp24(p));
  const PictureOrError bmp = LoadPictureFile(Path("tiles.bmp"));
  ASSERT_TRUE(bmp.ok()) << bmp.error;
  EXPECT_EQ(bmp.picture, p);

  const auto jpeg = testing::EncodeJpeg(PixelBuffer(16, 16, Rgb(200, 30, 30)), testing::JpegKind::Colour);
  Write("andromeda.jpg", jpeg);
  const PictureOrError j = LoadPictureFile(Path("andromeda.jpg"));
  ASSERT_TRUE(j.ok()) << j.error;
  EXPECT_EQ(j.picture.width(), 16);
  // ".jpg" anywhere in the path counts, in lower case only.
  Write("photo.jpg.bak", jpeg);
  EXPECT_TRUE(LoadPictureFile(Path("photo.jpg.bak")).ok());
  Write("PHOTO.JPG", jpeg);
  const PictureOrError upper = LoadPictureFile(Path("PHOTO.JPG"));
  EXPECT_FALSE(upper.ok());
  EXPECT_NE(upper.error.find("PHOTO.JPG"), std::string::npos);
  EXPECT_NE(upper.error.find("bitmap"), std::string::npos) << upper.error;
  // And a bitmap named like a JPEG goes to the JPEG reader, which refuses it.
  Write("fake.jpg", WriteBmp24(p));
  EXPECT_NE(LoadPictureFile(Path("fake.jpg")).error.find("JPEG"), std::string::npos);
}

TEST_F(PictureFileTest, MissingAndUnreadableFilesGiveClearTexts) {
  const PictureOrError missing = LoadPictureFile(Path("none.bmp"));
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error.find("none.bmp"), std::string::npos);
  EXPECT_NE(missing.error.find("No such file"), std::string::npos) << missing.error;
  fs::create_directories(Path("folder.bmp"));
  const PictureOrError folder = LoadPictureFile(Path("folder.bmp"));
  EXPECT_FALSE(folder.ok());
  EXPECT_NE(folder.error.find("folder.bmp"), std::string::npos);
  Write("empty.bmp", {});
  EXPECT_FALSE(LoadPictureFile(Path("empty.bmp")).ok());
}

}  // namespace
}  // namespace sorimo
