// How a picture fills the board's background.
#pragma once

#include "view/pixel_buffer.h"

namespace sorimo {

// A picture at least as large as the background is drawn once at (0, 0), unscaled, so its
// top-left part shows. A smaller one is tiled from (0, 0) row by row, the last column and row
// cut at the edge. A picture of width or height 0 is drawn once, that is not at all.
void FillBackground(PixelBuffer& background, const PixelBuffer& picture);

}  // namespace sorimo
