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

// The files the program itself replaces in these tests: the two stores and layouts.
bool OwnFile(const std::string& base) {
  return base == "Sorimo.ini" || base == "Hallfame.ini" ||
         (base.size() > 4 && base.compare(base.size() - 4, 4, ".lay") == 0);
}

TEST(StaleReplacements, OnlyTheLeftoversOfGoneWritersAreRemoved) {
  const std::string gone = std::to_string(GonePid());
  ASSERT_NE(gone, "0");
  const std::string mine = std::to_string(::getpid());
  TempFolder folder;
  // A player's files that merely look like leftovers, and a save still running, stay.
  const std::vector<std::string> kept = {
      "Sorimo.ini", "Hallfame.ini", "Sorimo.ini.sorimo-save-" + mine + "-3", "notes.new-12-x",
      "notes.new--3", ".new-" + gone + "-1", "Arena.lay.new-" + gone + "-",
      "Scores backup.new-" + gone + "-11", "Scores backup.sorimo-save-" + gone + "-1",
      "notes.lay.bak.new-" + gone + "-1", "sorimo.ini.new-" + gone + "-1"};
  for (const std::string& name : kept) WriteFile(folder.File(name), "keep");
  WriteFile(folder.File("Sorimo.ini.sorimo-save-" + gone + "-1"), "half a save");
  WriteFile(folder.File("Hallfame.ini.new-" + gone + "-4"), "an earlier version's half save");
  WriteFile(folder.File("Pyramid.lay.sorimo-save-" + gone + "-27"), "half a layout");
  WriteFile(folder.File("Wall.lay.tmp" + gone + "-0"), "an earlier version's half layout");

  EXPECT_EQ(RemoveStaleReplacements(folder.path().string(), OwnFile), 4);
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ListFolder(folder.path().string(), FolderEntries::All), expected);
  EXPECT_EQ(RemoveStaleReplacements(folder.path().string() + "/missing", OwnFile), 0);
}

// The names the replacement writes are the names the clean-up knows.
TEST(StaleReplacements, KnowsTheNamesOfReplaceFileAtomically) {
  EXPECT_EQ(ParseReplacement("Sorimo.ini.sorimo-save-4242-7").writer, 4242);
  EXPECT_EQ(ParseReplacement("Sorimo.ini.sorimo-save-4242-7").base, "Sorimo.ini");
  EXPECT_EQ(ParseReplacement("Sorimo.ini.new-4242-7").writer, 4242);
  EXPECT_EQ(ParseReplacement("Sorimo.ini").writer, 0);
  EXPECT_EQ(ParseReplacement("a.new-0-1").writer, 0);
  EXPECT_EQ(ParseReplacement("Wall.lay.tmp77-2").base, "Wall.lay");
  EXPECT_EQ(ParseReplacement("notes.tmp77-2").writer, 0) << "only layouts were saved that way";
  EXPECT_EQ(ParseReplacement("a.new-99999999999-1").writer, 0) << "no process id is that long";
  const Replacement made = ParseReplacement(ReplacementName("Hallfame.ini"));
  EXPECT_EQ(made.base, "Hallfame.ini");
  EXPECT_EQ(made.writer, ::getpid());
  TempFolder folder;
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("Sorimo.ini"), "content").ok());
  EXPECT_EQ(RemoveStaleReplacements(folder.path().string(), OwnFile), 0) << "a finished save leaves nothing";
}

}  // namespace
}  // namespace sorimo
