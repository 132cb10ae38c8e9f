// Our own reader of Windows bitmap files.
//
// Reads 1, 4 and 8 bits with a palette (also run-length encoded, 4 and 8 bits), 16 bits
// (5-5-5, or any masks), 24 bits and 32 bits (BGRX, or any masks); bottom-up and top-down
// rows; the BITMAPINFOHEADER and its later forms (V2 to V5), the OS/2 headers and the old
// core header. Alpha is ignored.
//
// Anything else, and anything damaged, gives an error text: a truncated file, a header that
// promises more than the file holds, a size of 0 or over the pixel limit, a palette index
// with no colour behind it. The reader checks every size against the bytes at hand before it
// allocates, reads nothing outside the input, and each loop is bounded by the picture's size
// or the input's length.
#pragma once

#include <cstdint>
#include <span>

#include "assets/picture_result.h"

namespace sorimo {

PictureOrError ReadBmp(std::span<const uint8_t> bytes);

}  // namespace sorimo
