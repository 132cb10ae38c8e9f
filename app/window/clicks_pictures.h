// The six Clicks tile pictures built into the program, as the renderer draws them.
#pragma once

#include <array>

#include "view/pixel_buffer.h"

namespace sorimo {

// Colours 1..6 (green, rose, olive, red, blue, purple), 38 x 38, black being transparent.
std::array<PixelBuffer, 6> ClicksPictures();

}  // namespace sorimo
