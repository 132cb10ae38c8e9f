// Reading the RTF of the help documents: the part of RTF a word processor writes for plain
// formatted text. Groups keep and restore the formatting; the font and colour tables, text
// (with \'hh in Windows-1252 and \uN with its \uc fallback), \par, \line, \tab, bold, italic,
// underline, font size, colour, alignment, indents, paragraph spacing and tab stops are read.
// Destinations marked \* and those known to hold no text (\fonttbl, \stylesheet, \info,
// \pict, headers, footers, footnotes, field instructions, ...) are skipped whole, and unknown
// control words are ignored, so none of them is ever shown as text.
//
// Any bytes give a result: unbalanced braces, truncated control words, huge numbers and deep
// nesting are read as far as they make sense. Nesting is limited (groups deeper than
// kRtfMaxDepth are left out), numbers are clamped to the ranges below, the paragraphs are
// counted, and the text read is at most three bytes of UTF-8 per byte of input.
#pragma once

#include <string>
#include <string_view>

#include "help/rtf_document.h"

namespace sorimo {

inline constexpr int kRtfMaxDepth = 32;
inline constexpr int kRtfMaxColours = 256;
inline constexpr int kRtfMaxTabStops = 32;
inline constexpr int kRtfMinHalfPoints = 2, kRtfMaxHalfPoints = 288;  // 1 to 144 points
inline constexpr int kRtfMaxTwips = 14400;                           // ten inches
inline constexpr int kRtfMaxParagraphs = 65536;                      // what follows is left out

struct RtfReadResult {
  bool ok = false;
  std::string error;  // when not ok: why nothing could be read
  RtfDocument document;
};

// Refused only when the bytes do not begin with "{\rtf" (after blanks and line breaks); a
// document cut short keeps what came before the cut.
RtfReadResult ReadRtf(std::string_view bytes);

}  // namespace sorimo
