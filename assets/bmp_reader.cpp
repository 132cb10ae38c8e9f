#include "assets/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

namespace sorimo {

namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kJpeg = 4, kPng = 5, kAlphaBitfields = 6 };

class Bytes {
 public:
  explicit Bytes(std::span<const uint8_t> b) : b_(b) {}
  size_t size() const { return b_.size(); }
  // Little-endian fields; callers have checked that they lie inside the input.
  uint32_t u8(size_t at) const { return b_[at]; }
  uint32_t u16(size_t at) const { return uint32_t(b_[at]) | uint32_t(b_[at + 1]) << 8; }
  uint32_t u32(size_t at) const { return u16(at) | u16(at + 2) << 16; }
  int32_t i32(size_t at) const { return int32_t(u32(at)); }
  const uint8_t* at(size_t at) const { return b_.data() + at; }

 private:
  std::span<const uint8_t> b_;
};

// One colour channel of a masked pixel, scaled to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;
  explicit Channel(uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    max = m >> shift;
  }
  uint32_t operator()(uint32_t v) const {
    if (max == 0) return 0;
    return uint32_t(((uint64_t((v & mask) >> shift) * 255) + max / 2) / max);
  }
};

struct Masks {
  Channel r, g, b;
  uint32_t colour(uint32_t v) const { return r(v) << 16 | g(v) << 8 | b(v); }
};

struct Header {
  int64_t width = 0, height = 0;  // height > 0 after the top-down flag is taken out
  bool topDown = false;
  uint32_t bitCount = 0, compression = kRgb, colourCount = 0;
  uint32_t headerSize = 0;
  size_t paletteStart = 0, paletteEntry = 4;
  uint32_t masks[3] = {0, 0, 0};
  bool hasMasks = false;
};

std::string Text(const char* what) { return std::string("Invalid bitmap file: ") + what; }

class BmpDecoder {
 public:
  explicit BmpDecoder(std::span<const uint8_t> in) : in_(in) {}

  PictureOrError Run() {
    std::string error = ReadHeaders();
    if (error.empty()) error = ReadPalette();
    if (error.empty()) error = CheckRleDataSize();
    if (!error.empty()) return PictureOrError::Fail(error);
    picture_ = PixelBuffer(int(h_.width), int(h_.height));
    if (h_.compression == kRle8 || h_.compression == kRle4)
      error = DecodeRle();
    else
      error = DecodeRows();
    if (!error.empty()) return PictureOrError::Fail(error);
    return {std::move(picture_), {}};
  }

