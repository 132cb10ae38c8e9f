#include "layouts/layout_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "layouts/layout_writer.h"
#include "picture_helper.h"

namespace sorimo {
namespace {

using testing::TwoBlocks;

std::string ValidFile(const std::string& name = "Pyramid") { return LayoutFileText(TwoBlocks(), name); }

std::string DataLine(int anchors) {
  std::string data(kLayoutDataLength, '0');
  for (int k = 0; k < anchors; ++k) data[k * 2] = '1';  // never two in a row: no overlap needed here
  return data;
}

std::string File(const std::string& header, const std::string& name, const std::string& data) {
  return header + "\r\n" + name + "\r\n" + data + "\r\n";
}

TEST(LayoutReader, WrittenFileReadsBackWithItsCellsAndName) {
  LayoutCells cells = TwoBlocks();
  cells.set(1, 1, 1, 0);
  cells.set(34, 20, 5, 1);  // the very last cell of the data line
  cells.set(6, 4, 1, 0);    // and one fewer on the table, to keep the count even
  const std::string text = LayoutFileText(cells, "Pyramid");
  ASSERT_EQ(text.size(), 3423u);
  EXPECT_EQ(text.substr(0, 21), "Sorimo 3.0\r\nPyramid\r\n");
  EXPECT_EQ(text.find('\n', 21) - 21, 3401u);  // 3400 cells, then CR LF

  const LayoutReadResult r = ReadLayout(text, "Pyramid.lay");
  ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  EXPECT_EQ(r.name, "Pyramid");
  EXPECT_EQ(r.cells, cells);
  EXPECT_EQ(r.cells.at(34, 20, 5), 1);
  EXPECT_EQ(r.cells.at(6, 4, 1), 0);
}

TEST(LayoutReader, AcceptsBareLineFeedsAndAMissingLastLineEnd) {
  const std::string crlf = ValidFile();
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;
  const std::string variants[] = {lf, crlf.substr(0, crlf.size() - 2), lf.substr(0, lf.size() - 1),
                                  crlf.substr(0, crlf.size() - 1), crlf + "anything after the data\r\n"};
  for (const std::string& text : variants) {
    const LayoutReadResult r = ReadLayout(text, "Pyramid.lay");
    EXPECT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
    EXPECT_EQ(r.name, "Pyramid");
    EXPECT_EQ(r.cells, TwoBlocks());
  }
}

TEST(LayoutReader, AnotherHeaderGivesTheNameOnly) {
  for (const std::string header : {"Sorimo 2.0", "sorimo 3.0", "Sorimo 3.0 ", "\xEF\xBB\xBFSorimo 3.0", ""}) {
    const LayoutReadResult r = ReadLayout(File(header, "Hills", "garbage"), "Hills.lay");
    EXPECT_EQ(r.status, LayoutReadStatus::NameOnly) << "header [" << header << "]";
    EXPECT_EQ(r.name, "Hills");
    EXPECT_EQ(r.cells, LayoutCells{});
    EXPECT_NE(r.message.find("Hills.lay"), std::string::npos);
  }
}

TEST(LayoutReader, RefusesBrokenFilesWithTheReason) {
  std::string badChar = DataLine(144);
  badChar[680 + 34 + 2] = 'x';  // layer 2, row 2, column 3
  std::string twoCell = DataLine(144);
  twoCell[1] = '2';
  const struct {
    std::string text, message;
  } cases[] = {
      {"", "Pyramid.lay is not a valid layout file: it is empty."},
      {"Sorimo 3.0\r\n", "Pyramid.lay is not a valid layout file: it has no name line."},
      {"Sorimo 3.0", "Pyramid.lay is not a valid layout file: it has no name line."},
      {"Other\r\n", "Pyramid.lay is not a valid layout file: it has no name line."},
      {"Sorimo 3.0\r\nPyramid\r\n", "Pyramid.lay is not a valid layout file: it has no data line."},
      {File("Sorimo 3.0", "Pyramid", DataLine(144).substr(0, 3120)),
       "Pyramid.lay is not a valid layout file: the data line has 3120 cells instead of 3400."},
      {File("Sorimo 3.0", "Pyramid", ""),
       "Pyramid.lay is not a valid layout file: the data line has 0 cells instead of 3400."},
      {File("Sorimo 3.0", "Pyramid", DataLine(144) + "0"),
       "Pyramid.lay is not a valid layout file: the data line has 3401 cells instead of 3400."},
      {File("Sorimo 3.0", "Pyramid", badChar),
       "Pyramid.lay is not a valid layout file: cell 717 of the data line (layer 2, column 3, row 2) is "
       "neither 0 nor 1."},
      {File("Sorimo 3.0", "Pyramid", twoCell),
       "Pyramid.lay is not a valid layout file: cell 2 of the data line (layer 1, column 2, row 1) is "
       "neither 0 nor 1."},
      {File("Sorimo 3.0", "Pyramid", DataLine(146)),
       "Pyramid.lay is not a valid layout file: it has 146 tiles, more than 144."},
      {File("Sorimo 3.0", "Pyramid", DataLine(143)),
       "Pyramid.lay is not a valid layout file: it has an odd number of tiles (143), which cannot all be "
       "paired."},
      {File("Sorimo 3.0", "Pyramid", DataLine(0)), "Pyramid.lay is not a valid layout file: it has no tiles."},
  };
  for (const auto& c : cases) {
    const LayoutReadResult r = ReadLayout(c.text, "Pyramid.lay");
    EXPECT_EQ(r.status, LayoutReadStatus::Refused) << c.message;
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.cells, LayoutCells{});
  }
  // Fewer than 144 tiles, when even, is a layout a game can deal.
  EXPECT_EQ(ReadLayout(File("Sorimo 3.0", "Small", DataLine(2)), "Small.lay").status, LayoutReadStatus::Loaded);
}

TEST(LayoutReader, EveryCutShortFileIsRefusedUntilTheDataLineIsWhole) {
  const std::string text = ValidFile();  // 3423 bytes; the data line is whole from byte 3421 on
  for (size_t n = 0; n <= text.size(); ++n) {
    const LayoutReadResult r = ReadLayout(std::string_view(text.data(), n), "Pyramid.lay");
    if (n >= 3421)
      EXPECT_EQ(r.status, LayoutReadStatus::Loaded) << n;
    else
      EXPECT_EQ(r.status, LayoutReadStatus::Refused) << n;
  }
}

class LayoutFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("sorimo_layouts_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Put(const std::string& file, const std::string& bytes) {
    std::ofstream(dir_ / file, std::ios::binary) << bytes;
  }
  std::filesystem::path dir_;
};

