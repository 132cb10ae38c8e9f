// The leftovers of killed saves go at start; nothing else does, and a save still running in
// another copy of the program keeps its file.
#include "files/stale_replacements.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "files/atomic_replace.h"
#include "files/folder_listing.h"
#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::TempFolder;
using test::WriteFile;

// A process id that no process has now.
long GonePid() {
  for (long pid = 4000000; pid > 1000; --pid)
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return pid;
  return 0;
}

TEST(StaleReplacements, OnlyTheLeftoversOfGoneWritersAreRemoved) {
  const long gone = GonePid();
  ASSERT_NE(gone, 0);
  const std::string mine = std::to_string(::getpid());
  TempFolder folder;
  const std::vector<std::string> kept = {"Sorimo.ini", "Hallfame.ini", "Sorimo.ini.new-" + mine + "-3",
                                         "notes.new-12-x", "notes.new--3", ".new-" + std::to_string(gone) + "-1",
                                         "Arena.lay.new-" + std::to_string(gone) + "-"};
  for (const std::string& name : kept) WriteFile(folder.File(name), "keep");
  WriteFile(folder.File("Sorimo.ini.new-" + std::to_string(gone) + "-1"), "half a save");
  WriteFile(folder.File("Pyramid.lay.new-" + std::to_string(gone) + "-27"), "half a layout");
  WriteFile(folder.File("Wall.lay.tmp" + std::to_string(gone) + "-0"), "an earlier version's half layout");

  EXPECT_EQ(RemoveStaleReplacements(folder.path().string()), 3);
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ListFolder(folder.path().string(), FolderEntries::All), expected);
  EXPECT_EQ(RemoveStaleReplacements(folder.path().string() + "/missing"), 0);
}

// The names the replacement writes are the names the clean-up knows.
TEST(StaleReplacements, KnowsTheNamesOfReplaceFileAtomically) {
  EXPECT_EQ(ReplacementWriter("Sorimo.ini.new-4242-7"), 4242);
  EXPECT_EQ(ReplacementWriter("Sorimo.ini"), 0);
  EXPECT_EQ(ReplacementWriter("a.new-0-1"), 0);
  EXPECT_EQ(ReplacementWriter("Wall.lay.tmp77-2"), 77);
  EXPECT_EQ(ReplacementWriter("notes.tmp77-2"), 0) << "only layouts were saved that way";
  EXPECT_EQ(ReplacementWriter("a.new-99999999999-1"), 0) << "no process id is that long";
  TempFolder folder;
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("x.ini"), "content").ok());
  EXPECT_EQ(RemoveStaleReplacements(folder.path().string()), 0) << "a finished save leaves nothing";
}

}  // namespace
}  // namespace sorimo
