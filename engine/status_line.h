// The status line's message: put whole (ShowStatus), then slid in from the right one character
// a tick ("Cool Status"), or swung back and forth while no move is left.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sorimo {

struct StatusLine {
  std::string StatusMessage;
  std::string Shown;  // the last message put, which the status bar keeps once it slid in
  int32_t StatusLength = 0;    // in characters, not bytes
  int32_t StatusPosition = 0;  // 1-based first character shown
  bool StatusBounce = false;   // the no-more-moves warning swings
  int32_t StatusStep = 1;      // its direction

  // A new message; it slides in from the next tick.
  void ShowStatus(const std::string& text);
  // One tick of the animation: the text the status bar shows from now on, or nothing when
  // it keeps what it shows.
  std::optional<std::string> Slide(bool coolStatus);
};

}  // namespace sorimo
