// JPEG pictures through libjpeg, grey or colour.
//
// Every libjpeg error comes back as an error text (a setjmp error manager; libjpeg never
// gets to end the program). Damaged data counts as an error too: a truncated file, a bad
// Huffman code or a lost restart marker give a text rather than a half-grey picture, which
// also keeps a small damaged file from costing a whole large decode. Pictures over the pixel
// limit, CMYK pictures and progressive files of absurdly many scans are refused before
// decoding.
#pragma once

#include <cstdint>
#include <span>

#include "assets/picture_result.h"

namespace sorimo {

PictureOrError ReadJpeg(std::span<const uint8_t> bytes);

}  // namespace sorimo
