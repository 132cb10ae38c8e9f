#pragma once
// Reduces a tileset picture to 256 colours for the "Few Colors" set: black and white keep
// exact entries (the masks and the transparent colour must stay exact), the other 254 are
// chosen from the picture itself by median cut and refined by a few k-means rounds.

#include <QImage>

namespace tileset {

// An 8-bit indexed copy of image; index 0 is black and index 255 white.
QImage quantizeTo256(const QImage& image);

}  // namespace tileset
