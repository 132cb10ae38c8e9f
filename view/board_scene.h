// Everything the renderer needs to know about the game to draw one frame. The window fills
// it from the game's state before each redraw; the renderer only reads it.
#pragma once

#include <cstdint>
#include <span>

#include "engine/board.h"
#include "engine/modes/clicks.h"
#include "engine/modes/clicks_grid.h"
#include "engine/options.h"
#include "view/pixel_buffer.h"

namespace sorimo {

// Pen colour of each rectangle highlight style.
constexpr uint32_t kPenRed = Rgb(255, 0, 0);
constexpr uint32_t kPenGreen = Rgb(0, 128, 0);
constexpr uint32_t kPenBlue = Rgb(0, 0, 255);
constexpr int kHighlightPenWidth = 3;
// The keyboard cursor's brackets: a colour no face, highlight or background uses.
constexpr uint32_t kKeyCursorColour = Rgb(230, 0, 200);

struct BoardScene {
  const BoardGrid* grid = nullptr;      // the layered board; nothing is drawn without it
  uint8_t gameMode = ModeIdle;          // GameModeValue
  // Tile numbers, 0 = none.
  int firstSelected = 0, secondSelected = 0;
  int hintFirst = 0, hintSecond = 0;
  int hoverTile = 0;
  // The layout editor's ghost cell, zero-based (col - 1, row - 1, layer - 1); x = -1 for none.
  // It belongs to the editor and is drawn only in GameMode 6.
  Cell ghost{-1, -1, -1};
  bool riverFound = false;              // a Rivers tile is travelling: no decorations
  int originX = 36, originY = 25;       // BoardOriginX, BoardOriginY
  const Options* options = nullptr;     // HighlightMode, Shadows, Invert; defaults without it
  uint32_t penColour = kPenGreen;       // the pen the highlight style last chose
  int penWidth = kHighlightPenWidth;
  std::span<const uint8_t> clicks;      // kClicksCells bytes in Clicks mode, else empty
  int cursorTile = 0;                   // the keyboard cursor's tile, 0 for none
  ClicksCell cursorCell{};              // Clicks: the keyboard cursor's cell, column 0 for none

  bool isGhost(int x, int y, int z) const {
    return gameMode == ModeEditor && ghost.x == x && ghost.y == y && ghost.z == z;
  }
};

// The pen colour a rectangle style sets; other styles keep the pen they had.
constexpr uint32_t PenColourFor(int highlightMode, uint32_t previous) {
  switch (highlightMode) {
    case HighlightRedRectangle: return kPenRed;
    case HighlightGreenRectangle: return kPenGreen;
    case HighlightBlueRectangle: return kPenBlue;
    default: return previous;
  }
}

}  // namespace sorimo
