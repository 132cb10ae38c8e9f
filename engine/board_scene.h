// Everything the renderer needs to know about the game to draw one frame. The game builds it
// (Game::Scene, with the running mode's part); the window adds its pen; the renderer only
// reads it.
#pragma once

#include <cstdint>
#include <span>

#include "engine/board.h"
#include "engine/modes/clicks_grid.h"
#include "engine/options.h"

namespace sorimo {

struct BoardScene {
  const BoardGrid* grid = nullptr;      // the layered board; nothing is drawn without it
  // Tile numbers, 0 = none.
  int firstSelected = 0, secondSelected = 0;
  int hintFirst = 0, hintSecond = 0;
  int hoverTile = 0;
  bool facesHidden = false;   // tiles lie face down but for the two chosen (Memory)
  bool layoutFaces = false;   // every tile shows one plain face, and the ghost shows (the editor)
  // The layout editor's ghost cell, zero-based (col - 1, row - 1, layer - 1); x = -1 for none.
  // It is drawn only with layoutFaces.
  Cell ghost{-1, -1, -1};
  bool riverFound = false;              // a Rivers tile is travelling: no decorations
  int originX = 36, originY = 25;       // BoardOriginX, BoardOriginY
  const Options* options = nullptr;     // HighlightMode, Shadows, Invert; defaults without it
  uint32_t penColour = 0x008000;        // the pen the highlight style last chose (the window's)
  int penWidth = 3;
  // A mode's own grid (Clicks: kClicksCells bytes), drawn instead of the layered board; empty
  // for the layered games.
  std::span<const uint8_t> clicks;
  int cursorTile = 0;                   // the keyboard cursor's tile, 0 for none
  ClicksCell cursorCell{};              // Clicks: the keyboard cursor's cell, column 0 for none

  bool isGhost(int x, int y, int z) const {
    return layoutFaces && ghost.x == x && ghost.y == y && ghost.z == z;
  }
};

}  // namespace sorimo
