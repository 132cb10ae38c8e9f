// Help files from disk: a clear line for what cannot be shown, and the shipped documents
// read whole, with no markup left in their text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "help/help_file.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;

class HelpFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("sorimo-help-" + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  fs::path dir_;
};

TEST_F(HelpFolder, WhatCannotBeShownIsSaidInOneLineNamingTheFile) {
  const HelpFile missing = ReadHelpFile((dir_ / "sorimo.rtf").string(), "sorimo.rtf");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Cannot open sorimo.rtf: No such file or directory.");
  fs::create_directories(dir_ / "whatsnew.rtf");
  EXPECT_EQ(ReadHelpFile((dir_ / "whatsnew.rtf").string(), "whatsnew.rtf").message,
            "Cannot read whatsnew.rtf: Is a directory.");
  const HelpFile text = ReadHelpFile(Write("plain.rtf", "Just text, no RTF."), "plain.rtf");
  EXPECT_FALSE(text.ok);
  EXPECT_EQ(text.message, "plain.rtf cannot be shown: not an RTF document.");
  const HelpFile huge = ReadHelpFile(Write("huge.rtf", "{\\rtf1 " + std::string(kMaxHelpFileBytes, 'x') + "}"), "huge.rtf");
  EXPECT_FALSE(huge.ok);
  EXPECT_NE(huge.message.find("huge.rtf"), std::string::npos);
  const HelpFile good = ReadHelpFile(Write("good.rtf", "{\\rtf1 Fine.\\par}"), "good.rtf");
  ASSERT_TRUE(good.ok) << good.message;
  EXPECT_EQ(good.document.PlainText(), "Fine.");
}

// What a reader of the shipped documents would notice first: markup shown as text, a missing
// title, a page without any formatting.
void CheckShippedDocument(const std::string& name, size_t minimumParagraphs) {
  SCOPED_TRACE(name);
  const HelpFile help = ReadHelpFile(std::string(SORIMO_SOURCE_DATA) + "/" + name, name);
  ASSERT_TRUE(help.ok) << help.message;
  const RtfDocument& d = help.document;
  EXPECT_GE(d.paragraphs.size(), minimumParagraphs);
  const std::string text = d.PlainText();
  // Markup shown as text: a brace, or a backslash before a letter (a caption such as
  // "Move to top /\\" may hold a backslash of its own).
  EXPECT_EQ(text.find_first_of("{}"), std::string::npos) << "a brace left in the text";
  EXPECT_FALSE(std::regex_search(text, std::regex(R"(\\[A-Za-z'*])"))) << "a control word left in the text";
  EXPECT_FALSE(std::regex_search(text, std::regex("[a-z]+-?[0-9]+ ?;"))) << "a table entry shown as text";
  EXPECT_EQ(text.find("\ufffd"), std::string::npos);
  // The title: centred, bold, larger than the text.
  ASSERT_FALSE(d.paragraphs.empty());
  const RtfParagraph& title = d.paragraphs[0];
  EXPECT_EQ(title.format.alignment, RtfAlignment::Centre);
  ASSERT_FALSE(title.runs.empty());
  EXPECT_TRUE(title.runs[0].format.bold);
  int bodySize = 0, coloured = 0, indented = 0, tabbed = 0, headings = 0;
  for (const RtfParagraph& p : d.paragraphs) {
    if (p.format.leftIndent > 0) ++indented;
    for (const RtfRun& r : p.runs) {
      if (r.format.colour) ++coloured;
      if (r.text.find('\t') != std::string::npos) ++tabbed;
      if (!r.format.bold && r.text.size() > 40) bodySize = r.format.halfPoints;
    }
    if (!p.runs.empty() && p.runs[0].format.bold && p.runs[0].format.halfPoints > 20) ++headings;
  }
  EXPECT_GT(title.runs[0].format.halfPoints, bodySize);
  EXPECT_GT(coloured, 0);
  EXPECT_GT(indented, 0);
  EXPECT_GT(tabbed, 0);
  EXPECT_GE(headings, 3);
}

TEST(ShippedHelp, TheManualAndTheHistoryReadWholeWithTitlesListsAndColour) {
  CheckShippedDocument("sorimo.rtf", 150);
  CheckShippedDocument("whatsnew.rtf", 40);
}

// The history lists the versions newest first, each with its date, down to the first.
TEST(ShippedHelp, TheHistoryHasDatedVersionsNewestFirst) {
  const HelpFile help = ReadHelpFile(std::string(SORIMO_SOURCE_DATA) + "/whatsnew.rtf", "whatsnew.rtf");
  ASSERT_TRUE(help.ok) << help.message;
  const std::regex version(R"(^Version (\d+)\.(\d+) \S+ (\d{4})-(\d{2})-(\d{2})$)");
  std::vector<std::pair<int, std::string>> versions;  // number, date
  for (const RtfParagraph& p : help.document.paragraphs) {
    std::string line;
    for (const RtfRun& r : p.runs) line += r.text;
    std::smatch m;
    if (!std::regex_match(line, m, version)) continue;
    versions.emplace_back(std::stoi(m[1]) * 100 + std::stoi(m[2]), m[3].str() + m[4].str() + m[5].str());
  }
  ASSERT_GE(versions.size(), 6u);
  EXPECT_EQ(versions.front().first, 621) << "the newest is the version the About box names";
  for (size_t i = 1; i < versions.size(); ++i) {
    EXPECT_LT(versions[i].first, versions[i - 1].first);
    EXPECT_LT(versions[i].second, versions[i - 1].second);
  }
}

}  // namespace
}  // namespace sorimo