 private:
  std::string ReadHeaders() {
    if (in_.size() < 18 || in_.u8(0) != 'B' || in_.u8(1) != 'M') return "Not a bitmap file (no \"BM\" signature)";
    dataOffset_ = in_.u32(10);
    h_.headerSize = in_.u32(14);
    const uint32_t hs = h_.headerSize;
    if (hs != 12 && (hs < 16 || hs > 1024)) return Text("unknown header size");
    if (14 + size_t(hs) > in_.size()) return Text("header truncated");

    if (hs == 12) {  // the old core header: 16-bit sizes, 3-byte palette entries
      h_.width = in_.u16(18);
      h_.height = in_.u16(20);
      h_.bitCount = in_.u16(24);
      h_.paletteEntry = 3;
    } else {
      auto field = [&](size_t offset, size_t bytes) -> uint32_t {  // fields past the header read 0
        if (offset - 14 + bytes > hs) return 0;
        return bytes == 2 ? in_.u16(offset) : in_.u32(offset);
      };
      h_.width = int32_t(field(18, 4));
      h_.height = int32_t(field(22, 4));
      h_.bitCount = field(28, 2);
      h_.compression = field(30, 4);
      h_.colourCount = field(46, 4);
      const bool os2 = hs == 16 || hs == 64;
      if (os2 && h_.compression >= kBitfields) return "Unsupported bitmap: OS/2 Huffman or RLE24 compression";
    }
    h_.paletteStart = 14 + size_t(hs);
    if (h_.height < 0) {
      h_.topDown = true;
      h_.height = -h_.height;
    }

    switch (h_.compression) {
      case kRgb: break;
      case kRle8: if (h_.bitCount != 8) return Text("RLE8 needs 8 bits per pixel"); break;
      case kRle4: if (h_.bitCount != 4) return Text("RLE4 needs 4 bits per pixel"); break;
      case kBitfields:
      case kAlphaBitfields:
        if (h_.bitCount != 16 && h_.bitCount != 32) return Text("bit fields need 16 or 32 bits per pixel");
        break;
      case kJpeg:
      case kPng: return "Unsupported bitmap: JPEG or PNG compressed";
      default: return Text("unknown compression");
    }
    if (h_.bitCount != 1 && h_.bitCount != 4 && h_.bitCount != 8 && h_.bitCount != 16 && h_.bitCount != 24 &&
        h_.bitCount != 32)
      return "Unsupported bitmap: " + std::to_string(h_.bitCount) + " bits per pixel";
    if (h_.topDown && (h_.compression == kRle8 || h_.compression == kRle4))
      return Text("compressed bitmaps cannot be top-down");
    if (h_.width <= 0 || h_.height <= 0) return Text("width or height is 0 or negative");
    if (h_.width > kMaxPictureSide || h_.height > kMaxPictureSide || h_.width * h_.height > kMaxPicturePixels)
      return "Bitmap too large: " + std::to_string(h_.width) + " x " + std::to_string(h_.height) + " pixels";

    if (h_.compression == kBitfields || h_.compression == kAlphaBitfields) {
      // The masks are part of the later headers; after a 40-byte header they follow it.
      size_t at = 14 + 40;
      if (hs < 52) {
        at = h_.paletteStart;
        h_.paletteStart += h_.compression == kAlphaBitfields ? 16 : 12;
      }
      if (at + 12 > in_.size()) return Text("colour masks truncated");
      for (int i = 0; i < 3; ++i) h_.masks[i] = in_.u32(at + 4 * size_t(i));
      h_.hasMasks = true;
    } else if (h_.bitCount == 16) {
      h_.masks[0] = 0x7C00, h_.masks[1] = 0x03E0, h_.masks[2] = 0x001F;  // 5-5-5
      h_.hasMasks = true;
    } else if (h_.bitCount == 32) {
      h_.masks[0] = 0xFF0000, h_.masks[1] = 0x00FF00, h_.masks[2] = 0x0000FF;
      h_.hasMasks = true;
    }
    if (dataOffset_ >= in_.size()) return Text("pixel data missing");
    if (dataOffset_ < h_.paletteStart) return Text("pixel data offset points into the header");
    return {};
  }

  std::string ReadPalette() {
    if (h_.bitCount > 8) return {};
    const size_t most = size_t(1) << h_.bitCount;
    size_t count = h_.colourCount == 0 ? most : std::min<size_t>(h_.colourCount, most);
    // A palette never runs into the pixels: some writers promise more colours than they store.
    if (dataOffset_ < h_.paletteStart + count * h_.paletteEntry)
      count = (dataOffset_ - h_.paletteStart) / h_.paletteEntry;
    if (count == 0) return Text("palette missing");
    if (h_.paletteStart + count * h_.paletteEntry > in_.size()) return Text("palette truncated");
    palette_.resize(count);
    for (size_t i = 0; i < count; ++i) {
      const size_t at = h_.paletteStart + i * h_.paletteEntry;
      palette_[i] = in_.u8(at + 2) << 16 | in_.u8(at + 1) << 8 | in_.u8(at);
    }
    return {};
  }

  std::string PaletteError(uint32_t index) const {
    return Text("palette index ") + std::to_string(index) + " out of range (the palette has " +
           std::to_string(palette_.size()) + " colours)";
  }

