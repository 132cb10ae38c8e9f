// The RTF reader on damaged documents: it keeps what it can and never grows without bound.
#include <gtest/gtest.h>

#include <string>

#include "help/rtf_reader.h"

namespace sorimo {
namespace {

RtfDocument Read(const std::string& rtf) {
  RtfReadResult r = ReadRtf(rtf);
  EXPECT_TRUE(r.ok) << r.error;
  return r.document;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(RtfBrokenInput, UnbalancedBracesKeepTheTextReadAndStopAtTheDocumentsEnd) {
  // Cut short: the open groups are closed in the reader's mind, their text kept.
  const RtfDocument open = Read("{\\rtf1 {\\b one\\par two{\\i three");
  EXPECT_EQ(open.PlainText(), "one\ntwothree");
  EXPECT_TRUE(open.paragraphs[1].runs.back().format.italic);
  // What follows the document's closing brace is not part of it.
  EXPECT_EQ(Read("{\\rtf1 a}b}c{d").PlainText(), "a");
  EXPECT_EQ(Read("{\\rtf1 a}}}}").PlainText(), "a");
  // The formatting of the last paragraph without \par is the one in force at the end.
  EXPECT_EQ(Read("{\\rtf1\\qc centred}").paragraphs[0].format.alignment, RtfAlignment::Centre);
}

TEST(RtfBrokenInput, TruncatedControlsAreDroppedNotShown) {
  for (const char* cut : {"{\\rtf1 abc\\", "{\\rtf1 abc\\'", "{\\rtf1 abc\\'4", "{\\rtf1 abc\\fs",
                          "{\\rtf1 abc\\u", "{\\rtf1 abc\\bin", "{\\rtf1 abc\\bin99"}) {
    EXPECT_EQ(Read(cut).PlainText(), "abc") << cut;
  }
  // A bad hex escape shows nothing, and what follows it is read as usual.
  EXPECT_EQ(Read("{\\rtf1 a\\'zzb\\'4g}").PlainText(), "azzbg");
  // "-" without digits after a control word is text.
  EXPECT_EQ(Read("{\\rtf1 \\b-x}").PlainText(), "-x");
}

TEST(RtfBrokenInput, HugeNumbersAreClampedToSaneValues) {
  const RtfDocument d = Read(
      "{\\rtf1{\\colortbl;\\red99999999999999999999\\green-5\\blue256;}"
      "\\fs99999999999999999999999\\cf99999999999 a\\fs-7 b\\fs0 c\\cf1 d"
      "\\li99999999999\\fi-99999999999\\sb-3\\sa999999\\tx-1\\tx99999999999\\uc99999999999\\u99999999999 "
      + Repeat("x", 20) + "\\par}");
  ASSERT_EQ(d.paragraphs.size(), 1u);
  const auto& runs = d.paragraphs[0].runs;
  ASSERT_GE(runs.size(), 3u);
  EXPECT_EQ(runs[0].format.halfPoints, kRtfMaxHalfPoints);
  EXPECT_FALSE(runs[0].format.colour);
  EXPECT_EQ(runs[1].format.halfPoints, kRtfMinHalfPoints);
  EXPECT_EQ(runs[1].text, "bc");
  EXPECT_EQ(runs[2].format.colour, 0xFF00FFu);
  const RtfParagraphFormat& f = d.paragraphs[0].format;
  EXPECT_EQ(f.leftIndent, kRtfMaxTwips);
  EXPECT_EQ(f.firstLineIndent, -kRtfMaxTwips);
  EXPECT_EQ(f.spaceBefore, 0);
  EXPECT_EQ(f.spaceAfter, kRtfMaxTwips);
  EXPECT_EQ(f.tabStops, (std::vector<int>{0, kRtfMaxTwips}));
  // An out-of-range \u shows the replacement character; the fallback count is bounded, so
  // some of the x's after it are text again.
  const std::string text = d.PlainText();
  EXPECT_NE(text.find("\ufffd"), std::string::npos);
  EXPECT_NE(text.find("xxxx"), std::string::npos);
}

TEST(RtfBrokenInput, DeepNestingIsLeftOutAndLeaksNoFormatting) {
  // The document's own group is the first level: text at the deepest level allowed shows.
  const std::string deepest = Repeat("{", kRtfMaxDepth - 1) + "shown" + Repeat("}", kRtfMaxDepth - 1);
  EXPECT_EQ(Read("{\\rtf1 " + deepest + "}").PlainText(), "shown");
  const std::string tooDeep = Repeat("{", kRtfMaxDepth) + "hidden" + Repeat("}", kRtfMaxDepth);
  EXPECT_EQ(Read("{\\rtf1 a" + tooDeep + "b}").PlainText(), "ab");
  // A hundred thousand levels: read quickly, the bold inside never reaches the text after.
  const std::string huge = Repeat("{", 100000) + "\\b x\\par" + Repeat("}", 100000);
  const RtfDocument d = Read("{\\rtf1 " + huge + "after}");
  EXPECT_EQ(d.PlainText(), "after");
  EXPECT_FALSE(d.paragraphs[0].runs[0].format.bold);
  // Never closed at all.
  EXPECT_EQ(Read("{\\rtf1 a" + Repeat("{\\b ", 100000)).PlainText(), "a");
}

TEST(RtfBrokenInput, OutputStaysInProportionToTheInput) {
  // Paragraphs are counted: a flood of them stops at the limit.
  const RtfDocument many = Read("{\\rtf1 " + Repeat("\\\n", kRtfMaxParagraphs + 50) + "tail}");
  EXPECT_EQ(many.paragraphs.size(), size_t(kRtfMaxParagraphs));
  // The colour table and tab stops are bounded however many entries are given.
  const RtfDocument colours =
      Read("{\\rtf1{\\colortbl" + Repeat("\\red1;", 1000) + "}" + Repeat("\\tx1", 1000) + "\\cf999 x\\par}");
  EXPECT_EQ(colours.paragraphs[0].format.tabStops.size(), size_t(kRtfMaxTabStops));
  EXPECT_EQ(colours.paragraphs[0].runs[0].format.colour, std::nullopt) << "beyond the kept entries";
  // The worst text per byte: every byte a three-byte character.
  const std::string high = "{\\rtf1 " + std::string(3000, '\x80') + "}";
  EXPECT_EQ(Read(high).PlainText().size(), 9000u);
}

}  // namespace
}  // namespace sorimo
