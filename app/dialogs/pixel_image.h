// Our own pixel buffers as Qt images and back, for the windows that show them.
#pragma once

#include <QImage>

#include "view/pixel_buffer.h"

namespace sorimo {

// A copy: RGB32 ignores the top byte, so the 0x00RRGGBB words are taken as they are.
inline QImage ImageOf(const PixelBuffer& picture) {
  if (picture.empty()) return QImage();
  return QImage(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(), picture.height(),
                picture.width() * 4, QImage::Format_RGB32)
      .copy();
}

// The image's colours as 0x00RRGGBB pixels (alpha dropped).
inline PixelBuffer PixelBufferOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<uint32_t> pixels;
  pixels.reserve(size_t(rgb.width()) * size_t(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) pixels.push_back(row[x] & 0xFFFFFFu);
  }
  return PixelBuffer::FromPixels(rgb.width(), rgb.height(), std::move(pixels));
}

}  // namespace sorimo