  std::string DecodeRows() {
    const int64_t rowBits = h_.width * h_.bitCount;
    const int64_t stride = (rowBits + 31) / 32 * 4;
    // The padding of the last row may be missing; its pixels may not.
    const int64_t needed = stride * (h_.height - 1) + (rowBits + 7) / 8;
    if (int64_t(dataOffset_) + needed > int64_t(in_.size()))
      return Text("pixel data truncated (") + std::to_string(needed) + " bytes expected, " +
             std::to_string(in_.size() - dataOffset_) + " present)";
    const int w = int(h_.width), h = int(h_.height);
    const Masks masks{Channel(h_.masks[0]), Channel(h_.masks[1]), Channel(h_.masks[2])};
    const uint32_t paletteSize = uint32_t(palette_.size());
    for (int i = 0; i < h; ++i) {
      const uint8_t* src = in_.at(dataOffset_ + size_t(stride) * size_t(i));
      uint32_t* dst = picture_.row(h_.topDown ? i : h - 1 - i);
      switch (h_.bitCount) {
        case 1:
        case 4:
        case 8: {
          const int bits = int(h_.bitCount), perByte = 8 / bits;
          const uint32_t valueMask = (1u << bits) - 1;
          for (int x = 0; x < w; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            const uint32_t index = (uint32_t(src[x / perByte]) >> shift) & valueMask;
            if (index >= paletteSize) return PaletteError(index);
            dst[x] = palette_[index];
          }
          break;
        }
        case 16:
          for (int x = 0; x < w; ++x) dst[x] = masks.colour(uint32_t(src[2 * x]) | uint32_t(src[2 * x + 1]) << 8);
          break;
        case 24:
          for (int x = 0; x < w; ++x)
            dst[x] = uint32_t(src[3 * x + 2]) << 16 | uint32_t(src[3 * x + 1]) << 8 | src[3 * x];
          break;
        case 32:
          if (h_.compression == kRgb) {
            for (int x = 0; x < w; ++x)
              dst[x] = uint32_t(src[4 * x + 2]) << 16 | uint32_t(src[4 * x + 1]) << 8 | src[4 * x];
          } else {
            for (int x = 0; x < w; ++x) {
              const uint8_t* p = src + 4 * x;
              dst[x] = masks.colour(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
            }
          }
          break;
      }
    }
    return {};
  }

  // A compressed stream may leave pixels black (ended lines, moves, an early end mark), so its
  // size does not bound the picture's; but a stream that could not set even a small part of
  // the pixels it declares is not a picture, only a way to make this program take memory.
  // Two bytes set at most 255 pixels.
  std::string CheckRleDataSize() const {
    if (h_.compression != kRle8 && h_.compression != kRle4) return {};
    constexpr int64_t kPixelsPerByte = 255 / 2, kLeastShareSet = 16;
    const int64_t data = int64_t(in_.size() > dataOffset_ ? in_.size() - dataOffset_ : 0);
    if (data * kPixelsPerByte * kLeastShareSet >= h_.width * h_.height) return {};
    return "Bitmap too large for its data: " + std::to_string(h_.width) + " x " + std::to_string(h_.height) +
           " pixels from " + std::to_string(data) + " compressed bytes";
  }

  // Run-length encoded 8 or 4 bits, rows bottom-up. Pixels the stream skips stay black.
  // Every command consumes input, so the loop ends with the input at the latest.
  std::string DecodeRle() {
    const bool four = h_.compression == kRle4;
    const int64_t w = h_.width, h = h_.height;
    int64_t x = 0, y = 0;
    size_t at = dataOffset_;
    const size_t end = in_.size();
    auto put = [&](uint32_t index) -> bool {
      if (index >= palette_.size()) return false;
      if (x < w && y < h) picture_.row(int(h - 1 - y))[x] = palette_[index];
      ++x;
      return true;
    };
    while (y < h) {
      if (at + 2 > end) return Text("compressed pixel data truncated");
      const uint32_t count = in_.u8(at), value = in_.u8(at + 1);
      at += 2;
      if (count > 0) {  // a run of one value (two alternating values in 4 bits)
        for (uint32_t i = 0; i < count; ++i) {
          const uint32_t index = four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
          if (!put(index)) return PaletteError(index);
        }
      } else if (value == 0) {  // end of line
        x = 0, ++y;
      } else if (value == 1) {  // end of picture
        return {};
      } else if (value == 2) {  // move right and up
        if (at + 2 > end) return Text("compressed pixel data truncated");
        x += in_.u8(at), y += in_.u8(at + 1);
        at += 2;
      } else {  // `value` pixels stored as they are, padded to a 16-bit boundary
        const size_t bytes = four ? (value + 1) / 2 : value;
        if (at + bytes > end) return Text("compressed pixel data truncated");
        for (uint32_t i = 0; i < value; ++i) {
          const uint32_t b = in_.u8(at + (four ? i / 2 : i));
          const uint32_t index = four ? (i % 2 == 0 ? b >> 4 : b & 0x0F) : b;
          if (!put(index)) return PaletteError(index);
        }
        at += bytes + (bytes & 1);
      }
    }
    return {};  // the last row is complete; a missing end mark costs nothing
  }

  Bytes in_;
  Header h_;
  size_t dataOffset_ = 0;
  std::vector<uint32_t> palette_;
  PixelBuffer picture_;
};

}  // namespace

PictureOrError ReadBmp(std::span<const uint8_t> bytes) { return BmpDecoder(bytes).Run(); }

}  // namespace sorimo
