// Mah-Jongg Rivers: pairs go when a path of at most three straight segments joins them.
// Tiles lie side by side on even columns and odd rows, so neighbouring places are two cells
// apart; a path runs through empty places of the pair's own layer, around the outside too.
#pragma once

#include <cstdint>

#include "engine/modes/mode_state.h"

namespace sorimo {

class Game;

inline constexpr char RiversStartedText[] = "Mahjongg Rivers started.";

// The path search and the sliding tile.
struct RiversState : ModeState {
  // Set from the moment the search reaches the target until the slide has ended; while it
  // is set the board draws no highlight, so the travelling tile shows its plain face.
  bool RiverFound = false;
  int32_t RiverTile = 0;  // the tile found at the target place: the one that slides
  int32_t RiverCol = 0;   // its cell while it slides
  int32_t RiverRow = 0;
};

// Are the two tiles, both on the board and on one layer, joined by a path of one, two or
// three straight segments through empty places? With "Animate Tile Rivers" on, the target
// slides along the path found until it stands next to the start.
bool CanBeReached(Game& g, int start, int target);
// The same search with nothing sliding, whatever the option says: the move count's.
bool CanBeReachedStill(Game& g, int start, int target);

// One step of the slide: RiverTile leaves its cell for (col, row) on layer z, is drawn
// there and the window is repainted at once.
void MoveRiverTiles(Game& g, int col, int row, int z);

}  // namespace sorimo
