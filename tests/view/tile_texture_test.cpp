// The face-cell table and the texture built from a tileset.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/board.h"
#include "synthetic_tileset.h"
#include "view/tile_texture.h"
#include "view/tileset_layout.h"

namespace sorimo {
namespace {

using namespace sorimo::testing;

TEST(FaceCells, EveryFaceHasItsOwnCellInsideTheLayout) {
  std::set<std::pair<int, int>> seen;
  for (int face = 1; face <= kFaceCount; ++face) {
    const FaceCell c = FaceCellOf(face);
    EXPECT_TRUE(c.c >= 0 && c.c <= 8 && c.r >= 0 && c.r <= 4) << face;
    EXPECT_TRUE(seen.insert({c.c, c.r}).second) << "face " << face << " shares a cell";
    // Everything read for the face lies inside the 369 x 567 the layout promises.
    EXPECT_LE(FaceMask(c).x + 40, 369);
    EXPECT_LE(FaceMask(c).y + 50, 567);
  }
  // The suits run along rows: dots on row 0, bamboos on row 1, craks on row 2.
  EXPECT_EQ(FaceCellOf(1), (FaceCell{0, 2}));
  EXPECT_EQ(FaceCellOf(18), (FaceCell{8, 1}));
  EXPECT_EQ(FaceCellOf(19), (FaceCell{0, 0}));
  EXPECT_EQ(FaceCellOf(31), (FaceCell{3, 4}));
  EXPECT_EQ(FaceCellOf(35), (FaceCell{3, 3}));
  EXPECT_EQ(FaceCellOf(36), (FaceCell{4, 4}));
  EXPECT_EQ(FaceCellOf(42), (FaceCell{7, 3}));
  EXPECT_EQ(FaceCellOf(0), (FaceCell{0, 0}));
  EXPECT_EQ(FaceCellOf(200), (FaceCell{0, 0}));
}

TEST(ChangeTexture, ComposesBodyAndEngravingForEveryFace) {
  const PixelBuffer tileset = MakeSyntheticTileset();
  PixelBuffer texture;
  ChangeTexture(tileset, texture);
  ASSERT_EQ(texture.width(), 800);
  ASSERT_EQ(texture.height(), 600);
  for (int face = 1; face <= kFaceCount; ++face) {
    const TilesetPoint at = TextureSprite(FaceCellOf(face));
    for (int y = 0; y < 56; ++y)
      for (int x = 0; x < 46; ++x) {
        uint32_t expected = !SpriteOpaque(x, y)            ? kBlack
                            : (x < 6 || y >= 50)           ? kEdgeColour
                            : InEngraving(x - 6, y)        ? FaceColour(face)
                                                           : kBlankColour;
        ASSERT_EQ(texture.pixel(at.x + x, at.y + y), expected) << "face " << face << " at " << x << "," << y;
      }
  }
}

TEST(ChangeTexture, SmallTilesetLeavesTheMissingPartsTransparent) {
  // A tileset that only reaches into the body of the first sprites. The texture must not
  // keep pixels of the tileset loaded before it, and nothing may be read past the picture.
  PixelBuffer texture;
  ChangeTexture(MakeSyntheticTileset(), texture);
  PixelBuffer tiny(30, 270, Rgb(5, 6, 7));
  ChangeTexture(tiny, texture);
  for (int face = 1; face <= kFaceCount; ++face) {
    const FaceCell cell = FaceCellOf(face);
    const TilesetPoint at = TextureSprite(cell);
    // The body's top 14 rows and left 30 columns exist; the face picture exists only for
    // cells of rows 0..4 whose pictures start inside 30 x 270.
    EXPECT_EQ(texture.pixel(at.x + 2, at.y + 2), Rgb(5, 6, 7)) << face;
    EXPECT_EQ(texture.pixel(at.x + 40, at.y + 2), kBlack) << face;
    EXPECT_EQ(texture.pixel(at.x + 2, at.y + 20), kBlack) << face;
  }
  PixelBuffer empty;
  ChangeTexture(empty, texture);
  EXPECT_EQ(texture, PixelBuffer(800, 600));
}

}  // namespace
}  // namespace sorimo
