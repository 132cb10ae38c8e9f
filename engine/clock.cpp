// The 50-millisecond tick: Memory delay, status line, music, the mode's clocks, status
// refresh. Every time is derived from the millisecond counter, never from counting
// ticks, so a late or missed tick loses nothing.
#include <algorithm>
#include <cstdio>

#include "engine/game.h"
#include "engine/utf8.h"

namespace sorimo {

namespace {

constexpr int kTimeLimitSeconds = 6000;  // 100 minutes

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

std::string TimeText(int seconds) {
  seconds = std::clamp(seconds, 0, 99 * 60 + 59);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

void Game::ShowStatus(const std::string& text) {
  StatusMessage = text;
  StatusLength = CharacterCount(text);
  StatusPosition = StatusLength;
}

void Game::Temps() {
  RulesOf(PlayedMode()).RunTimers(*this);  // under a pause too

  AnimateStatus();

  if (options_.PlayMusic && host_.music.MusicEnded()) {
    if (options_.RandomMusic) {
      const int pieces = host_.music.MusicPieceCount();
      if (pieces > 0) host_.music.SelectMusicPiece(Generator.RandomInt(pieces));
    } else {
      host_.music.ReplayMusicPiece();
    }
  }

  Rules().Tick(*this);  // the mode's clocks
  StepSolving();
  WriteScore();
}

void Game::RunGameClock() {
  ElapsedSeconds = static_cast<int32_t>(host_.time.TickCount() - StartTick) / 1000;
  if (ElapsedSeconds + PenaltySeconds >= kTimeLimitSeconds) Stop();  // silently, no score
}

// A new message slides in from the right, one character a tick ("Cool Status"), or shows
// whole; the no-more-moves warning swings back and forth until a move exists again.
void Game::AnimateStatus() {
  int p = StatusPosition;
  const int length = StatusLength;
  if (StatusBounce) {
    p += StatusStep;
    if (p < 1 || p >= length) {
      StatusStep = -StatusStep;
      p += StatusStep;
    }
    p = std::max(p, 1);
    StatusPosition = p;
    host_.feedback.SetStatusLine(Tail(StatusMessage, p));
  } else if (p < 2) {
    StatusMessage.assign(1, ' ');  // done sliding: the panel keeps the whole message
  } else {
    p = std::max(p - 1, 1);
    if (!options_.CoolStatus) p = 1;
    StatusPosition = p;
    host_.feedback.SetStatusLine(Tail(StatusMessage, p));
  }
}

}  // namespace sorimo
