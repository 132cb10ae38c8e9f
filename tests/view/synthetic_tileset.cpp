#include "synthetic_tileset.h"

#include "view/tileset_layout.h"

namespace sorimo::testing {

PixelBuffer MakeSyntheticTileset() {
  PixelBuffer t(kTilesetWidth, kTilesetHeight, Rgb(1, 2, 3));
  for (int y = 0; y < 56; ++y)
    for (int x = 0; x < 46; ++x) {
      const bool opaque = SpriteOpaque(x, y);
      const uint32_t body = !opaque ? kBlack : (x < 6 || y >= 50) ? kEdgeColour : kBlankColour;
      t.setPixel(kTileBody.x + x, kTileBody.y + y, body);
      t.setPixel(kTileMask.x + x, kTileMask.y + y, opaque ? kBlack : kWhite);
    }
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 40; ++x) {
      t.setPixel(kSelectedFace.x + x, kSelectedFace.y + y, kSelectedColour);
      t.setPixel(kHintFace.x + x, kHintFace.y + y, kHintColour);
    }
  for (int face = 1; face <= 42; ++face) {
    const FaceCell cell = FaceCellOf(face);
    const TilesetPoint picture = FacePicture(cell), mask = FaceMask(cell);
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool engraved = InEngraving(x, y);
        t.setPixel(picture.x + x, picture.y + y, engraved ? FaceColour(face) : kBlack);
        t.setPixel(mask.x + x, mask.y + y, engraved ? kBlack : kWhite);
      }
  }
  return t;
}

}  // namespace sorimo::testing
