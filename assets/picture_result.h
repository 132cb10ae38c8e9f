// What a picture reader hands back: the picture, or a text saying why there is none.
#pragma once

#include <string>
#include <utility>

#include "view/pixel_buffer.h"

namespace sorimo {

struct PictureOrError {
  PixelBuffer picture;
  std::string error;  // empty when the picture was read
  bool ok() const { return error.empty(); }

  static PictureOrError Fail(std::string text) { return {PixelBuffer(), std::move(text)}; }
};

// The largest picture any reader accepts: each side at most 16384 pixels and at most
// 32 mebipixels in all (128 MiB once decoded). Checked before anything is allocated.
constexpr int kMaxPictureSide = 16384;
constexpr long long kMaxPicturePixels = 32LL * 1024 * 1024;

}  // namespace sorimo
