#include "app/store/profile_document.h"

#include <gtest/gtest.h>

#include <string>

namespace sorimo {
namespace {

std::string Apply(const std::string& before, void (*change)(ProfileDocument&)) {
  ProfileDocument doc = ProfileDocument::Parse(before);
  change(doc);
  return doc.Serialize();
}

TEST(ProfileDocument, AnyBytesParseAndWriteBackUnchanged) {
  static const char kBinary[] = "[bin\0ary]\n\x01\x02=\xff\xfe\n\0\0\0";
  const std::string inputs[] = {
      "",
      "\n",
      "\r\n\r\n",
      "[Sorimo]\r\nInvert=1\r\nShowMoves=0",            // no final line ending
      "[Sorimo]\nInvert=1\n",
      "\xEF\xBB\xBF[Sorimo]\nInvert=1\n",              // byte-order mark
      "junk before\n[A]\nno equals here\n;comment=1\n  [B]  trailing\nk = v \r\r\n",
      std::string(kBinary, sizeof kBinary - 1),
      "[",
      "]",
      "[]",
      "=",
      "[A\n]\n\r",
      std::string(5000, 'x') + "\n[" + std::string(3000, '[') + "]\n",
  };
  for (const std::string& bytes : inputs)
    EXPECT_EQ(ProfileDocument::Parse(bytes).Serialize(), bytes) << testing::PrintToString(bytes);
}

TEST(ProfileDocument, FindTrimsValuesAndIgnoresCase) {
  const ProfileDocument doc = ProfileDocument::Parse(
      "Orphan=before any section\r\n"
      "[ Sorimo ]\r\n"
      "  currentplayer1 =   Bob Smith \t\r\n"
      ";Invert=1\r\n"
      "Highlight=4\r\n"
      "HIGHLIGHT=2\r\n"
      "Empty=\r\n"
      "[Other]\n"
      "Only=other\n"
      "[sorimo]\n"
      "Late=second section of the same name\n"
      "Highlight=1\n");
  EXPECT_EQ(doc.Find("SORIMO", "CurrentPlayer1"), "Bob Smith");
  EXPECT_EQ(doc.Find("Sorimo", "highlight"), "4") << "the first key of a name wins";
  EXPECT_EQ(doc.Find("Sorimo", "Late"), "second section of the same name");
  EXPECT_EQ(doc.Find("Sorimo", "Empty"), "");
  EXPECT_FALSE(doc.Find("Sorimo", "Invert")) << "a comment is not a key";
  EXPECT_FALSE(doc.Find("Sorimo", ";Invert"));
  EXPECT_FALSE(doc.Find("Sorimo", "Orphan")) << "keys before any section belong to none";
  EXPECT_FALSE(doc.Find("Sorimo", "Only"));
  EXPECT_FALSE(doc.Find("Missing", "Only"));
  EXPECT_TRUE(doc.HasSection("OTHER"));
}

TEST(ProfileDocument, SetChangesOnlyItsOwnLine) {
  const std::string before =
      "; written by hand\n"
      "[Sorimo]\n"
      "Invert = 7  \n"
      "ShowMoves=1\n"
      "\n"
      "[Other]\n"
      "Keep=me\n";
  EXPECT_EQ(Apply(before, [](ProfileDocument& d) { d.Set("sorimo", "INVERT", "1"); }),
            "; written by hand\n[Sorimo]\nInvert=1\nShowMoves=1\n\n[Other]\nKeep=me\n");
  // A new key goes after the section's last line with content, not after the blank line.
  EXPECT_EQ(Apply(before, [](ProfileDocument& d) { d.Set("Sorimo", "PlayMusic", "0"); }),
            "; written by hand\n[Sorimo]\nInvert = 7  \nShowMoves=1\nPlayMusic=0\n\n"
            "[Other]\nKeep=me\n");
  // A new section comes at the end after a blank line.
  EXPECT_EQ(Apply(before, [](ProfileDocument& d) { d.Set("Rivers", "Rank1", "x"); }),
            before + "\n[Rivers]\nRank1=x\n");
  EXPECT_EQ(Apply("", [](ProfileDocument& d) { d.Set("Sorimo", "Invert", "0"); }),
            "[Sorimo]\nInvert=0\n");
}

TEST(ProfileDocument, NewLinesFollowTheFilesLineEndings) {
  EXPECT_EQ(Apply("[A]\r\nk=1\r\n", [](ProfileDocument& d) {
              d.Set("A", "j", "2");
              d.Set("B", "k", "3");
            }),
            "[A]\r\nk=1\r\nj=2\r\n\r\n[B]\r\nk=3\r\n");
  // A file without a final line ending keeps that shape.
  EXPECT_EQ(Apply("[A]\nk=1", [](ProfileDocument& d) { d.Set("A", "j", "2"); }), "[A]\nk=1\nj=2");
  EXPECT_EQ(Apply("[A]", [](ProfileDocument& d) { d.Set("A", "j", "2"); }), "[A]\nj=2");
  EXPECT_EQ(Apply("[A]\nk=1", [](ProfileDocument& d) { d.Set("B", "j", "2"); }),
            "[A]\nk=1\n\n[B]\nj=2\n");
}

TEST(ProfileDocument, EraseSectionRemovesEverySectionOfThatName) {
  const std::string before = "[Keep]\na=1\n[BigDragon]\nRank1=x\n; note\n[bigdragon]\nRank2=y\n[Tail]\nb=2";
  ProfileDocument doc = ProfileDocument::Parse(before);
  EXPECT_TRUE(doc.EraseSection("BIGDRAGON"));
  EXPECT_EQ(doc.Serialize(), "[Keep]\na=1\n[Tail]\nb=2");
  EXPECT_FALSE(doc.EraseSection("BigDragon"));
  EXPECT_EQ(doc.SectionCount(), 2u);
}

TEST(ProfileDocument, WrittenNamesAndValuesReadBackAndCannotForgeLines) {
  ProfileDocument doc;
  doc.Set("Sorimo", "CurrentPlayer1", "Eve\n[Sorimo]\nEnableHall=0");
  doc.Set("odd]name", "key=with=equals", "v");
  doc.Set("Sorimo", ";hidden", "v2");
  doc.Set("  Spaced  ", "  k  ", "  padded  ");
  const ProfileDocument reread = ProfileDocument::Parse(doc.Serialize());
  EXPECT_EQ(reread.Find("Sorimo", "CurrentPlayer1"), "Eve [Sorimo] EnableHall=0");
  EXPECT_FALSE(reread.Find("Sorimo", "EnableHall"));
  EXPECT_EQ(reread.Find("odd]name", "key=with=equals"), "v");
  EXPECT_EQ(reread.Find("Sorimo", ";hidden"), "v2");
  EXPECT_EQ(reread.Find("Spaced", "k"), "padded");
  EXPECT_EQ(reread.SectionCount(), 3u);
}

}  // namespace
}  // namespace sorimo
