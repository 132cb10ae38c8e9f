#include "bmp_builder.h"

#include <cstddef>

namespace sorimo::testing {

namespace {
void Put16(std::vector<uint8_t>& o, uint32_t v) {
  o.push_back(uint8_t(v));
  o.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& o, uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}
}  // namespace

std::vector<uint8_t> PadRows(const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> out;
  for (const auto& r : rows) {
    out.insert(out.end(), r.begin(), r.end());
    while (out.size() % 4) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> BuildBmp(const BmpLayout& s) {
  std::vector<uint8_t> h;  // everything after the 14-byte file header
  const bool core = s.headerSize == 12;
  const uint32_t count = s.colourCount < 0 ? uint32_t(s.palette.size()) : uint32_t(s.colourCount);
  Put32(h, uint32_t(s.headerSize));
  if (core) {
    Put16(h, uint32_t(s.width));
    Put16(h, uint32_t(s.height));
    Put16(h, 1);
    Put16(h, uint32_t(s.bits));
  } else {
    Put32(h, uint32_t(s.width));
    Put32(h, uint32_t(s.height));
    Put16(h, 1);
    Put16(h, uint32_t(s.bits));
    Put32(h, s.compression);
    Put32(h, uint32_t(s.pixels.size()));
    Put32(h, 2835);
    Put32(h, 2835);
    Put32(h, count);
    Put32(h, 0);
    // Later headers: masks (and alpha mask) first, then whatever else, all zero here.
    for (size_t i = 0; h.size() < size_t(s.headerSize); ++i) {
      if (s.headerSize >= 52 && i < s.masks.size() && i < 3) {
        Put32(h, s.masks[i]);
      } else {
        Put32(h, 0);
      }
    }
    h.resize(size_t(s.headerSize));
    if (s.headerSize < 52 && (s.compression == 3 || s.compression == 6))
      for (uint32_t m : s.masks) Put32(h, m);
  }
  for (uint32_t c : s.palette) {
    h.push_back(uint8_t(c));
    h.push_back(uint8_t(c >> 8));
    h.push_back(uint8_t(c >> 16));
    if (!core) h.push_back(0);
  }
  const uint32_t offset = s.dataOffset < 0 ? uint32_t(14 + h.size()) : uint32_t(s.dataOffset);
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, uint32_t(14 + h.size() + s.pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  out.insert(out.end(), h.begin(), h.end());
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

}  // namespace sorimo::testing
