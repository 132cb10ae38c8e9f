// Any bytes through the JPEG reader: libjpeg's errors and warnings must all come back as an
// error text, never as an exit, a crash, a hang or a read out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "assets/jpeg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorimo;
  const PictureOrError r = ReadJpeg(std::span<const uint8_t>(data, size));
  if (!r.ok()) {
    if (!r.picture.empty()) std::abort();
    return 0;
  }
  const PixelBuffer& p = r.picture;
  if (p.empty() || p.width() > kMaxPictureSide || p.height() > kMaxPictureSide) std::abort();
  for (uint32_t c : p.pixels())
    if (c > kColourMask) std::abort();
  return 0;
}
