// The Shuffle command: the tiles on the board change places, for a penalty.
#include <string>
#include <utility>

#include "engine/game.h"

namespace sorimo {

void Game::Shuffle1Click() {
  if (GameFinished) return;
  if (GameMode != ModeClassic && GameMode != ModeTwoPlayer && GameMode != ModeRivers) return;
  HintFirst = HintSecond = 0;
  FirstSelected = SecondSelected = 0;
  if (options_.Shuffable && (GameMode == ModeClassic || GameMode == ModeTwoPlayer))
    ShuffleBoard();
  else
    PlainShuffle();

  if (GameMode == ModeRivers) {
    ShowStatus(RiversShuffleText);
    PenaltySeconds += 40;
  } else {
    IsItFree();
    const int m = MovesLeft;
    if (m >= 2)
      ShowStatus("Tiles shuffled. " + std::to_string(m) + " new moves found.");
    else if (m == 1)
      ShowStatus("Tiles shuffled. 1 new move found.");
    else
      ShowStatus(NoShuffleMovesText);
    if (GameMode != ModeTwoPlayer) PenaltySeconds += 10 * m;
  }
  FullRedraw();
  host_.ProcessEvents();
}

// Every tile swaps with a tile at a random occupied position (in Rivers on its own layer);
// passes repeat until a move exists, 101 passes at most.
void Game::PlainShuffle() {
  for (int pass = 1; pass <= 101; ++pass) {
    for (int z = 1; z <= kLayers; ++z)
      for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
          const uint8_t t1 = Grid.at(x, y, z);
          if (t1 == 0 || t1 > kTileCount) continue;
          int x2 = 0, y2 = 0, z2 = 0;
          uint8_t t2 = 0;
          do {
            x2 = Generator.RandomInt(kColumns) + 1;
            y2 = Generator.RandomInt(kRows) + 1;
            z2 = GameMode == ModeRivers ? z : Generator.RandomInt(kLayers) + 1;
            t2 = Grid.at(x2, y2, z2);
          } while (t2 == 0 || t2 > kTileCount);
          std::swap(Records[t1], Records[t2]);
          Grid.set(x2, y2, z2, t1);
          Grid.set(x, y, z, t2);
        }
    IsItFree();
    if (MovesLeft > 0) break;
  }
}

}  // namespace sorimo
