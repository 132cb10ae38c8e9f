// The classic 144-tile turtle, dealt in tile order, for the renderer's benchmarks.
#pragma once

#include "engine/board.h"

namespace sorimo::bench {

// Fills the grid and the records; returns the number of tiles placed (144).
int BuildTurtle(BoardGrid& grid, TileRecords& records);

}  // namespace sorimo::bench
