#include "view/tile_texture.h"

#include "engine/board.h"
#include "view/pixel_transfer.h"
#include "view/tileset_layout.h"

namespace sorimo {

void ChangeTexture(const PixelBuffer& tileset, PixelBuffer& texture) {
  if (texture.width() != kTextureWidth || texture.height() != kTextureHeight)
    texture = PixelBuffer(kTextureWidth, kTextureHeight);
  else
    texture.fill(kBlack);
  for (int face = 1; face <= kFaceCount; ++face) {
    const FaceCell cell = FaceCellOf(face);
    const TilesetPoint at = TextureSprite(cell), picture = FacePicture(cell), mask = FaceMask(cell);
    BlockTransfer(texture, at.x, at.y, kSpriteWidth, kSpriteHeight, tileset, kTileBody.x, kTileBody.y,
                  RasterOp::Copy);
    MaskedTransfer(texture, at.x + kEdge, at.y, kFaceWidth, kFaceHeight, tileset, mask.x, mask.y, tileset,
                   picture.x, picture.y);
  }
}

}  // namespace sorimo
