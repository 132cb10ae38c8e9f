#include "layouts/shp_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace sorimo {
namespace {

// A line of the format: three unused characters, X, Y and Z as hexadecimal pairs, a tail.
std::string Line(int x, int y, int z, const char* tail = " 0 whatever") {
  char text[64];
  std::snprintf(text, sizeof text, "000%02X%02X%02X%s", x, y, z, tail);
  return text;
}

// 144 lines: a flat field of 72 columns x 2 rows of positions, every position given once.
std::string Field(int lines = 144, const char* end = "\r\n") {
  std::string text;
  for (int i = 0; i < lines; ++i) text += Line(2 * (i % 16), 2 * (i / 16), 0) + end;
  return text;
}

TEST(ShpReader, HexByteReadsUpperCaseDigitsOnly) {
  EXPECT_EQ(HexByte('0', '0'), 0);
  EXPECT_EQ(HexByte('1', 'A'), 26);
  EXPECT_EQ(HexByte('F', 'F'), 255);
  EXPECT_GT(HexByte('0', 'a'), 15) << "lower case is not a digit here";
}

TEST(ShpReader, EachLinePlacesOneAnchorShiftedIntoTheGrid) {
  std::string text = Line(0, 0, 0) + "\r\n" + Line(26, 3, 4) + "\r\n";
  for (int i = 0; i < 142; ++i) text += Line(2 * (i % 16), 2 * (i / 16), 1) + "\r\n";
  const LayoutReadResult r = ReadShpLayout(text, "Hills.shp", "/games/Layouts/Hills.shp");
  ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  EXPECT_EQ(r.name, "/games/Layouts/Hills.shp") << "an external layout is known by its path";
  EXPECT_EQ(r.cells.at(2, 2, 1), 1) << "X = Y = Z = 0 is column 2, row 2, layer 1";
  EXPECT_EQ(r.cells.at(28, 5, 5), 1) << "\"1A\" is X = 26, column 28";
  EXPECT_EQ(r.cells.count(), 144);
}

TEST(ShpReader, OnlyTheFirst144LinesCountAndATwiceGivenPositionIsOneAnchor) {
  std::string text = Field(144, "\n") + Line(30, 18, 4) + "\n" + Line(30, 16, 4) + "\n";
  LayoutReadResult r = ReadShpLayout(text, "Long.shp", "Long.shp");
  ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  EXPECT_EQ(r.cells.count(), 144);
  EXPECT_EQ(r.cells.at(32, 20, 5), 0);

  // Two lines naming one position: 143 anchors, which no game can pair up.
  text = Field(143) + Line(0, 0, 0) + "\r\n";
  r = ReadShpLayout(text, "Twice.shp", "Twice.shp");
  EXPECT_EQ(r.status, LayoutReadStatus::Refused);
  EXPECT_EQ(r.message, "Twice.shp is not a valid layout file: it has an odd number of tiles (143), which cannot all be paired.");
  // With two lines naming one position and another pair doubled too: 142 anchors, a layout.
  text = Field(142) + Line(0, 0, 0) + "\r\n" + Line(2, 0, 0) + "\r\n";
  r = ReadShpLayout(text, "Twice.shp", "Twice.shp");
  ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  EXPECT_EQ(r.cells.count(), 142);
}

// A line that does not follow the format is never written into the grid: the file is refused
// and the line named.
TEST(ShpReader, LinesOutsideTheFormatAreRefusedWithTheirNumber) {
  struct Case {
    std::string text;
    std::string reason;
  };
  const std::string head = Field(10);
  const Case cases[] = {
      {"", "it has 0 lines instead of 144"},
      {Field(143), "it has 143 lines instead of 144"},
      {head + "00021\r\n" + Field(133), "line 11 is shorter than 9 characters"},
      {head + Line(33, 0, 0) + "\r\n" + Field(133), "line 11 does not hold a position of the board in characters 4 to 9 (\"210000\")"},
      {head + Line(0, 19, 0) + "\r\n" + Field(133), "line 11 does not hold a position of the board in characters 4 to 9 (\"001300\")"},
      {head + Line(0, 0, 5) + "\r\n" + Field(133), "line 11 does not hold a position of the board in characters 4 to 9 (\"000005\")"},
      {head + "0000a0000\r\n" + Field(133), "line 11 does not hold a position of the board in characters 4 to 9 (\"0a0000\")"},
      {head + "000:00000\r\n" + Field(133), "line 11 does not hold a position of the board in characters 4 to 9 (\":00000\")"},
  };
  for (const Case& c : cases) {
    const LayoutReadResult r = ReadShpLayout(c.text, "Bad.shp", "Bad.shp");
    EXPECT_EQ(r.status, LayoutReadStatus::Refused) << c.reason;
    EXPECT_EQ(r.message, "Bad.shp is not a valid layout file: " + c.reason + ".");
  }
}

// The reader follows the extension that ends the name.
TEST(ShpReader, LoadingAFileChoosesTheReaderByTheLastExtension) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "sorimo-shp-test";
  std::filesystem::create_directories(dir);
  const auto write = [&](const char* name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return dir / name;
  };
  LayoutReadResult r = LoadLayoutFile(write("Hills.shp", Field()));
  EXPECT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  EXPECT_EQ(r.name, (dir / "Hills.shp").string());
  r = LoadLayoutFile(write("Hills.shp.lay", Field()));
  EXPECT_EQ(r.status, LayoutReadStatus::NameOnly) << "a native file, whatever its name holds";

  // Only the first 144 lines count, however much follows them; what is read is still capped.
  r = LoadLayoutFile(write("Long.shp", Field() + std::string(kMaxLayoutFileBytes, 'x')));
  EXPECT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  r = LoadLayoutFile(write("Wide.shp", Line(0, 0, 0) + std::string(kMaxLayoutFileBytes, ' ') + "\r\n" + Field()));
  EXPECT_EQ(r.message, "Wide.shp is not a valid layout file: its first 144 lines are far too long.");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace sorimo
