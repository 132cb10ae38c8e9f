// The states of the board when no game is played: before the first game, a finished game,
// the welcome panel after Stop, and a pause. None takes clicks or counts time; the paused
// game's own rules are those of the mode under the pause (ModeBeforePause).
#include "engine/modes/mode_description.h"

namespace sorimo {

std::span<const ModeDescription> DescribeModeBetweenGames() {
  static const ModeDescription d[] = {
      {.mode = ModeIdle, .traits = {.name = "idle", .betweenGames = true, .endsWhenEmpty = true}},
      {.mode = ModeGameOver, .traits = {.name = "game over", .betweenGames = true, .endsWhenEmpty = true}},
      {.mode = ModeStopped, .traits = {.name = "stopped", .betweenGames = true, .endsWhenEmpty = true}},
      {.mode = ModePaused, .traits = {.name = "paused", .underWay = true, .endsWhenEmpty = true}},
  };
  return d;
}

}  // namespace sorimo
