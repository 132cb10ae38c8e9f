// The 50-millisecond tick: Memory delay, status line, music, two-player panel, game clock,
// status refresh. Every time is derived from the millisecond counter, never from counting
// ticks, so a late or missed tick loses nothing.
#include <algorithm>
#include <cstdio>

#include "engine/game.h"

namespace sorimo {

namespace {

constexpr int kTimeLimitSeconds = 6000;  // 100 minutes

std::string Tail(const std::string& s, int position) {
  const size_t from = static_cast<size_t>(std::max(position, 1) - 1);
  return from < s.size() ? s.substr(from) : std::string();
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
  StatusLength = static_cast<int32_t>(text.size());
  StatusPosition = StatusLength;
}

void Game::Temps() {
  if (RevealCountdown > 0 && --RevealCountdown == 0) ResolveReveal();

  AnimateStatus();

  if (options_.PlayMusic && host_.MusicEnded()) {
    if (options_.RandomMusic) {
      const int pieces = host_.MusicPieceCount();
      if (pieces > 0) host_.SelectMusicPiece(Generator.RandomInt(pieces));
    } else {
      host_.ReplayMusicPiece();
    }
  }

  if (GameMode == ModeTwoPlayer) DrawTwoPlayerPanel();

  if (GameMode >= ModeClassic && GameMode <= ModeMemory) {
    ElapsedSeconds = static_cast<int32_t>(host_.TickCount() - StartTick) / 1000;
    if (ElapsedSeconds + PenaltySeconds >= kTimeLimitSeconds) Stop();  // silently, no score
  } else if (GameMode == ModeClicks) {
    ElapsedSeconds = TilesLeft;
  }

  WriteScore();
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
    host_.SetStatusLine(Tail(StatusMessage, p));
  } else if (p < 2) {
    StatusMessage.assign(1, ' ');  // done sliding: the panel keeps the whole message
  } else {
    p = std::max(p - 1, 1);
    if (!options_.CoolStatus) p = 1;
    StatusPosition = p;
    host_.SetStatusLine(Tail(StatusMessage, p));
  }
}

void Game::DrawTwoPlayerPanel() {
  const uint32_t now = host_.TickCount();
  // The label of the player to move blinks once a second; the other one is steady.
  const bool blinkOn = now % 1000 > 500;
  const bool showOne = PlayerTwoToMove || blinkOn;
  const bool showTwo = !PlayerTwoToMove || blinkOn;
  const int32_t one =
      PlayerTwoToMove ? PlayerOneTime : PlayerOneTime + static_cast<int32_t>(now - PlayerOneTurnStart);
  const int32_t two =
      PlayerTwoToMove ? PlayerTwoTime + static_cast<int32_t>(now - PlayerTwoTurnStart) : PlayerTwoTime;
  host_.DrawTwoPlayerPanel(showOne, showTwo, TimeText(one / 1000), TimeText(two / 1000));
}

void Game::PassTurn() {
  const uint32_t now = host_.TickCount();
  if (PlayerTwoToMove) {
    PlayerTwoToMove = false;
    PlayerTwoTime += static_cast<int32_t>(now - PlayerTwoTurnStart);
    PlayerOneTurnStart = now;
  } else {
    PlayerTwoToMove = true;
    PlayerOneTime += static_cast<int32_t>(now - PlayerOneTurnStart);
    PlayerTwoTurnStart = now;
  }
}

}  // namespace sorimo
