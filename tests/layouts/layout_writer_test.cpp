#include "layouts/layout_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "layouts/layout_reader.h"
#include "picture_helper.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;
using testing::TwoBlocks;

class LayoutWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("sorimo_writer_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  int FilesInDir() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }
  fs::path dir_;
};

TEST_F(LayoutWriterTest, WritesThreeCrLfLinesThatReadBack) {
  const fs::path file = dir_ / "Pyramid.lay";
  ASSERT_EQ(WriteLayoutFile(file, TwoBlocks(), "Pyramid"), "");
  const std::string bytes = Read(file);
  EXPECT_EQ(bytes.size(), 3423u);
  EXPECT_EQ(bytes, LayoutFileText(TwoBlocks(), "Pyramid"));
  int crlf = 0, lf = 0;
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n') ++lf, crlf += i > 0 && bytes[i - 1] == '\r';
  EXPECT_EQ(lf, 3);
  EXPECT_EQ(crlf, 3);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  const LayoutReadResult back = LoadLayoutFile(file);
  ASSERT_EQ(back.status, LayoutReadStatus::Loaded) << back.message;
  EXPECT_EQ(back.cells, TwoBlocks());
  EXPECT_EQ(back.name, "Pyramid");
  EXPECT_EQ(FilesInDir(), 1) << "no temporary file may be left behind";
}

TEST_F(LayoutWriterTest, ReplacesAnExistingLayoutWhole) {
  const fs::path file = dir_ / "Arena.lay";
  std::ofstream(file, std::ios::binary) << std::string(5000, 'x');
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  LayoutCells cells = TwoBlocks();
  cells.set(6, 4, 2, 0);
  cells.set(8, 4, 2, 0);
  ASSERT_EQ(WriteLayoutFile(file, cells, ""), "");
  EXPECT_EQ(Read(file), LayoutFileText(cells, ""));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(LayoutWriterTest, NameLineBreaksAndOddCellValuesCannotBreakTheFormat) {
  LayoutCells cells = TwoBlocks();
  cells.set(6, 4, 1, 2);  // a stray value still means "a tile here"
  const std::string text = LayoutFileText(cells, "Two\r\nLines\n");
  EXPECT_EQ(text.substr(0, 25), "Sorimo 3.0\r\nTwo  Lines \r\n");
  EXPECT_EQ(text[25 + (4 - 1) * 34 + (6 - 1)], '1');
  const LayoutReadResult back = ReadLayout(text, "x.lay");
  ASSERT_EQ(back.status, LayoutReadStatus::Loaded) << back.message;
  EXPECT_EQ(back.name, "Two  Lines ");
  EXPECT_EQ(back.cells, TwoBlocks());
}

TEST_F(LayoutWriterTest, FailuresAreReportedAndLeaveTheOldFileAsItWas) {
  EXPECT_EQ(WriteLayoutFile(dir_ / "missing" / "Arena.lay", TwoBlocks(), "Arena"),
            "Cannot write Arena.lay in " + (dir_ / "missing").string() + "/: No such file or directory.");
  fs::create_directory(dir_ / "Folder.lay");
  EXPECT_EQ(WriteLayoutFile(dir_ / "Folder.lay", TwoBlocks(), "Folder"),
            "Cannot write Folder.lay in " + dir_.string() + "/: Is a directory.");
  EXPECT_TRUE(fs::is_directory(dir_ / "Folder.lay"));

  // A disk that fills up halfway through: a file size limit makes the write fail (as root too).
  const fs::path file = dir_ / "Arena.lay";
  const std::string old = LayoutFileText(TwoBlocks(), "Old Arena");
  std::ofstream(file, std::ios::binary) << old;
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string error = WriteLayoutFile(file, LayoutCells{}, "New Arena");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_EQ(error, "Cannot write Arena.lay in " + dir_.string() + "/: File too large.");
  EXPECT_EQ(Read(file), old);
  EXPECT_EQ(FilesInDir(), 2);  // Arena.lay and Folder.lay: the half-written copy is gone
}

}  // namespace
}  // namespace sorimo
