#include "app/store/section_key_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

TEST(SectionKeyStore, MissingFileReadsDefaultsAndTheFirstWriteCreatesIt) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Sorimo.ini"));
  EXPECT_EQ(store.ReadText("Sorimo", "CurrentPlayer1", "Player1"), "Player1");
  EXPECT_EQ(store.ReadInteger("Sorimo", "BoardNumber", -1), -1);
  EXPECT_TRUE(store.ReadBool("Sorimo", "Shadows", true));
  // Erasing what is not there changes nothing and creates no empty file.
  EXPECT_TRUE(store.EraseSection("BigDragon").ok());
  EXPECT_TRUE(folder.Names().empty());

  EXPECT_TRUE(store.WriteBool("Sorimo", "Invert", true).ok());
  EXPECT_TRUE(store.WriteInteger("Sorimo", "BoardNumber", -1).ok());
  EXPECT_TRUE(store.WriteText("Sorimo", "CurrentPlayer1", "  Ann  ").ok());
  EXPECT_EQ(ReadFile(store.path()), "[Sorimo]\nInvert=1\nBoardNumber=-1\nCurrentPlayer1=  Ann  \n");
  EXPECT_EQ(store.ReadText("sorimo", "currentplayer1", "x"), "Ann");
}

TEST(SectionKeyStore, WritesKeepOtherSectionsKeysAndComments) {
  TempFolder folder;
  const std::string path = folder.File("Hallfame.ini");
  WriteFile(path,
            "; my scores, do not lose\r\n"
            "[BigDragon]\r\n"
            "Rank1=Ann       250    0\r\n"
            "[Rivers]\r\n"
            "Rank1=Bob       400   10\r\n");
  const SectionKeyStore store(path);
  EXPECT_TRUE(store.WriteText("RIVERS", "rank1", "Cy        380    5").ok());
  EXPECT_TRUE(store.WriteBool("Rivers", "Flag", true).ok());
  EXPECT_TRUE(store.WriteInteger("Memory", "Rank1", 7).ok());
  EXPECT_EQ(ReadFile(path),
            "; my scores, do not lose\r\n"
            "[BigDragon]\r\n"
            "Rank1=Ann       250    0\r\n"
            "[Rivers]\r\n"
            "Rank1=Cy        380    5\r\n"
            "Flag=1\r\n"
            "\r\n"
            "[Memory]\r\n"
            "Rank1=7\r\n");

  EXPECT_TRUE(store.EraseSection("bigdragon").ok());
  EXPECT_EQ(store.ReadText("BigDragon", "Rank1", "gone"), "gone");
  EXPECT_EQ(store.ReadText("Rivers", "Rank1", ""), "Cy        380    5");
  EXPECT_EQ(ReadFile(path).rfind("; my scores, do not lose\r\n[Rivers]\r\n", 0), 0u);
}

TEST(SectionKeyStore, BooleanSevenReadsTrueAndIsWrittenBackAsOne) {
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  WriteFile(path, "[Sorimo]\nInvert=7\n");
  const SectionKeyStore store(path);
  const bool invert = store.ReadBool("Sorimo", "Invert", false);
  EXPECT_TRUE(invert);
  EXPECT_TRUE(store.WriteBool("Sorimo", "Invert", invert).ok());
  EXPECT_EQ(ReadFile(path), "[Sorimo]\nInvert=1\n");
}

TEST(SectionKeyStore, ReplacementLeavesNoTemporaryFileAndKeepsPermissions) {
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  WriteFile(path, "[Sorimo]\n");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  const SectionKeyStore store(path);
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(store.WriteInteger("Sorimo", "Key" + std::to_string(i), i).ok());
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Sorimo.ini"});
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(store.ReadInteger("Sorimo", "Key19", -1), 19);
}

TEST(SectionKeyStore, FailedWritesReportThePathAndLeaveTheFileAlone) {
  TempFolder folder;
  // No such folder.
  const std::string nowhere = folder.File("missing") + "/Sorimo.ini";
  const WriteResult noFolder = SectionKeyStore(nowhere).WriteBool("Sorimo", "Invert", true);
  EXPECT_FALSE(noFolder.ok());
  EXPECT_EQ(noFolder.message(), "Unable to write to " + nowhere);

  // A folder where the file should be: unreadable, so reads see defaults and a write, which
  // could not keep its content, refuses.
  const std::string folderPath = folder.File("Hallfame.ini");
  std::filesystem::create_directory(folderPath);
  WriteFile(folderPath + "/inside", "x");
  const SectionKeyStore blocked(folderPath);
  EXPECT_EQ(blocked.ReadInteger("Rivers", "Rank1", 5), 5);
  const WriteResult erase = blocked.EraseSection("Rivers");
  EXPECT_EQ(erase.message(), "Unable to write to " + folderPath);
  EXPECT_EQ(ReadFile(folderPath + "/inside"), "x");

  // A file too large to be one of ours is neither read nor replaced.
  const std::string huge = folder.File("huge.ini");
  WriteFile(huge, "[Sorimo]\nInvert=1\n" + std::string(kMaxStoreFileBytes, ';'));
  EXPECT_FALSE(SectionKeyStore(huge).ReadBool("Sorimo", "Invert", false));
  EXPECT_FALSE(SectionKeyStore(huge).WriteBool("Sorimo", "Invert", false).ok());
  EXPECT_EQ(std::filesystem::file_size(huge), kMaxStoreFileBytes + 18);
}

