// The consistency of a game's board, checked by the tests and the soak after every step:
// grid and records tell the same story, TilesLeft counts the tiles on the grid, the
// selections are tiles on the board, and every removed pair's place is still empty.
#pragma once

#include <string>

namespace sorimo {

class Game;

// What is wrong, in one sentence; empty when nothing is.
std::string BoardInconsistency(const Game& game);

}  // namespace sorimo
