#include "help/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "help/windows_1252.h"

namespace sorimo {

std::string RtfDocument::PlainText() const {
  std::string text;
  for (size_t p = 0; p < paragraphs.size(); ++p) {
    if (p > 0) text += '\n';
    for (const RtfRun& r : paragraphs[p].runs) text += r.text;
  }
  return text;
}

namespace {

// Destinations that never hold text of the document, read without a \* before them. (With
// \* every destination is skipped: we know none that needs one.)
constexpr std::string_view kSkippedDestinations[] = {
    "annotation", "atnauthor", "atnid",    "author",      "bkmkend",   "bkmkstart",     "colorschememapping",
    "comment",    "company",   "datastore", "doccomm",    "filetbl",   "fldinst",       "fonttbl",
    "footer",     "footerf",   "footerl",  "footerr",     "footnote",  "generator",     "header",
    "headerf",    "headerl",   "headerr",  "info",        "keywords",  "latentstyles",  "listoverridetable",
    "listtable",  "nonshppict", "objdata", "object",      "operator",  "pgdsctbl",      "pict",
    "pn",         "revtbl",    "rsidtbl",  "shp",         "shpinst",   "stylesheet",    "subject",
    "tc",         "template",  "themedata", "title",      "txe",       "xe",            "xmlnstbl",
};

// Control words that stand for one character.
struct SymbolWord {
  std::string_view word;
  char32_t character;
};
constexpr SymbolWord kSymbolWords[] = {
    {"bullet", 0x2022},    {"emdash", 0x2014},    {"endash", 0x2013}, {"emspace", 0x2003},
    {"enspace", 0x2002},   {"qmspace", 0x2005},   {"lquote", 0x2018}, {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"tab", U'\t'},     {"line", U'\n'},
    {"cell", U'\t'},
};

enum class Destination : uint8_t { Text, Skip, ColourTable };

// What a group keeps and restores.
struct GroupState {
  RtfCharFormat chars;  // its colour is resolved from colourIndex when text is added
  int colourIndex = 0;
  RtfParagraphFormat paragraph;
  int unicodeSkip = 1;  // \uc: fallback characters after each \uN
  Destination destination = Destination::Text;
};

constexpr int kMaxUnicodeSkip = 16;
// More digits than any real parameter has; the value saturates, the digits are still read.
constexpr int64_t kParameterLimit = 1'000'000'000;

int Clamp(int64_t v, int low, int high) { return int(std::clamp<int64_t>(v, low, high)); }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A character the document may show: no control characters but tab and line break.
bool Shown(char32_t c) { return c == U'\t' || c == U'\n' || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)); }

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}

  RtfDocument Read(size_t start) {
    pos_ = start;
    while (pos_ < in_.size() && !full_) {
      const char c = in_[pos_++];
      if (c == '{') {
        OpenGroup();
      } else if (c == '}') {
        if (!CloseGroup()) break;  // the document's own group has ended
      } else if (c == '\\') {
        Control();
      } else if (dropped_ == 0) {
        Character(c);
      }
    }
    if (depth_ > 0 && !full_) EndDocument();  // cut short: keep what was read
    return std::move(document_);
  }

 private:
  // ---- Groups
  void OpenGroup() {
    pendingSkip_ = 0;
    if (dropped_ > 0 || depth_ >= kRtfMaxDepth) {
      ++dropped_;  // too deep: left out, only its braces are counted
      return;
    }
    if (depth_ > 0) saved_.push_back(state_);
    ++depth_;
  }

  // False once the outermost group has closed.
  bool CloseGroup() {
    pendingSkip_ = 0;
    if (dropped_ > 0) {
      --dropped_;
      return true;
    }
    FlushSurrogate();
    if (depth_ == 1) {
      EndDocument();
      depth_ = 0;
      return false;
    }
    --depth_;
    state_ = saved_.back();
    saved_.pop_back();
    return true;
  }

  void EndDocument() {
    FlushSurrogate();
    if (!paragraph_.runs.empty()) EndParagraph();
  }

  // ---- Control words and symbols
  void Control() {
    if (pos_ >= in_.size()) return;  // a lone backslash at the end
    const char c = in_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      Symbol(c);
      return;
    }
    const size_t wordStart = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(wordStart, pos_ - wordStart);
    std::optional<int64_t> parameter;
    const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
    if (negative) ++pos_;
    if (pos_ < in_.size() && IsDigit(in_[pos_])) {
      int64_t v = 0;
      while (pos_ < in_.size() && IsDigit(in_[pos_])) {
        v = std::min(v * 10 + (in_[pos_] - '0'), kParameterLimit);
        ++pos_;
      }
      parameter = negative ? -v : v;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    if (word == "bin") {
      // Binary data: its bytes are never text, whatever they hold.
      const int64_t n = std::max<int64_t>(parameter.value_or(0), 0);
      pos_ += size_t(std::min<int64_t>(n, int64_t(in_.size() - pos_)));
      return;
    }
    if (dropped_ > 0) return;
    if (pendingSkip_ > 0) {
      --pendingSkip_;  // a control word counts as one fallback character
      return;
    }
    Word(word, parameter);
  }

  void Symbol(char c) {
    if (c == '\'') {
      int value = 0, digits = 0;
      while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
        value = value * 16 + HexValue(in_[pos_++]);
        ++digits;
      }
      if (dropped_ > 0 || digits < 2) return;
      if (pendingSkip_ > 0) {
        --pendingSkip_;
        return;
      }
      if (state_.destination == Destination::Text) Text(Windows1252ToUnicode(uint8_t(value)));
      return;
    }
    if (dropped_ > 0) return;
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    switch (c) {
      case '\\':
      case '{':
      case '}':
        if (state_.destination == Destination::Text) Text(char32_t(c));
        break;
      case '~':
        if (state_.destination == Destination::Text) Text(0x00A0);
        break;
      case '_':
        if (state_.destination == Destination::Text) Text(0x2011);
        break;
      case '*':
        state_.destination = Destination::Skip;
        break;
      case '\n':
      case '\r':
        if (state_.destination == Destination::Text) EndParagraph();
        break;
      default:  // \- (optional hyphen), \| and the rest show nothing
        break;
    }
  }

  void Word(std::string_view word, std::optional<int64_t> parameter) {
    if (state_.destination == Destination::Skip) return;
    if (word == "colortbl") {
      state_.destination = Destination::ColourTable;
      colourComponents_ = {};
      colourGiven_ = false;
      return;
    }
    if (std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
        std::end(kSkippedDestinations)) {
      state_.destination = Destination::Skip;
      return;
    }
    if (state_.destination == Destination::ColourTable) {
      const int v = Clamp(parameter.value_or(0), 0, 255);
      if (word == "red") colourComponents_[0] = v;
      else if (word == "green") colourComponents_[1] = v;
      else if (word == "blue") colourComponents_[2] = v;
      else return;
      colourGiven_ = true;
      return;
    }
    // An on/off word: on without a parameter or with any but 0.
    const bool on = !parameter || *parameter != 0;
    RtfCharFormat& chars = state_.chars;
    RtfParagraphFormat& para = state_.paragraph;
    for (const SymbolWord& s : kSymbolWords) {
      if (word == s.word) {
        Text(s.character);
        return;
      }
    }
    if (word == "par" || word == "row") {
      EndParagraph();
    } else if (word == "pard") {
      para = {};
    } else if (word == "plain") {
      chars = {};
      state_.colourIndex = 0;
    } else if (word == "b") {
      chars.bold = on;
    } else if (word == "i") {
      chars.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth") {
      chars.underline = on;
    } else if (word == "ulnone") {
      chars.underline = false;
    } else if (word == "fs") {
      chars.halfPoints = Clamp(parameter.value_or(24), kRtfMinHalfPoints, kRtfMaxHalfPoints);
    } else if (word == "cf") {
      state_.colourIndex = Clamp(parameter.value_or(0), 0, kRtfMaxColours);
    } else if (word == "ql") {
      para.alignment = RtfAlignment::Left;
    } else if (word == "qc") {
      para.alignment = RtfAlignment::Centre;
    } else if (word == "qr") {
      para.alignment = RtfAlignment::Right;
    } else if (word == "qj") {
      para.alignment = RtfAlignment::Justified;
    } else if (word == "li") {
      para.leftIndent = Clamp(parameter.value_or(0), 0, kRtfMaxTwips);
    } else if (word == "fi") {
      para.firstLineIndent = Clamp(parameter.value_or(0), -kRtfMaxTwips, kRtfMaxTwips);
    } else if (word == "sb") {
      para.spaceBefore = Clamp(parameter.value_or(0), 0, kRtfMaxTwips);
    } else if (word == "sa") {
      para.spaceAfter = Clamp(parameter.value_or(0), 0, kRtfMaxTwips);
    } else if (word == "tx") {
      if (int(para.tabStops.size()) < kRtfMaxTabStops)
        para.tabStops.push_back(Clamp(parameter.value_or(0), 0, kRtfMaxTwips));
    } else if (word == "uc") {
      state_.unicodeSkip = Clamp(parameter.value_or(1), 0, kMaxUnicodeSkip);
    } else if (word == "u") {
      if (!parameter) return;
      // RTF writes characters above 32767 as negative 16-bit numbers.
      int64_t v = *parameter;
      if (v < 0) v += 65536;
      Unicode(v >= 0 && v <= 0xFFFF ? char32_t(v) : char32_t(0xFFFD));
      pendingSkip_ = state_.unicodeSkip;
    }
    // Anything else (fonts, page layout, revision marks, ...) changes nothing we show.
  }

  // ---- Text
  void Character(char c) {
    if (state_.destination == Destination::ColourTable) {
      if (c == ';') EndColour();
      return;
    }
    if (state_.destination != Destination::Text) return;
    if (c == '\r' || c == '\n') return;  // line breaks of the file are not text
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    Text(Windows1252ToUnicode(uint8_t(c)));
  }

  void EndColour() {
    if (int(colours_.size()) < kRtfMaxColours) {
      if (colourGiven_)
        colours_.push_back((uint32_t(colourComponents_[0]) << 16) | (uint32_t(colourComponents_[1]) << 8) |
                           uint32_t(colourComponents_[2]));
      else
        colours_.push_back(std::nullopt);  // the "automatic" entry
    }
    colourComponents_ = {};
    colourGiven_ = false;
  }

  void Unicode(char32_t c) {
    if (state_.destination != Destination::Text) return;
    if (c >= 0xDC00 && c <= 0xDFFF && pendingHigh_ != 0) {
      const char32_t whole = 0x10000 + ((pendingHigh_ - 0xD800) << 10) + (c - 0xDC00);
      pendingHigh_ = 0;
      Append(whole);
      return;
    }
    FlushSurrogate();
    if (c >= 0xD800 && c <= 0xDBFF) {
      pendingHigh_ = c;  // waits for its low half
      return;
    }
    Append(c);
  }

  void Text(char32_t c) {
    if (state_.destination != Destination::Text) return;
    FlushSurrogate();
    Append(c);
  }

  // A high surrogate without its low half.
  void FlushSurrogate() {
    if (pendingHigh_ == 0) return;
    pendingHigh_ = 0;
    Append(0xFFFD);
  }

  void Append(char32_t c) {
    if (c == 0 || !Shown(c)) return;
    RtfCharFormat format = state_.chars;
    const int k = state_.colourIndex;
    if (k < int(colours_.size())) format.colour = colours_[size_t(k)];
    if (paragraph_.runs.empty() || paragraph_.runs.back().format != format) paragraph_.runs.push_back({{}, format});
    AppendUtf8(paragraph_.runs.back().text, c);
  }

  void EndParagraph() {
    if (full_) return;
    FlushSurrogate();
    paragraph_.format = state_.paragraph;
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = {};
    full_ = document_.paragraphs.size() >= size_t(kRtfMaxParagraphs);
  }

  std::string_view in_;
  size_t pos_ = 0;
  int depth_ = 0;    // groups open and read
  int dropped_ = 0;  // groups open beyond kRtfMaxDepth, left out
  GroupState state_;
  std::vector<GroupState> saved_;  // the states of the enclosing groups, at most kRtfMaxDepth
  int pendingSkip_ = 0;            // fallback characters of the last \uN still to skip
  char32_t pendingHigh_ = 0;       // a high surrogate waiting for its low half
  std::vector<std::optional<uint32_t>> colours_;
  std::array<int, 3> colourComponents_{};
  bool colourGiven_ = false;
  RtfParagraph paragraph_;
  RtfDocument document_;
  bool full_ = false;  // kRtfMaxParagraphs read: the rest is left out
};

}  // namespace

RtfReadResult ReadRtf(std::string_view bytes) {
  RtfReadResult result;
  size_t start = 0;
  while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' || bytes[start] == '\r' ||
                                  bytes[start] == '\n'))
    ++start;
  if (bytes.substr(start, 5) != "{\\rtf") {
    result.error = "not an RTF document";
    return result;
  }
  result.ok = true;
  result.document = Reader(bytes).Read(start);
  return result;
}

}  // namespace sorimo
