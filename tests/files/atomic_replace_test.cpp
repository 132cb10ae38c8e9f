// Atomic replacement: the file holds the old bytes or the new ones, never a mixture, and a
// failed write leaves nothing of itself behind.
#include "files/atomic_replace.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

TEST(ReplaceFileAtomically, CreatesOrReplacesTheWholeFileAndKeepsItsPermissions) {
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  ASSERT_TRUE(ReplaceFileAtomically(path, "[Sorimo]\nInvert=1\nShadows=0\n").ok());
  EXPECT_EQ(ReadFile(path), "[Sorimo]\nInvert=1\nShadows=0\n");
  EXPECT_EQ(ModeOf(path), 0666 & ~CurrentUmask());

  // Shorter bytes leave no tail of the old file; the old file's bits stay as they were.
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(ReplaceFileAtomically(path, "[Sorimo]\n").ok());
  EXPECT_EQ(ReadFile(path), "[Sorimo]\n");
  EXPECT_EQ(ModeOf(path), 0640u);

  ASSERT_TRUE(ReplaceFileAtomically(path, std::string("a\0b", 3)).ok());
  EXPECT_EQ(ReadFile(path), std::string("a\0b", 3));
  ASSERT_TRUE(ReplaceFileAtomically(path, "").ok());
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Sorimo.ini"});
}

// A file kept elsewhere through a link (a synced folder) goes on being written there: the
// link stays a link, and the new content is made beside its target, not beside the link.
TEST(ReplaceFileAtomically, ALinkedFileIsReplacedWhereItsLinksEnd) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "synced");
  const std::string target = folder.File("synced/Hallfame.ini");
  WriteFile(target, "old");
  std::filesystem::create_symlink("synced/Hallfame.ini", folder.path() / "Hallfame.ini");
  std::filesystem::create_symlink(folder.File("Hallfame.ini"), folder.path() / "Sorimo.ini");
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("Sorimo.ini"), "new").ok()) << "a chain of two";
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "Hallfame.ini"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "Sorimo.ini"));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Hallfame.ini", "Sorimo.ini", "synced"}));
  // A link whose target does not exist yet makes it; a loop of links is refused.
  std::filesystem::create_symlink("synced/new.lay", folder.path() / "new.lay");
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("new.lay"), "made").ok());
  EXPECT_EQ(ReadFile(folder.File("synced/new.lay")), "made");
  std::filesystem::create_symlink("loop", folder.path() / "loop");
  EXPECT_EQ(ReplaceFileAtomically(folder.File("loop"), "x").error, ELOOP);
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "loop"));
}

TEST(ReplaceFileAtomically, FailuresLeaveWhatWasThereAndNoTemporaryFile) {
  TempFolder folder;
  EXPECT_EQ(ReplaceFileAtomically(folder.File("missing") + "/Sorimo.ini", "x").error, ENOENT);

  // A folder in the way is refused before anything is written beside it.
  const std::string blocking = folder.File("Hallfame.ini");
  std::filesystem::create_directory(blocking);
  WriteFile(blocking + "/inside", "kept");
  EXPECT_EQ(ReplaceFileAtomically(blocking, "x").error, EISDIR);
  EXPECT_EQ(ReadFile(blocking + "/inside"), "kept");

  // A disk that fills up part way through: a file size limit fails the write after its first
  // bytes, and binds root too.
  const std::string path = folder.File("Arena.lay");
  const std::string old = "the old layout\r\n";
  WriteFile(path, old);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  const FileWriteResult full = ReplaceFileAtomically(path, std::string(5000, '1'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(full.error, EFBIG);
  EXPECT_EQ(ReadFile(path), old);

  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Arena.lay", "Hallfame.ini"}));
}

TEST(ReplaceFileAtomically, AReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  WriteFile(path, "[Sorimo]\nInvert=0\n");
  ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
  EXPECT_EQ(ReplaceFileAtomically(path, "[Sorimo]\nInvert=1\n").error, EACCES);
  EXPECT_EQ(ReadFile(path), "[Sorimo]\nInvert=0\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Sorimo.ini"});
}

// A file the player made read-only stays as it is, even for root, who could rename over it.
TEST(ReplaceFileAtomically, AReadOnlyFileIsNotReplaced) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path, "[Traditional]\nRank1=Mei  300    0\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(ReplaceFileAtomically(path, "[Traditional]\n").error, EACCES);
  EXPECT_EQ(ReadFile(path), "[Traditional]\nRank1=Mei  300    0\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Hallfame.ini"});
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  EXPECT_TRUE(ReplaceFileAtomically(path, "[Traditional]\n").ok());
}

// Writers on several threads each use a temporary file of their own, and a reader opening the
// file at any moment finds one whole version: version v is v + 1 copies of one letter.
TEST(ReplaceFileAtomically, ConcurrentWritersNeverShowAReaderAPartialFile) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  const auto whole = [](const std::string& bytes) {
    return !bytes.empty() && bytes.find_first_not_of(bytes[0]) == std::string::npos &&
           bytes.size() == static_cast<size_t>(bytes[0] - 'a' + 1) * 101;
  };
  WriteFile(path, std::string(101, 'a'));

  std::atomic<bool> writing{true};
  std::atomic<int> failures{0};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (writing)
      if (!whole(ReadFile(path))) ++torn;
  });
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t)
    writers.emplace_back([&, t] {
      for (int i = 0; i < 15; ++i) {
        const int version = (t * 15 + i) % 26;
        if (!ReplaceFileAtomically(path, std::string(static_cast<size_t>(version + 1) * 101, char('a' + version))).ok())
          ++failures;
      }
    });
  for (auto& w : writers) w.join();
  writing = false;
  reader.join();

  EXPECT_EQ(failures, 0);
  EXPECT_EQ(torn, 0);
  EXPECT_TRUE(whole(ReadFile(path)));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Hallfame.ini"});
}

}  // namespace
}  // namespace sorimo
