// Folder listings: every name once, in a fixed order, folders left out when asked, and an
// empty list for anything that cannot be listed.
#include "files/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::TempFolder;
using test::WriteFile;
using Names = std::vector<std::string>;

TEST(ListFolder, ListsSortedNamesAndLeavesFoldersOutOnRequest) {
  TempFolder folder;
  WriteFile(folder.File("b.lay"), "");
  WriteFile(folder.File("Arena.lay"), "");
  WriteFile(folder.File(".hidden"), "");
  std::filesystem::create_directory(folder.path() / "sub.lay");
  WriteFile(folder.File("sub.lay/deeper.lay"), "");
  ASSERT_EQ(::symlink(folder.File("sub.lay").c_str(), folder.File("to-sub").c_str()), 0);
  ASSERT_EQ(::symlink(folder.File("b.lay").c_str(), folder.File("to-b.lay").c_str()), 0);
  ASSERT_EQ(::symlink(folder.File("nowhere").c_str(), folder.File("broken.lay").c_str()), 0);
  ASSERT_EQ(::mkfifo(folder.File("pipe.lay").c_str(), 0600), 0);

  EXPECT_EQ(ListFolder(folder.path().string(), FolderEntries::All),
            (Names{".hidden", "Arena.lay", "b.lay", "broken.lay", "pipe.lay", "sub.lay", "to-b.lay", "to-sub"}));
  // Links are judged by what they lead to; what is not a folder stays for its reader to judge.
  const Names notFolders{".hidden", "Arena.lay", "b.lay", "broken.lay", "pipe.lay", "to-b.lay"};
  EXPECT_EQ(ListFolder(folder.path().string(), FolderEntries::NotFolders), notFolders);
  EXPECT_EQ(ListFolder(folder.path().string() + "/", FolderEntries::NotFolders), notFolders);
}

TEST(ListFolder, WhatCannotBeListedGivesAnEmptyList) {
  TempFolder folder;
  EXPECT_TRUE(ListFolder(folder.path().string(), FolderEntries::All).empty());
  EXPECT_TRUE(ListFolder(folder.File("Layouts") + "/", FolderEntries::NotFolders).empty());
  WriteFile(folder.File("plain"), "x");
  EXPECT_TRUE(ListFolder(folder.File("plain"), FolderEntries::All).empty());
  EXPECT_TRUE(ListFolder("", FolderEntries::All).empty());
  if (::geteuid() != 0) {  // root lists folders without read permission
    std::filesystem::create_directory(folder.path() / "locked");
    WriteFile(folder.File("locked/a.lay"), "");
    ASSERT_EQ(::chmod(folder.File("locked").c_str(), 0), 0);
    EXPECT_TRUE(ListFolder(folder.File("locked"), FolderEntries::All).empty());
    ::chmod(folder.File("locked").c_str(), 0700);  // so the folder can be cleared away
  }
}

}  // namespace
}  // namespace sorimo
