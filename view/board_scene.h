// The scene the renderer draws (engine/board_scene.h) and the pens of the highlight styles.
#pragma once

#include <cstdint>
#include <span>

#include "engine/board.h"
#include "engine/board_scene.h"
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
static_assert(kPenGreen == BoardScene{}.penColour && kHighlightPenWidth == BoardScene{}.penWidth);
// The keyboard cursor's brackets: a colour no face, highlight or background uses.
constexpr uint32_t kKeyCursorColour = Rgb(230, 0, 200);

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
