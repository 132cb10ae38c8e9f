// Feeds arbitrary bytes to the help documents' RTF reader. Besides not crashing, it must keep
// the promises of help/rtf_reader.h; a broken promise aborts.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "help/rtf_reader.h"

namespace {

using namespace sorimo;

void Require(bool promise) {
  if (!promise) std::abort();
}

// Well-formed UTF-8 (shortest forms, no surrogates, at most U+10FFFF), and no control
// characters but tab and line break.
bool CleanUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    char32_t c = 0;
    size_t n = 0;
    if (b < 0x80) {
      c = b;
      n = 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
      c = b & 0x1F;
      n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      c = b & 0x0F;
      n = 3;
    } else if (b >= 0xF0 && b <= 0xF4) {
      c = b & 0x07;
      n = 4;
    } else {
      return false;
    }
    if (i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = (c << 6) | (t & 0x3F);
    }
    if ((n == 3 && c < 0x800) || (n == 4 && c < 0x10000) || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
      return false;
    if (c < 0x20 && c != U'\t' && c != U'\n') return false;
    if (c == 0x7F || (c >= 0x80 && c < 0xA0)) return false;
    i += n;
  }
  return true;
}

void CheckDocument(std::string_view bytes, const RtfDocument& d) {
  Require(d.paragraphs.size() <= size_t(kRtfMaxParagraphs));
  Require(d.paragraphs.size() <= bytes.size() / 2 + 1);
  size_t text = 0;
  for (const RtfParagraph& p : d.paragraphs) {
    const RtfParagraphFormat& f = p.format;
    Require(f.leftIndent >= 0 && f.leftIndent <= kRtfMaxTwips);
    Require(f.firstLineIndent >= -kRtfMaxTwips && f.firstLineIndent <= kRtfMaxTwips);
    Require(f.spaceBefore >= 0 && f.spaceBefore <= kRtfMaxTwips);
    Require(f.spaceAfter >= 0 && f.spaceAfter <= kRtfMaxTwips);
    Require(f.tabStops.size() <= size_t(kRtfMaxTabStops));
    for (int t : f.tabStops) Require(t >= 0 && t <= kRtfMaxTwips);
    for (size_t r = 0; r < p.runs.size(); ++r) {
      const RtfRun& run = p.runs[r];
      Require(!run.text.empty());
      Require(CleanUtf8(run.text));
      Require(run.format.halfPoints >= kRtfMinHalfPoints && run.format.halfPoints <= kRtfMaxHalfPoints);
      Require(!run.format.colour || *run.format.colour <= 0xFFFFFF);
      // Neighbouring runs differ, or they would be one.
      if (r > 0) Require(!(p.runs[r - 1].format == run.format));
      text += run.text.size();
    }
  }
  Require(text <= 3 * bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const RtfReadResult r = ReadRtf(bytes);
  if (!r.ok) {
    Require(r.error == "not an RTF document" && r.document.paragraphs.empty());
  } else {
    CheckDocument(bytes, r.document);
  }
  // The same bytes as a document of their own: most inputs are not RTF, and the reader should
  // still see what they hold.
  std::string wrapped = "{\\rtf1 ";
  wrapped.append(bytes);
  const RtfReadResult w = ReadRtf(wrapped);
  Require(w.ok);
  CheckDocument(wrapped, w.document);
  return 0;
}
