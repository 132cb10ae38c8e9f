// The tile under the pointer: its frame follows the pointer from tile to tile.
#include "engine/game.h"

namespace sorimo {

void Game::HoverOver(int tile) {
  if (tile == choice.HoverTile) return;
  const int old = choice.HoverTile;
  choice.HoverTile = 0;
  if (old != 0) HLRedrawTile(old);  // drawn without its frame
  choice.HoverTile = static_cast<uint8_t>(tile);
  if (tile != 0) HLRedrawTile(tile);
}

}  // namespace sorimo
