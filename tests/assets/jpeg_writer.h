// JPEG files made in the test with libjpeg's compressor.
#pragma once

#include <cstdint>
#include <vector>

#include "view/pixel_buffer.h"

namespace sorimo::testing {

enum class JpegKind { Colour, Grey, Progressive, Cmyk };

std::vector<uint8_t> EncodeJpeg(const PixelBuffer& picture, JpegKind kind, int quality = 95);

// Rewrites the picture size in the frame header, leaving the data as it is.
void SetJpegSize(std::vector<uint8_t>& jpeg, int width, int height);

}  // namespace sorimo::testing
