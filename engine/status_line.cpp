#include "engine/status_line.h"

#include <algorithm>

#include "engine/utf8.h"

namespace sorimo {

namespace {

// The number of characters of a UTF-8 text: the slide steps by characters, so a name such
// as "Élan été" never shows half a character.
int CharacterCount(const std::string& s) {
  int n = 0;
  for (const char c : s) n += !IsContinuationByte(c);
  return n;
}

// The text from its position-th character on (1-based).
std::string Tail(const std::string& s, int position) {
  int skip = std::max(position, 1) - 1;
  size_t from = 0;
  while (from < s.size() && skip > 0) {
    ++from;
    while (from < s.size() && IsContinuationByte(s[from])) ++from;
    --skip;
  }
  return s.substr(from);
}

}  // namespace

void StatusLine::ShowStatus(const std::string& text) {
  StatusMessage = text;
  Shown = text;
  StatusLength = CharacterCount(text);
  StatusPosition = StatusLength;
}

// A new message slides in from the right, one character a tick ("Cool Status"), or shows
// whole; the no-more-moves warning swings back and forth until a move exists again.
std::optional<std::string> StatusLine::Slide(bool coolStatus) {
  int p = StatusPosition;
  if (StatusBounce) {
    p += StatusStep;
    if (p < 1 || p >= StatusLength) {
      StatusStep = -StatusStep;
      p += StatusStep;
    }
    StatusPosition = std::max(p, 1);
    return Tail(StatusMessage, StatusPosition);
  }
  if (p < 2) {
    StatusMessage.assign(1, ' ');  // done sliding: the panel keeps the whole message
    return std::nullopt;
  }
  p = std::max(p - 1, 1);
  if (!coolStatus) p = 1;
  StatusPosition = p;
  return Tail(StatusMessage, p);
}

}  // namespace sorimo
