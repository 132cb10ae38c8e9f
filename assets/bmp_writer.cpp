#include "assets/bmp_writer.h"

#include <unordered_map>

namespace sorimo {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// File header and BITMAPINFOHEADER for a bottom-up picture; the palette and rows follow.
std::vector<uint8_t> Headers(int width, int height, int bits, uint32_t colours, size_t stride) {
  const uint32_t offset = 14 + 40 + 4 * colours;
  const uint32_t imageSize = uint32_t(stride * size_t(height));
  std::vector<uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, uint32_t(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
  return out;
}

}  // namespace

std::vector<uint8_t> WriteBmp24(const PixelBuffer& picture) {
  const int w = picture.width(), h = picture.height();
  const size_t stride = (size_t(w) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out = Headers(w, h, 24, 0, stride);
  for (int y = h - 1; y >= 0; --y) {
    const uint32_t* row = picture.row(y);
    for (int x = 0; x < w; ++x) {
      out.push_back(uint8_t(row[x]));
      out.push_back(uint8_t(row[x] >> 8));
      out.push_back(uint8_t(row[x] >> 16));
    }
    for (size_t pad = size_t(w) * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::optional<std::vector<uint8_t>> WriteBmp8(int width, int height, std::span<const uint8_t> indices,
                                              std::span<const uint32_t> palette) {
  if (width < 0 || height < 0 || indices.size() != size_t(width) * size_t(height) || palette.empty() ||
      palette.size() > 256)
    return std::nullopt;
  for (uint8_t i : indices)
    if (i >= palette.size()) return std::nullopt;
  const size_t stride = (size_t(width) + 3) / 4 * 4;
  std::vector<uint8_t> out = Headers(width, height, 8, uint32_t(palette.size()), stride);
  for (uint32_t c : palette) {
    out.push_back(uint8_t(c));
    out.push_back(uint8_t(c >> 8));
    out.push_back(uint8_t(c >> 16));
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = indices.data() + size_t(y) * size_t(width);
    out.insert(out.end(), row, row + width);
    for (size_t pad = size_t(width); pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::optional<std::vector<uint8_t>> WriteBmp8(const PixelBuffer& picture) {
  std::vector<uint32_t> palette;
  std::unordered_map<uint32_t, uint8_t> indexOf;
  std::vector<uint8_t> indices;
  indices.reserve(picture.pixels().size());
  for (uint32_t c : picture.pixels()) {
    auto it = indexOf.find(c);
    if (it == indexOf.end()) {
      if (palette.size() == 256) return std::nullopt;
      it = indexOf.emplace(c, uint8_t(palette.size())).first;
      palette.push_back(c);
    }
    indices.push_back(it->second);
  }
  if (palette.empty()) palette.push_back(kBlack);
  return WriteBmp8(picture.width(), picture.height(), indices, palette);
}

}  // namespace sorimo
