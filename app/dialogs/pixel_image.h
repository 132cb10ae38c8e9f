// A picture of our own pixel buffers as a Qt image, for the windows that show one.
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

}  // namespace sorimo
