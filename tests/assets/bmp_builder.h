// Bitmap files made by hand, byte by byte, for the depths and headers our writer never makes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorimo::testing {

struct BmpLayout {
  int headerSize = 40;  // 12 (core), 16 or 64 (OS/2), 40, 52, 56, 108, 124
  int32_t width = 0, height = 0;  // height < 0: top-down
  int bits = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  int32_t colourCount = -1;       // -1: the palette's size
  std::vector<uint32_t> masks;    // red, green, blue for bit fields
  std::vector<uint8_t> pixels;    // the pixel data exactly as stored (rows padded by the test)
  int64_t dataOffset = -1;        // -1: right after header, masks and palette
};

std::vector<uint8_t> BuildBmp(const BmpLayout& layout);

// Rows of `bytesPerRow` bytes each, padded to four bytes, in the order given.
std::vector<uint8_t> PadRows(const std::vector<std::vector<uint8_t>>& rows);

}  // namespace sorimo::testing
