#pragma once
// Windows bitmap files written byte by byte, so that the format is exactly the one the
// program's own reader expects: BITMAPINFOHEADER, no compression, bottom-up rows.

#include <QImage>
#include <QString>

namespace tileset {

// 24 bits per pixel from any image; 8 bits with its colour table from an Indexed8 image.
bool writeBmp(const QString& path, const QImage& image, QString* error);

// Bits per pixel recorded in a BMP file (the 16-bit field at byte 28), 0 when unreadable.
int bmpBitsPerPixel(const QString& path);

}  // namespace tileset
