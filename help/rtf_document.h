// What a help document says once its RTF is read: paragraphs of formatted text runs, nothing
// else. The viewer turns it into its own rich text; tests and the fuzzer read it directly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorimo {

enum class RtfAlignment : uint8_t { Left, Centre, Right, Justified };

// Character formatting; the text of a run shares all of it.
struct RtfCharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;              // font size in half points (RTF's default: 12 points)
  std::optional<uint32_t> colour;   // 0x00RRGGBB from the colour table; none: the view's text colour
  bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
  std::string text;  // UTF-8, never empty; '\t' a tab, '\n' a line break inside the paragraph
  RtfCharFormat format;
  bool operator==(const RtfRun&) const = default;
};

// Paragraph formatting. Distances are in twips (1/1440 inch), as RTF gives them.
struct RtfParagraphFormat {
  RtfAlignment alignment = RtfAlignment::Left;
  int leftIndent = 0;       // \li, never negative
  int firstLineIndent = 0;  // \fi, relative to leftIndent; negative hangs the first line out
  int spaceBefore = 0;      // \sb
  int spaceAfter = 0;       // \sa
  std::vector<int> tabStops;  // \tx, ascending as given; empty: the default stops
  bool operator==(const RtfParagraphFormat&) const = default;
};

struct RtfParagraph {
  RtfParagraphFormat format;
  std::vector<RtfRun> runs;  // empty for an empty line
  bool operator==(const RtfParagraph&) const = default;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
  // The whole text, paragraphs joined by '\n': what a search or a test looks at.
  std::string PlainText() const;
};

}  // namespace sorimo
