#include "layouts/name_compare.h"

#include <string>

namespace sorimo {
namespace {

// Decodes UTF-8; a byte that does not start a valid sequence becomes 0xDC00 + byte, a code
// point that valid UTF-8 never yields, so broken names still compare consistently.
std::u32string Decode(std::string_view s) {
  std::u32string out;
  size_t i = 0;
  while (i < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = 0;
    char32_t cp = 0;
    if (b0 < 0x80) len = 1, cp = b0;
    else if (b0 >= 0xC2 && b0 <= 0xDF) len = 2, cp = b0 & 0x1F;
    else if (b0 >= 0xE0 && b0 <= 0xEF) len = 3, cp = b0 & 0x0F;
    else if (b0 >= 0xF0 && b0 <= 0xF4) len = 4, cp = b0 & 0x07;
    bool valid = len > 0 && i + len <= s.size();
    for (int k = 1; valid && k < len; ++k) {
      const auto b = static_cast<unsigned char>(s[i + k]);
      if ((b & 0xC0) != 0x80) valid = false;
      else cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid either.
    if (valid && ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
                  (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))))
      valid = false;
    if (!valid) {
      out += static_cast<char32_t>(0xDC00 + b0);
      ++i;
    } else {
      out += cp;
      i += len;
    }
  }
  return out;
}

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // Latin-1 capitals, but not the sign ×
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130) return 'i';
    if (c == 0x178) return 0xFF;
    if (c == 0x17F) return 's';
    if (c == 0x131 || c == 0x138 || c == 0x149) return c;
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddUpper) return (c % 2 == 1) ? c + 1 : c;
    return (c % 2 == 0) ? c + 1 : c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
  if (c == 0x3C2) return 0x3C3;                                  // final sigma
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic capitals
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

// Plain letters of Latin Extended-A, U+0100..U+017F, in code point order.
constexpr std::string_view kExtendedABase =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkkllllllllllnnnnnnnnn"
    "oooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kExtendedABase.size() == 0x80);

// Appends the case-folded letter without its accent (one or two letters).
void AppendBase(std::u32string& out, char32_t c) {
  c = FoldCase(c);
  if (c >= 0xE0 && c <= 0xFF) {
    switch (c) {
      case 0xE6: out += U"ae"; return;
      case 0xDF: out += U"ss"; return;
      case 0xFE: out += U"th"; return;
      case 0xF7: out += c; return;  // the sign ÷
      default: break;
    }
    static constexpr std::string_view kLatin1Base = "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    out += static_cast<char32_t>(kLatin1Base[c - 0xE0]);
    return;
  }
  if (c == 0xDF) {
    out += U"ss";
    return;
  }
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x153) {
      out += U"oe";
      return;
    }
    out += static_cast<char32_t>(kExtendedABase[c - 0x100]);
    return;
  }
  out += c;
}

std::u32string FoldedKey(const std::u32string& s) {
  std::u32string out;
  out.reserve(s.size());
  for (char32_t c : s) out += FoldCase(c);
  return out;
}

std::u32string BaseKey(const std::u32string& s) {
  std::u32string out;
  out.reserve(s.size());
  for (char32_t c : s) AppendBase(out, c);
  return out;
}

}  // namespace

LayoutNameKey MakeLayoutNameKey(std::string_view name) {
  const std::u32string decoded = Decode(name);
  return {BaseKey(decoded), FoldedKey(decoded), std::string(name)};
}

int CompareLayoutNames(std::string_view a, std::string_view b) {
  const std::strong_ordering order = MakeLayoutNameKey(a) <=> MakeLayoutNameKey(b);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return FoldedKey(Decode(a)) == FoldedKey(Decode(b));
}

}  // namespace sorimo
