// Whole-file reads: every byte of a regular file, nothing of anything else, and never more
// than the cap, whatever the file's size claims.
#include "files/whole_file_read.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::TempFolder;
using test::WriteFile;

TEST(ReadWholeFile, ReadsEveryByteOfARegularFileUpToTheCap) {
  TempFolder folder;
  // Longer than one read chunk, with NULs, CRs and bytes above 127.
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7 % 256);
  const std::string path = folder.File("data.bin");
  WriteFile(path, bytes);

  const WholeFile whole = ReadWholeFile(path, bytes.size());
  ASSERT_TRUE(whole.ok()) << whole.Message("data.bin");
  EXPECT_EQ(whole.bytes, bytes);
  EXPECT_EQ(whole.Message("data.bin"), "");

  // One byte over the cap: refused, and nothing of it handed back.
  const WholeFile over = ReadWholeFile(path, bytes.size() - 1);
  EXPECT_EQ(over.status, FileReadStatus::TooLarge);
  EXPECT_TRUE(over.bytes.empty());
  EXPECT_EQ(over.Message("\"data.bin\""), "Cannot read \"data.bin\": the file is too large");

  const std::string empty = folder.File("empty.bin");
  WriteFile(empty, "");
  const WholeFile none = ReadWholeFile(empty, 0);
  EXPECT_TRUE(none.ok());
  EXPECT_TRUE(none.bytes.empty());

  // A link is followed to the file it names.
  ASSERT_EQ(::symlink(path.c_str(), folder.File("link.bin").c_str()), 0);
  EXPECT_EQ(ReadWholeFile(folder.File("link.bin"), bytes.size()).bytes, bytes);
}

TEST(ReadWholeFile, TheCapHoldsForWhatIsReadNotForTheSizeTheFileClaims) {
  // Files under /proc say they are empty and yet have content, as a file that grows after it
  // was measured does.
  const std::string path = "/proc/self/status";
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || info.st_size != 0) GTEST_SKIP() << "no /proc here";
  const WholeFile whole = ReadWholeFile(path, 1 << 20);
  ASSERT_TRUE(whole.ok()) << whole.Message(path);
  EXPECT_NE(whole.bytes.find("Pid:"), std::string::npos);
  const WholeFile capped = ReadWholeFile(path, 10);
  EXPECT_EQ(capped.status, FileReadStatus::TooLarge);
  EXPECT_TRUE(capped.bytes.empty());
}

TEST(ReadWholeFile, MissingFilesAndBadPathsSayWhy) {
  TempFolder folder;
  const WholeFile missing = ReadWholeFile(folder.File("gone.ini"), 100);
  EXPECT_EQ(missing.status, FileReadStatus::Missing);
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_EQ(missing.Message("gone.ini"), "Cannot open gone.ini: No such file or directory");
  EXPECT_EQ(ReadWholeFile("", 100).status, FileReadStatus::Missing);
  ASSERT_EQ(::symlink(folder.File("nowhere").c_str(), folder.File("broken").c_str()), 0);
  EXPECT_EQ(ReadWholeFile(folder.File("broken"), 100).status, FileReadStatus::Missing);

  // A file used as a folder is not a missing file: something is in the way.
  WriteFile(folder.File("plain"), "x");
  const WholeFile inside = ReadWholeFile(folder.File("plain") + "/inner", 100);
  EXPECT_EQ(inside.status, FileReadStatus::CannotOpen);
  EXPECT_EQ(inside.Message("inner"), "Cannot open inner: Not a directory");
}

TEST(ReadWholeFile, FoldersDevicesAndFifosAreRefusedWithoutWaiting) {
  TempFolder folder;
  // Opening a FIFO for reading waits for a writer, for ever here; should the read do that,
  // the alarm ends the test program rather than hanging the suite.
  ::alarm(20);

  const WholeFile dir = ReadWholeFile(folder.path().string(), 1 << 20);
  EXPECT_EQ(dir.status, FileReadStatus::Folder);
  EXPECT_EQ(dir.Message("Layouts"), "Cannot read Layouts: Is a directory");

  const std::string fifo = folder.File("pipe.lay");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const WholeFile pipe = ReadWholeFile(fifo, 1 << 20);
  EXPECT_EQ(pipe.status, FileReadStatus::NotRegular);
  EXPECT_EQ(pipe.Message("pipe.lay"), "Cannot read pipe.lay: it is not a regular file");
  ASSERT_EQ(::symlink(fifo.c_str(), folder.File("link.lay").c_str()), 0);
  EXPECT_EQ(ReadWholeFile(folder.File("link.lay"), 1 << 20).status, FileReadStatus::NotRegular);

  // /dev/zero would fill the cap, /dev/null would read as an empty file.
  for (const char* device : {"/dev/zero", "/dev/null"}) {
    const WholeFile d = ReadWholeFile(device, 1 << 20);
    EXPECT_EQ(d.status, FileReadStatus::NotRegular) << device;
    EXPECT_TRUE(d.bytes.empty()) << device;
  }
  ::alarm(0);

  // The existence test the menus use agrees with the reader: only regular files count.
  WriteFile(folder.File("pai.bmp"), "BM");
  ASSERT_EQ(::symlink(folder.File("pai.bmp").c_str(), folder.File("to-pai.bmp").c_str()), 0);
  EXPECT_TRUE(IsRegularFile(folder.File("pai.bmp")));
  EXPECT_TRUE(IsRegularFile(folder.File("to-pai.bmp")));
  for (const std::string& notAFile : {folder.path().string(), fifo, folder.File("link.lay"), std::string("/dev/null"),
                                        folder.File("missing.bmp"), std::string()})
    EXPECT_FALSE(IsRegularFile(notAFile)) << notAFile;
}

TEST(ReadWholeFile, AFileWithoutReadPermissionCannotBeOpened) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  TempFolder folder;
  const std::string path = folder.File("secret.ini");
  WriteFile(path, "[Sorimo]\n");
  ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
  const WholeFile locked = ReadWholeFile(path, 100);
  EXPECT_EQ(locked.status, FileReadStatus::CannotOpen);
  EXPECT_EQ(locked.error, EACCES);
  EXPECT_EQ(locked.Message("secret.ini"), "Cannot open secret.ini: Permission denied");
}

}  // namespace
}  // namespace sorimo
