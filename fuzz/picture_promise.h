// What every picture reader promises, whatever the bytes: an error comes without a picture;
// a picture is not empty, within the size limit, and every pixel a plain 24-bit colour.
// Returns true when a picture was read.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "assets/picture_result.h"

inline bool CheckPicturePromise(const sorimo::PictureOrError& r) {
  using namespace sorimo;
  if (!r.ok()) {
    if (!r.picture.empty()) std::abort();
    return false;
  }
  const PixelBuffer& p = r.picture;
  if (p.empty() || p.width() > kMaxPictureSide || p.height() > kMaxPictureSide) std::abort();
  // One test for all pixels rather than one a pixel: the fuzzer traces every comparison, and
  // a large picture would spend most of its time here.
  uint32_t all = 0;
  for (uint32_t c : p.pixels()) all |= c;
  if (all > kColourMask) std::abort();
  return true;
}
