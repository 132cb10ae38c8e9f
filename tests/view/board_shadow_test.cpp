// Stippled shadows: which tiles receive them, where each rule puts its pieces, and that a
// piece darkens only its grey pixels.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "renderer_fixture.h"
#include "view/shadow_pieces.h"

namespace sorimo {
namespace {

using namespace sorimo::testing;
using PixelSet = std::set<std::pair<int, int>>;

// The pieces and rules written out again from the drawing rules, so that a slip in the
// renderer's table shows up here.
bool Grey(char piece, int x, int y) {
  const bool even = (x + y) % 2 == 0;
  switch (piece) {
    case 'S': return x < 10 && y < 10 && even;                    // SquareTop
    case 'T': return x < 10 && y < 20 && !even;                   // BandTall
    case 'U': return x < 10 && y < 10 && x >= y && even;          // TriangleUpperRight
    case 'L': return x < 10 && y < 10 && x <= y && even;          // TriangleLowerLeft
    case 'M': return x < 10 && y < 15 && !even;                   // BandMid
    case 'W': return x < 20 && y < 10 && even;                    // BandWide
  }
  return false;
}
struct Placed {
  char piece;
  int ox, oy;
};
struct Rule {
  int dc, dr;
  std::vector<Placed> pieces;
};
const std::vector<Rule> kRules = {
    {+1, -2, {{'U', 20, 0}, {'S', 30, 0}}},
    {0, -2, {{'U', 0, 0}, {'W', 10, 0}, {'S', 30, 0}}},
    {-1, -2, {{'W', 0, 0}, {'L', 20, 0}}},
    {-2, -2, {{'L', 0, 0}}},
    {+1, -1, {{'U', 20, 25}, {'S', 30, 25}}},
    {0, -1, {{'U', 0, 25}, {'W', 10, 25}, {'S', 30, 25}}},
    {-1, -1, {{'W', 0, 25}, {'L', 20, 25}}},
    {-2, -1, {{'L', 0, 25}}},
    {-2, +1, {{'L', 0, 25}, {'M', 0, 35}}},
    {-2, 0, {{'L', 0, 0}, {'T', 0, 10}, {'T', 0, 30}}},
    {-2, -1, {{'M', 0, 0}, {'S', 0, 15}, {'U', 0, 25}}},
    {-2, -2, {{'U', 0, 0}}},
    {-1, +1, {{'L', 20, 25}, {'M', 20, 35}}},
    {-1, 0, {{'L', 20, 0}, {'T', 20, 10}, {'T', 20, 30}}},
    {-1, -1, {{'M', 20, 0}, {'S', 20, 15}, {'U', 20, 25}}},
    {-1, -2, {{'U', 20, 0}}},
};

class ShadowTest : public RendererTest {
 protected:
  // Pixels that differ between the board drawn without and with shadows.
  PixelSet ShadowedPixels() {
    options.Shadows = false;
    renderer.FullRedraw(scene);
    const PixelBuffer plain = renderer.boardPicture();
    options.Shadows = true;
    renderer.FullRedraw(scene);
    PixelSet changed;
    for (int y = 0; y < kBoardHeight; ++y)
      for (int x = 0; x < kBoardWidth; ++x)
        if (plain.pixel(x, y) != At(x, y)) {
          EXPECT_EQ(At(x, y), kShadowGrey) << x << "," << y;
          changed.insert({x, y});
        }
    return changed;
  }
  // The grey pixels the rules put on the tile at (col, row, layer) under the grid's tiles.
  PixelSet ExpectedGrey(int col, int row, int layer) const {
    PixelSet grey;
    const PixelPoint f = Face(col, row, layer);
    for (const Rule& rule : kRules) {
      if (grid.at(col + rule.dc, row + rule.dr, layer + 1) == 0) continue;
      for (const Placed& p : rule.pieces)
        for (int y = 0; y < 20; ++y)
          for (int x = 0; x < 20; ++x)
            if (Grey(p.piece, x, y)) grey.insert({f.x + p.ox + x, f.y + p.oy + y});
    }
    return grey;
  }
  bool InUpperTile(int x, int y, int col, int row, int layer) const {
    const PixelRect b = SpriteBox(col, row, layer, scene.originX, scene.originY);
    return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
  }
};

TEST_F(ShadowTest, EachNeighbourAboveCastsItsRulesPieces) {
  std::set<std::pair<int, int>> offsets;
  for (const Rule& r : kRules) offsets.insert({r.dc, r.dr});
  ASSERT_EQ(offsets.size(), 12u);
  for (const auto& [dc, dr] : offsets) {
    SCOPED_TRACE(::testing::Message() << "upper tile at (" << dc << ", " << dr << ")");
    grid.clear();
    Put(10, 10, 1, 1);
    Put(10 + dc, 10 + dr, 2, 5);
    const PixelSet expected = ExpectedGrey(10, 10, 1);
    ASSERT_FALSE(expected.empty());
    const PixelSet changed = ShadowedPixels();
    size_t visible = 0;
    for (const auto& p : changed) EXPECT_TRUE(expected.count(p)) << p.first << "," << p.second << " is not a shadow pixel";
    for (const auto& p : expected) {
      if (InUpperTile(p.first, p.second, 10 + dc, 10 + dr, 2)) continue;  // covered by the upper tile
      ++visible;
      EXPECT_TRUE(changed.count(p)) << p.first << "," << p.second << " should be grey";
    }
    EXPECT_GT(visible, 0u);
  }
}

TEST_F(ShadowTest, TileAboveTheFaceDarkensABandAlongItsBottom) {
  // Directly above and one row up: the band 25..35 pixels down the face, every other pixel.
  Put(10, 10, 1, 1);
  Put(10, 9, 2, 5);
  options.Shadows = true;
  renderer.FullRedraw(scene);
  const PixelPoint f = Face(10, 10, 1);
  EXPECT_EQ(At(f.x + 10, f.y + 25), kShadowGrey);
  EXPECT_EQ(At(f.x + 11, f.y + 25), kBlankColour);
  EXPECT_EQ(At(f.x + 39, f.y + 34), kShadowGrey);
  EXPECT_EQ(At(f.x + 38, f.y + 34), kBlankColour);
  EXPECT_EQ(At(f.x + 20, f.y + 35), kBlankColour);  // below the band
  EXPECT_EQ(At(f.x + 2, f.y + 30), kBlankColour);   // under the triangle's diagonal
  EXPECT_EQ(At(f.x + 7, f.y + 30), kShadowGrey);
}

TEST_F(ShadowTest, NoShadowsInColumnOneRowOneOrWithTheOptionOff) {
  // Positive controls first: column 2 and row 2 do receive them.
  Put(2, 10, 1, 1);
  Put(2, 9, 2, 5);
  EXPECT_FALSE(ShadowedPixels().empty());
  grid.clear();
  Put(10, 2, 1, 1);
  Put(8, 2, 2, 5);
  EXPECT_FALSE(ShadowedPixels().empty());

  grid.clear();
  Put(1, 10, 1, 1);
  Put(1, 9, 2, 5);
  EXPECT_TRUE(ShadowedPixels().empty());
  grid.clear();
  Put(10, 1, 1, 1);
  Put(8, 1, 2, 5);
  EXPECT_TRUE(ShadowedPixels().empty());
}

TEST_F(ShadowTest, OnlyATileOnTheLayerJustAboveCastsAShadow) {
  Put(10, 10, 1, 1);
  Put(10, 9, 3, 5);            // two layers up
  Put(10, 9, 1, 9);            // same layer
  EXPECT_TRUE(ShadowedPixels().empty());
  grid.clear();
  Put(10, 10, 1, 1);
  Put(10, 9, 2, SlotMarker);   // a position not dealt yet is no tile and casts nothing
  EXPECT_TRUE(ShadowedPixels().empty());
}

TEST(ShadowPieces, MatchTheirStipplesAndLeaveBlackTransparent) {
  for (int i = 0; i < kShadowPieceCount; ++i) {
    const auto piece = ShadowPiece(i);
    const char name = "STULMW"[i];
    PixelBuffer t(30, 30, Rgb(250, 250, 250));
    DrawShadowPiece(t, piece, 5, 5);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) {
        const bool grey = x >= 5 && y >= 5 && Grey(name, x - 5, y - 5) &&
                          x - 5 < ShadowPieceWidth(piece) && y - 5 < ShadowPieceHeight(piece);
        ASSERT_EQ(t.pixel(x, y), grey ? kShadowGrey : Rgb(250, 250, 250)) << name << " " << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace sorimo