TEST_F(LayoutFileTest, LoadsAFileAndNamesItInEveryRefusal) {
  Put("Pyramid.lay", ValidFile());
  const LayoutReadResult ok = LoadLayoutFile(dir_ / "Pyramid.lay");
  ASSERT_EQ(ok.status, LayoutReadStatus::Loaded) << ok.message;
  EXPECT_EQ(ok.cells, TwoBlocks());

  const LayoutReadResult missing = LoadLayoutFile(dir_ / "Gone.lay");
  EXPECT_EQ(missing.status, LayoutReadStatus::Refused);
  EXPECT_EQ(missing.message, "Cannot open Gone.lay: No such file or directory.");

  std::filesystem::create_directory(dir_ / "Folder.lay");
  EXPECT_EQ(LoadLayoutFile(dir_ / "Folder.lay").message, "Cannot read Folder.lay: it is a folder.");

  Put("Huge.lay", ValidFile() + std::string(kMaxLayoutFileBytes, '0'));
  EXPECT_EQ(LoadLayoutFile(dir_ / "Huge.lay").message, "Huge.lay is not a valid layout file: it is far too large.");

  Put("Short.lay", ValidFile().substr(0, 3000));
  EXPECT_EQ(LoadLayoutFile(dir_ / "Short.lay").message,
            "Short.lay is not a valid layout file: the data line has 2979 cells instead of 3400.");
}

}  // namespace
}  // namespace sorimo
