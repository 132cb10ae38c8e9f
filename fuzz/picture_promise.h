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
  for (uint32_t c : p.pixels())
    if (c > kColourMask) std::abort();
  return true;
}
