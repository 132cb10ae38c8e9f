// The 50-millisecond tick: Memory delay, status line, music, the mode's clocks, status
// refresh. Every time is derived from the millisecond counter, never from counting
// ticks, so a late or missed tick loses nothing.
#include <algorithm>
#include <cstdio>

#include "engine/game.h"

namespace sorimo {

namespace {

constexpr int kTimeLimitSeconds = 6000;  // 100 minutes

}  // namespace

std::string TimeText(int seconds) {
  seconds = std::clamp(seconds, 0, 99 * 60 + 59);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

int Game::Temps() {
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
  return NextTickIn();
}

// Ticks in between would show nothing new: the status text stands still, no timer counts,
// the solver waits, and the time shown changes only at the clock's next whole second.
int Game::NextTickIn() {
  const bool moving = status.StatusBounce || status.StatusPosition >= 2 || aid.SolvePlay.running ||
                      RulesOf(PlayedMode()).TimersRunning(*this) ||
                      (options_.PlayMusic && host_.music.MusicPlaying()) ||
                      (Traits(GameMode).underWay && TilesLeft() == 0 && !GameOverHandled);
  if (moving) return kTickMs;
  return Rules().NextTickIn(*this, host_.time.TickCount());
}

void Game::RunGameClock() {
  clock.ElapsedSeconds = static_cast<int32_t>(host_.time.TickCount() - clock.StartTick) / 1000;
  if (clock.ElapsedSeconds + clock.PenaltySeconds >= kTimeLimitSeconds) {
    Stop();  // no score
    status.ShowStatus(TimeLimitText);  // the game did not just vanish
  }
}

void Game::AnimateStatus() {
  if (const std::optional<std::string> shown = status.Slide(options_.CoolStatus)) host_.feedback.SetStatusLine(*shown);
}

}  // namespace sorimo
