// The tile texture: one ready-made sprite per face, composed once per tileset so that drawing
// a tile on the board costs one masked transfer.
#pragma once

#include "view/pixel_buffer.h"

namespace sorimo {

// Rebuilds `texture` (resized to 800 x 600 if needed) from the tileset picture: for every face,
// the tile body, then the face mask ANDed and the face picture ORed onto the face area.
// The texture is cleared to black first, so parts a small tileset cannot supply are
// transparent rather than left over from the previous tileset.
void ChangeTexture(const PixelBuffer& tileset, PixelBuffer& texture);

}  // namespace sorimo
