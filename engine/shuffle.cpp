// The Shuffle command: the tiles on the board change places, for a penalty that each mode
// sets (engine/modes/).
#include "engine/game.h"

namespace sorimo {

void Game::Shuffle1Click() {
  if (GameFinished) return;
  if (!Traits(GameMode).allowsShuffle) return;
  choice.HintFirst = choice.HintSecond = 0;
  choice.FirstSelected = choice.SecondSelected = 0;
  Rules().Shuffle(*this);
  // A new position not reached by a move: the warning judges it afresh.
  aid.ClearableWatch = ClearableWatchState{};
  FullRedraw();
  host_.board.ProcessEvents();
}

// Every tile swaps with a tile at a random occupied position (with keepLayers, on its own
// layer); passes repeat until a move exists, 101 passes at most.
void Game::PlainShuffle(bool keepLayers) {
  for (int pass = 1; pass <= 101; ++pass) {
    for (int z = 1; z <= kLayers; ++z)
      for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
          const uint8_t t1 = board_.Grid().at(x, y, z);
          if (t1 == 0 || t1 > kTileCount) continue;
          int x2 = 0, y2 = 0, z2 = 0;
          uint8_t t2 = 0;
          do {
            x2 = Generator.RandomInt(kColumns) + 1;
            y2 = Generator.RandomInt(kRows) + 1;
            z2 = keepLayers ? z : Generator.RandomInt(kLayers) + 1;
            t2 = board_.Grid().at(x2, y2, z2);
          } while (t2 == 0 || t2 > kTileCount);
          board_.SwapTiles(t1, t2);
        }
    IsItFree();
    if (moves.MovesLeft > 0) break;
  }
}

}  // namespace sorimo
