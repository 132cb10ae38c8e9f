#include "view/pixel_buffer.h"

#include <algorithm>
#include <utility>

namespace sorimo {

PixelBuffer::PixelBuffer(int width, int height, uint32_t colour) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(size_t(width) * size_t(height), colour & kColourMask);
}

PixelBuffer PixelBuffer::FromPixels(int width, int height, std::vector<uint32_t> pixels) {
  PixelBuffer p;
  if (width <= 0 || height <= 0 || pixels.size() != size_t(width) * size_t(height)) return p;
  p.width_ = width;
  p.height_ = height;
  p.pixels_ = std::move(pixels);
  for (uint32_t& c : p.pixels_) c &= kColourMask;
  return p;
}

void PixelBuffer::fill(uint32_t colour) { std::fill(pixels_.begin(), pixels_.end(), colour & kColourMask); }

}  // namespace sorimo
