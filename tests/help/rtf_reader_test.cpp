// The RTF reader on the constructs our help documents are written with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/rtf_reader.h"

namespace sorimo {
namespace {

RtfDocument Read(std::string_view rtf) {
  RtfReadResult r = ReadRtf(rtf);
  EXPECT_TRUE(r.ok) << r.error;
  return r.document;
}

// The runs of the only paragraph, as "text" with the formatting that differs from plain.
std::vector<std::string> Runs(const RtfDocument& d, size_t paragraph = 0) {
  std::vector<std::string> out;
  if (paragraph >= d.paragraphs.size()) return out;
  for (const RtfRun& r : d.paragraphs[paragraph].runs) {
    std::string s = r.text;
    if (r.format.bold) s += " b";
    if (r.format.italic) s += " i";
    if (r.format.underline) s += " u";
    if (r.format.halfPoints != 24) s += " fs" + std::to_string(r.format.halfPoints);
    if (r.format.colour) s += " #" + std::to_string(*r.format.colour);
    out.push_back(s);
  }
  return out;
}

using Strings = std::vector<std::string>;

TEST(RtfReader, RefusesWhatIsNotRtfAndAllowsBlanksBeforeIt) {
  for (const char* bad : {"", "Hello", "{\\rt", "{ \\rtf1 x}", "\\rtf1 x", "x{\\rtf1 y}"}) {
    const RtfReadResult r = ReadRtf(bad);
    EXPECT_FALSE(r.ok) << bad;
    EXPECT_EQ(r.error, "not an RTF document");
    EXPECT_TRUE(r.document.paragraphs.empty());
  }
  EXPECT_EQ(Read(" \r\n\t{\\rtf1 x}").PlainText(), "x");
}

TEST(RtfReader, ParagraphsEndAtParAndTheFilesLineBreaksAreNotText) {
  const RtfDocument d = Read("{\\rtf1\\ansi Hel\r\nlo\\par\r\n\\par World\\\nthree\\par}");
  ASSERT_EQ(d.paragraphs.size(), 4u);
  EXPECT_EQ(d.PlainText(), "Hello\n\nWorld\nthree");
  EXPECT_TRUE(d.paragraphs[1].runs.empty()) << "an empty line is a paragraph of its own";
  // Text after the last \par is a paragraph; nothing after the last \par is none.
  EXPECT_EQ(Read("{\\rtf1 a\\par b}").paragraphs.size(), 2u);
  EXPECT_EQ(Read("{\\rtf1 a\\par }").paragraphs.size(), 1u);
  // The space that ends a control word is not text; a second one is.
  EXPECT_EQ(Read("{\\rtf1 \\b  x}").PlainText(), " x");
}

TEST(RtfReader, GroupsKeepAndRestoreCharacterFormatting) {
  EXPECT_EQ(Runs(Read("{\\rtf1 a{\\b b{\\i c}d}e\\b f\\b0 g}")),
            (Strings{"a", "b b", "c b i", "d b", "e", "f b", "g"}));
  EXPECT_EQ(Runs(Read("{\\rtf1 \\ul a\\ulnone b\\ul c\\ul0 d\\uldb e}")), (Strings{"a u", "b", "c u", "d", "e u"}));
  EXPECT_EQ(Runs(Read("{\\rtf1 \\fs40 big{\\fs16 small}big\\plain plain}")),
            (Strings{"big fs40", "small fs16", "big fs40", "plain"}));
  EXPECT_EQ(Runs(Read("{\\rtf1 \\b\\i\\fs30 x\\plain y}")), (Strings{"x b i fs30", "y"}));
  // Text of one format stays one run across control words that change nothing.
  EXPECT_EQ(Runs(Read("{\\rtf1 \\b one \\f1 two \\b three}")), (Strings{"one two three b"}));
}

TEST(RtfReader, ColoursComeFromTheTableAndTheTableIsNotText) {
  const RtfDocument d = Read(
      "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
      "\\cf1 red{\\cf2 blue}red\\cf0 auto\\cf7 beyond\\cf2 blue}");
  EXPECT_EQ(Runs(d), (Strings{"red #" + std::to_string(0xFF0000), "blue #" + std::to_string(0x0080FF),
                              "red #" + std::to_string(0xFF0000), "autobeyond", "blue #" + std::to_string(0x0080FF)}));
  // A table without the leading "automatic" entry counts from its first colour.
  EXPECT_EQ(Runs(Read("{\\rtf1{\\colortbl\\red1\\green2\\blue3;}\\cf0 x}")), (Strings{"x #66051"}));
}

TEST(RtfReader, ParagraphFormattingIsTheOneInForceAtTheParagraphsEnd) {
  const RtfDocument d = Read(
      "{\\rtf1\\qc Title\\par"
      "\\pard\\li720\\fi-360\\sb120\\sa60\\tx720\\tx2880 \\bullet\\tab item\\par"
      "{\\pard\\qr right\\par}"
      "still indented\\par"
      "\\pard\\qj\\ql left\\par}");
  ASSERT_EQ(d.paragraphs.size(), 5u);
  EXPECT_EQ(d.paragraphs[0].format.alignment, RtfAlignment::Centre);
  const RtfParagraphFormat& item = d.paragraphs[1].format;
  EXPECT_EQ(item.alignment, RtfAlignment::Left) << "\\pard resets the alignment";
  EXPECT_EQ(item.leftIndent, 720);
  EXPECT_EQ(item.firstLineIndent, -360);
  EXPECT_EQ(item.spaceBefore, 120);
  EXPECT_EQ(item.spaceAfter, 60);
  EXPECT_EQ(item.tabStops, (std::vector<int>{720, 2880}));
  EXPECT_EQ(d.paragraphs[1].runs[0].text, "\u2022\titem");
  EXPECT_EQ(d.paragraphs[2].format.alignment, RtfAlignment::Right);
  EXPECT_EQ(d.paragraphs[2].format.leftIndent, 0);
  EXPECT_EQ(d.paragraphs[3].format, item) << "the group gave the paragraph formatting back";
  EXPECT_EQ(d.paragraphs[4].format, RtfParagraphFormat{});
}

TEST(RtfReader, EscapesCodePageAndUnicodeBecomeUtf8) {
  EXPECT_EQ(Read("{\\rtf1 a\\\\b\\{c\\}d}").PlainText(), "a\\b{c}d");
  // \'hh and raw 8-bit bytes are Windows-1252; its undefined bytes show nothing.
  EXPECT_EQ(Read("{\\rtf1 caf\\'e9 \\'80\\'85\\'81\\'9f \xe9\x93}").PlainText(),
            "caf\u00e9 \u20ac\u2026\u0178 \u00e9\u201c");
  EXPECT_EQ(Read("{\\rtf1 \\'E9\\'e9}").PlainText(), "\u00e9\u00e9");
  // \uN skips the \uc fallback characters after it; a control word or \'hh counts as one.
  EXPECT_EQ(Read("{\\rtf1 \\u8364?x}").PlainText(), "\u20acx");
  EXPECT_EQ(Read("{\\rtf1 \\uc2\\u8364 EUx}").PlainText(), "\u20acx");
  EXPECT_EQ(Read("{\\rtf1 \\uc0\\u8364 x}").PlainText(), "\u20acx");
  EXPECT_EQ(Read("{\\rtf1 \\uc1\\u233\\'e9x\\u233\\b y}").PlainText(), "\u00e9x\u00e9y");
  // A group's end ends the fallback too, and restores the count.
  EXPECT_EQ(Read("{\\rtf1 {\\uc3\\u233}abc\\u233 de}").PlainText(), "\u00e9abc\u00e9e");
  // Negative numbers are the characters above 32767; a surrogate pair makes one character.
  EXPECT_EQ(Read("{\\rtf1 \\u-3913?\\u-10179?\\u-8704?}").PlainText(), "\uf0b7\U0001F600");
  EXPECT_EQ(Read("{\\rtf1 \\u-10179?x\\u-8704?y}").PlainText(), "\ufffdx\ufffdy");
  // Symbols and breaks.
  EXPECT_EQ(Read("{\\rtf1 a\\tab b\\line c\\~d\\-e\\_f\\emdash\\endash\\ldblquote\\rdblquote\\lquote\\rquote}").PlainText(),
            "a\tb\nc\u00a0de\u2011f\u2014\u2013\u201c\u201d\u2018\u2019");
  // Control characters are never text, whichever way they come.
  EXPECT_EQ(Read("{\\rtf1 a\x01\\'07\\u7?\\u127 \\'7f\\u0?b}").PlainText(), "ab");
}

TEST(RtfReader, TablesAndDestinationsWithoutTextAreSkippedWhole) {
  const RtfDocument d = Read(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}"
      "{\\stylesheet{\\s1 heading 1;}}{\\info{\\title The title}{\\author Me}}"
      "{\\*\\generator Writer 1.0;}{\\*\\unknowndest hidden {nested} text}"
      "{\\header page header}{\\pict\\pngblip 89504e47}"
      "\\viewkind4\\uc1\\pard\\f0 Visible \\foo123 text "
      "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}} end\\par}");
  EXPECT_EQ(d.PlainText(), "Visible text link end");
  // Binary data is skipped by its length, braces and backslashes in it included.
  EXPECT_EQ(Read("{\\rtf1 a{\\*\\blob\\bin6 }{\\x\\}}b}").PlainText(), "ab");
  EXPECT_EQ(Read("{\\rtf1 a\\bin3 }{\\b}").PlainText(), "ab");
  // A group's \* skips only that group.
  EXPECT_EQ(Read("{\\rtf1 a{\\*\\x b\\par}c\\par}").PlainText(), "ac");
}

}  // namespace
}  // namespace sorimo