// A file that is there but not one of ours (UTF-16, a picture, random bytes) is named as
// unusable and never has text appended to it; files it can read, odd as they may be, are not.
TEST(SectionKeyStore, UnreadableContentIsNamedAndNeverAppendedTo) {
  TempFolder folder;
  const std::string utf16("\xFF\xFE[\0S\0o\0r\0i\0m\0o\0]\0\n\0", 20);
  const std::string garbage = "\x89PNG\r\n\x1a\x05\x7f\xc3 random bytes = without a section";
  for (const std::string& bytes : {utf16, garbage}) {
    const std::string path = folder.File("Sorimo.ini");
    WriteFile(path, bytes);
    const SectionKeyStore store(path);
    EXPECT_NE(store.Problem().find(path), std::string::npos);
    EXPECT_FALSE(store.WriteBool("Sorimo", "Invert", true).ok());
    EXPECT_EQ(ReadFile(path), bytes);
  }
  std::filesystem::create_directory(folder.File("Hallfame.ini"));
  EXPECT_EQ(SectionKeyStore(folder.File("Hallfame.ini")).Problem(),
            "Cannot read " + folder.File("Hallfame.ini") + ": Is a directory");

  EXPECT_EQ(SectionKeyStore(folder.File("missing.ini")).Problem(), "");
  for (const std::string bytes : {"", "; only a comment\n\n", "[Sorimo]\nCurrentPlayer1=Ren\xe9\n", "x=1\n[a]"}) {
    WriteFile(folder.File("ok.ini"), bytes);
    EXPECT_EQ(SectionKeyStore(folder.File("ok.ini")).Problem(), "") << bytes;
  }
}

TEST(SectionKeyStore, AWriteThatFailsHalfwayKeepsTheOldFileWhole) {
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  const std::string old = "[Sorimo]\nCurrentPlayer1=Ann\n";
  WriteFile(path, old);
  const SectionKeyStore store(path);

  // A file size limit makes the new file's writing fail after its first bytes, as a full disk
  // would; it binds root too.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = 40;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  const WriteResult result = store.WriteText("Sorimo", "CurrentPlayer1", std::string(500, 'B'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(result.message(), "Unable to write to " + path);
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Sorimo.ini"});
}

TEST(SectionKeyStore, ReadOnlyFolderRefusesTheWrite) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  WriteFile(path, "[Sorimo]\nInvert=0\n");
  ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
  const WriteResult result = SectionKeyStore(path).WriteBool("Sorimo", "Invert", true);
  EXPECT_EQ(result.message(), "Unable to write to " + path);
  EXPECT_EQ(ReadFile(path), "[Sorimo]\nInvert=0\n");
}

// The batch form must leave exactly the file that the same operations made one by one leave.
TEST(SectionKeyStore, BatchWritesEqualWritesMadeOneByOne) {
  const std::string start =
      "; comment\r\n[Sorimo]\r\nInvert=7\r\n\r\n[BigDragon]\r\nRank1=x\r\n[Rivers]\r\nRank1=y";
  struct Op {
    enum Kind { Text, Int, Bool, Erase } kind;
    const char* section;
    const char* key;
    const char* text;
    int32_t number;
  };
  const std::vector<Op> ops = {
      {Op::Bool, "SORIMO", "invert", nullptr, 1},
      {Op::Text, "Sorimo", "CurrentPlayer1", "  Zed ", 0},
      {Op::Erase, "bigdragon", nullptr, nullptr, 0},
      {Op::Int, "Rivers", "Rank2", nullptr, -42},
      {Op::Text, "BigDragon", "Rank1", "back again", 0},
      {Op::Text, "Memory", "Rank1", "new section", 0},
      {Op::Erase, "NotThere", nullptr, nullptr, 0},
      {Op::Text, "Rivers", "Rank1", "y", 0},
  };
  TempFolder folder;
  const SectionKeyStore oneByOne(folder.File("a.ini"));
  const SectionKeyStore batched(folder.File("b.ini"));
  WriteFile(oneByOne.path(), start);
  WriteFile(batched.path(), start);

  StoreEdit edit = batched.Edit();
  for (const Op& op : ops) {
    switch (op.kind) {
      case Op::Text:
        ASSERT_TRUE(oneByOne.WriteText(op.section, op.key, op.text).ok());
        edit.WriteText(op.section, op.key, op.text);
        break;
      case Op::Int:
        ASSERT_TRUE(oneByOne.WriteInteger(op.section, op.key, op.number).ok());
        edit.WriteInteger(op.section, op.key, op.number);
        break;
      case Op::Bool:
        ASSERT_TRUE(oneByOne.WriteBool(op.section, op.key, op.number != 0).ok());
        edit.WriteBool(op.section, op.key, op.number != 0);
        break;
      case Op::Erase:
        ASSERT_TRUE(oneByOne.EraseSection(op.section).ok());
        edit.EraseSection(op.section);
        break;
    }
  }
  EXPECT_EQ(ReadFile(batched.path()), start) << "nothing reaches the disk before Commit";
  ASSERT_TRUE(edit.Commit().ok());
  EXPECT_EQ(ReadFile(batched.path()), ReadFile(oneByOne.path()));
  EXPECT_EQ(batched.ReadText("BigDragon", "Rank1", ""), "back again");
}

}  // namespace
}  // namespace sorimo
