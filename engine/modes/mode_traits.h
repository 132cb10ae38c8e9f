// What a mode allows and forbids, as flags in its description (mode_description.h). The
// shared routines read these traits instead of comparing mode numbers.
#pragma once

#include <cstdint>

#include "engine/board.h"

namespace sorimo {

struct ModeTraits {
  const char* name = "";
  bool underWay = false;       // a game is running or paused: it can be paused, deals animate over it
  bool takesClicks = false;    // clicks on the board go to the mode (the games and the editor)
  bool showsBoard = false;     // the board is on screen (the games and the editor)
  bool betweenGames = false;   // nothing is under way: idle, game over, welcome panel
  bool clockRuns = false;      // the game clock counts from the millisecond counter
  bool showsTime = false;      // the status bar shows the time
  bool countsMoves = false;    // the free tiles and the moves left are counted on every tick
  bool warnsNoMoves = false;   // "no more moves" slides in when none is left
  bool allowsUndo = false;     // Back and Restart
  bool allowsHint = false;
  bool allowsShuffle = false;
  bool everyTileFree = false;  // any tile may be taken, whatever covers it
  bool endsWhenEmpty = false;  // a cleared board ends the game (everywhere but in the editor)
  bool solverJudges = false;   // the classic free rule with pairs of a group: the solver can judge the board
};

// The traits of a GameMode value; a value no mode claims reads as idle.
const ModeTraits& Traits(uint8_t gameMode);

}  // namespace sorimo
