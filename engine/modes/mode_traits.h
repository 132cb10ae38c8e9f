// What differs between the values of GameMode, as one table. The shared routines read these
// traits instead of comparing mode numbers, so a new mode is a new row, never a new range.
#pragma once

#include <cstdint>

#include "engine/board.h"

namespace sorimo {

struct ModeTraits {
  const char* name;
  bool underWay;       // a game is running or paused: it can be paused, deals animate over it
  bool takesClicks;    // clicks on the board go to the mode (the games and the editor)
  bool showsBoard;     // the board is on screen (the games and the editor)
  bool betweenGames;   // nothing is under way: idle, game over, welcome panel
  bool clockRuns;      // the game clock counts from the millisecond counter
  bool showsTime;      // the status bar shows the time
  bool countsMoves;    // the free tiles and the moves left are counted on every tick
  bool warnsNoMoves;   // "no more moves" slides in when none is left
  bool allowsUndo;     // Back and Restart
  bool allowsHint;
  bool allowsShuffle;
  bool everyTileFree;  // any tile may be taken, whatever covers it
  bool endsWhenEmpty;  // a cleared board ends the game (everywhere but in the editor)
  bool solverJudges;   // the classic free rule with pairs of a group: the solver can judge the board
  // Its hall of fame lists, easy and hard; 0 for none (the layouts have one each, 1..99).
  int easyColumn;
  int hardColumn;
};

// The row of a GameMode value; values outside the table read as idle.
const ModeTraits& Traits(uint8_t gameMode);

// The game whose hall of fame list `column` is: ModeRivers, ModeMemory or ModeClicks for the
// arcade columns, ModeClassic for a layout, ModeIdle for no list.
uint8_t ModeOfColumn(int column);

}  // namespace sorimo
