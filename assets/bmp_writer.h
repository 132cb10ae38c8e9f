// Writes Windows bitmap files: 24 bits, or 8 bits with a palette. Rows are stored bottom-up
// after a BITMAPINFOHEADER, the form every reader knows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "view/pixel_buffer.h"

namespace sorimo {

std::vector<uint8_t> WriteBmp24(const PixelBuffer& picture);

// An 8-bit file from palette indices (width * height of them, rows top to bottom) and up to
// 256 colours. Returns nothing when the sizes disagree or an index has no colour.
std::optional<std::vector<uint8_t>> WriteBmp8(int width, int height, std::span<const uint8_t> indices,
                                              std::span<const uint32_t> palette);

// An 8-bit file of a picture of at most 256 colours (palette in order of first appearance);
// nothing when the picture has more colours.
std::optional<std::vector<uint8_t>> WriteBmp8(const PixelBuffer& picture);

}  // namespace sorimo
