// A plain 24-bit picture in memory: one uint32_t per pixel holding 0x00RRGGBB, rows stored
// top to bottom without padding. Every picture of the board (background, board buffer,
// tileset, texture, the visible image) is one of these; the window only shows the last one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorimo {

constexpr uint32_t Rgb(int r, int g, int b) {
  return (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(b & 0xFF);
}
constexpr int RedOf(uint32_t c) { return int((c >> 16) & 0xFF); }
constexpr int GreenOf(uint32_t c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(uint32_t c) { return int(c & 0xFF); }

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kColourMask = 0xFFFFFF;  // the byte above the colour always stays 0

class PixelBuffer {
 public:
  PixelBuffer() = default;
  // Negative sizes make an empty picture. The caller bounds the size; the picture readers
  // refuse anything larger than their pixel limit before they get here.
  PixelBuffer(int width, int height, uint32_t colour = kBlack);
  // Takes over width * height pixels (rows top to bottom); an empty picture when the count
  // is wrong or a size is not positive.
  static PixelBuffer FromPixels(int width, int height, std::vector<uint32_t> pixels);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Reads outside the picture give black; writes outside are dropped.
  uint32_t pixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : kBlack; }
  void setPixel(int x, int y, uint32_t colour) {
    if (contains(x, y)) pixels_[index(x, y)] = colour & kColourMask;
  }
  void fill(uint32_t colour);

  // Row access for the transfer loops; y must be inside the picture.
  uint32_t* row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }
  const uint32_t* row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }
  const std::vector<uint32_t>& pixels() const { return pixels_; }

  bool operator==(const PixelBuffer&) const = default;

 private:
  size_t index(int x, int y) const { return size_t(y) * size_t(width_) + size_t(x); }
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace sorimo
