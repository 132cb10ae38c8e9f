// Partial redraws: their rectangles, that they change nothing outside them, and that what
// they show inside equals a whole redraw of the same board.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/random.h"
#include "renderer_fixture.h"

namespace sorimo {
namespace {

using namespace sorimo::testing;

// A background with a different colour at every pixel, so a misplaced copy cannot hide.
void PatternBackground(PixelBuffer& b) {
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) b.setPixel(x, y, Rgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
}

TEST(RedrawRectangles, SpriteBoxOrShadowMarginOrFace) {
  const TileRecord t{10, 6, 1};  // face corner (196, 110) with the origin (36, 25)
  EXPECT_EQ(RedrawTileRect(t, 36, 25, false), (DirtyRect{190, 110, 236, 166}));
  EXPECT_EQ(RedrawTileRect(t, 36, 25, true), (DirtyRect{180, 100, 246, 176}));
  EXPECT_EQ(HLRedrawTileRect(t, 36, 25), (DirtyRect{196, 110, 236, 160}));
  const TileRecord top{34, 20, 5};  // the origin of small screens
  EXPECT_EQ(RedrawTileRect(top, -5, 0, false), (DirtyRect{20 * 34 + 30 - 52 - 5, 25 * 20 - 30 - 59,
                                                          20 * 34 + 30 - 52 - 5 + 46, 25 * 20 - 30 - 59 + 56}));
}

TEST_F(RendererTest, PartialRedrawChangesOnlyPixelsInsideItsRectangle) {
  PatternBackground(renderer.background());
  for (int x = 4; x <= 20; x += 2)
    for (int y = 4; y <= 12; y += 2) Put(x, y, 1, x + y);
  Put(10, 8, 2, 100);
  options.Shadows = true;
  renderer.FullRedraw(scene);
  const PixelBuffer full = renderer.boardPicture();

  const uint32_t marker = Rgb(255, 0, 255);
  renderer.boardPicture().fill(marker);
  const DirtyRect dirty{150, 90, 230, 200};
  scene.firstSelected = 18;  // changes inside and outside the rectangle
  scene.hoverTile = 100;
  renderer.Redraw(scene, dirty);
  for (int y = 0; y < kBoardHeight; ++y)
    for (int x = 0; x < kBoardWidth; ++x) {
      const bool inside = x >= dirty.left && x < dirty.right && y >= dirty.top && y < dirty.bottom;
      if (!inside) ASSERT_EQ(At(x, y), marker) << x << "," << y;
      else ASSERT_NE(At(x, y), marker) << x << "," << y;
    }
  // A rectangle reaching past the image is clipped to it.
  renderer.Redraw(scene, DirtyRect{-50, -50, 20, 20});
  EXPECT_EQ(At(0, 0), full.pixel(0, 0));
  EXPECT_EQ(At(20, 20), marker);
}

// A small redraw leaves out the tiles that later ones cover there. On crowded stacks, for
// tiles low and high, selected, pointed at, taken away and in the editor, the picture stays
// the one a whole redraw gives.
TEST_F(RendererTest, SmallRedrawsOverStacksEqualAWholeRedraw) {
  PatternBackground(renderer.background());
  BoardRenderer reference;
  reference.setTileset(MakeSyntheticTileset());
  PatternBackground(reference.background());
  Random random;
  random.GeneratorSeed = 77;
  for (int round = 0; round < 8; ++round) {
    grid = BoardGrid{};
    TileRecords records{};
    int tile = 0;
    // Pyramids of five layers beside one another, each layer shifted by a random half tile,
    // so that stacks overlap in every way.
    for (int z = 1; z <= kLayers; ++z)
      for (int x = 2 + random.RandomInt(2); x <= kColumns - 1 && tile < kTileCount; x += 2)
        for (int y = 2 + random.RandomInt(2); y <= kRows - 1 && tile < kTileCount; y += 2)
          if (random.RandomInt(6) < 6 - z && (z == 1 || grid.at(x, y, z - 1) || grid.at(x - 1, y, z - 1))) {
            PlaceTile(grid, records, ++tile, {x, y, z});
          }
    options.Shadows = round % 2 == 0;
    scene.layoutFaces = round % 4 == 3;
    scene.ghost = {-1, -1, -1};
    scene.firstSelected = scene.hoverTile = scene.hintFirst = 0;
    renderer.FullRedraw(scene);
    for (int step = 0; step < 60 && tile > 0; ++step) {
      const int n = 1 + random.RandomInt(tile);
      const TileRecord at = records[size_t(n)];
      if (!at.present()) continue;
      // What changes, and the rectangles that show it: the old place and the new.
      std::vector<DirtyRect> dirty;
      auto box = [&](const TileRecord& r) { return RedrawTileRect(r, scene.originX, scene.originY, options.Shadows); };
      auto face = [&](int t) { return HLRedrawTileRect(records[size_t(t)], scene.originX, scene.originY); };
      switch (random.RandomInt(4)) {
        case 0:  // taken away: its box, found before the record goes
          dirty.push_back(box(at));
          TakeTile(grid, records, n);
          break;
        case 1:
          if (scene.firstSelected && records[size_t(scene.firstSelected)].present())
            dirty.push_back(box(records[size_t(scene.firstSelected)]));
          scene.firstSelected = n;
          dirty.push_back(box(at));
          break;
        case 2:
          if (scene.hoverTile && records[size_t(scene.hoverTile)].present()) dirty.push_back(face(scene.hoverTile));
          scene.hoverTile = n;
          dirty.push_back(face(n));
          break;
        default: {  // the editor's ghost on the cell to its right
          const TileRecord ghostBefore{scene.ghost.x + 1, scene.ghost.y + 1, scene.ghost.z + 1};
          if (scene.ghost.x >= 0) dirty.push_back(RedrawTileRect(ghostBefore, scene.originX, scene.originY, false));
          scene.ghost = {at.x, at.y - 1, at.z - 1};
          dirty.push_back(RedrawTileRect({at.x + 1, at.y, at.z}, scene.originX, scene.originY, false));
          break;
        }
      }
      for (const DirtyRect& d : dirty) renderer.Redraw(scene, d);
      reference.FullRedraw(scene);
      ASSERT_EQ(renderer.boardPicture(), reference.boardPicture()) << "round " << round << ", step " << step << ", tile " << n;
    }
  }
}

TEST_F(RendererTest, RemovingATileWithShadowsNeedsTheLargerRectangle) {
  PatternBackground(renderer.background());
  options.Shadows = true;
  // A tile on layer 2 casting shadows on three tiles below it.
  Put(10, 10, 1, 1);
  Put(12, 10, 1, 5);
  Put(10, 12, 1, 9);
  Put(11, 9, 2, 13);
  BoardRenderer reference;
  reference.setTileset(MakeSyntheticTileset());
  PatternBackground(reference.background());

  renderer.FullRedraw(scene);
  grid.set(11, 9, 2, 0);
  const TileRecord removed{11, 9, 2};
  reference.FullRedraw(scene);

  // The sprite box alone leaves the removed tile's shadows behind on its neighbours...
  renderer.Redraw(scene, RedrawTileRect(removed, scene.originX, scene.originY, false));
  EXPECT_NE(renderer.boardPicture(), reference.boardPicture());
  // ...the rectangle RedrawTile uses with shadows on takes them away.
  renderer.RedrawTile(scene, removed);
  EXPECT_EQ(renderer.boardPicture(), reference.boardPicture());

  // Without shadows the sprite box is enough.
  options.Shadows = false;
  Put(11, 9, 2, 13);
  renderer.FullRedraw(scene);
  grid.set(11, 9, 2, 0);
  reference.FullRedraw(scene);
  renderer.RedrawTile(scene, removed);
  EXPECT_EQ(renderer.boardPicture(), reference.boardPicture());
}

// Plays a long series of selections, hints, pointer moves and removals on a crowded board,
// each followed by the partial redraw the game makes for it, and compares the screen with a
// whole redraw after every step.
class PartialRedrawSequence : public RendererTest, public ::testing::WithParamInterface<int> {};

TEST_P(PartialRedrawSequence, MatchesAWholeRedrawAfterEveryStep) {
  const int variant = GetParam();
  uint32_t seed = 12345u + uint32_t(variant);
  auto random = [&](int n) {
    seed = seed * 134775813u + 1u;
    return int((uint64_t(seed) * uint64_t(n)) >> 32);
  };
  options.Shadows = variant % 2 == 0;
  options.Invert = variant % 3 == 0;
  options.HighlightMode = variant % 4 == 1 ? HighlightColoredTile : HighlightRedRectangle;
  scene.penColour = kPenRed;
  if (variant >= 4) scene.originX = -5, scene.originY = 0;  // the board reaches past the image
  PatternBackground(renderer.background());
  BoardRenderer reference;
  reference.setTileset(MakeSyntheticTileset());
  PatternBackground(reference.background());

  TileRecords records{};
  for (int n = 1; n <= kTileCount; ++n) {
    const int z = 1 + random(3), x = 1 + random(kColumns), y = 1 + random(kRows);
    if (grid.at(x, y, z) != 0) continue;
    grid.set(x, y, z, uint8_t(n));
    records[n] = {x, y, z};
  }
  renderer.FullRedraw(scene);
  auto present = [&](int n) { return n >= 1 && n <= kTileCount && records[n].present(); };

  for (int step = 0; step < 150; ++step) {
    const int n = 1 + random(kTileCount);
    if (!present(n)) continue;
    switch (random(4)) {
      case 0: {  // select, or deselect the selected tile
        const int old = scene.firstSelected;
        scene.firstSelected = old == n ? 0 : n;
        if (present(old)) renderer.RedrawTile(scene, records[old]);
        renderer.RedrawTile(scene, records[n]);
        break;
      }
      case 1: {  // the hint moves
        const int old = scene.hintFirst;
        scene.hintFirst = n;
        if (present(old)) renderer.RedrawTile(scene, records[old]);
        renderer.RedrawTile(scene, records[n]);
        break;
      }
      case 2: {  // the pointer moves to another tile
        const int old = scene.hoverTile;
        scene.hoverTile = 0;
        if (present(old)) renderer.HLRedrawTile(scene, records[old]);
        scene.hoverTile = n;
        renderer.HLRedrawTile(scene, records[n]);
        break;
      }
      case 3: {  // the tile leaves the board
        const TileRecord was = records[n];
        grid.set(was.x, was.y, was.z, 0);
        records[n] = {};
        for (int* f : {&scene.firstSelected, &scene.hintFirst, &scene.hoverTile})
          if (*f == n) *f = 0;
        renderer.RedrawTile(scene, was);
        break;
      }
    }
    reference.FullRedraw(scene);
    ASSERT_EQ(renderer.boardPicture(), reference.boardPicture()) << "variant " << variant << ", step " << step;
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, PartialRedrawSequence, ::testing::Range(0, 6));

TEST_F(RendererTest, ClicksGridIsDrawnWithLeftColumnsAndLowerRowsOnTop) {
  std::array<PixelBuffer, 6> tiles;
  for (int v = 0; v < 6; ++v) {
    tiles[v] = PixelBuffer(38, 38, Rgb(40 * (v + 1), 10, 10));
    tiles[v].setPixel(0, 0, kBlack);  // a transparent corner
  }
  renderer.setClicksTiles(tiles);
  std::vector<uint8_t> clicks(kClicksCells, 0);
  clicks[ClicksIndex(2, 2)] = 1;
  clicks[ClicksIndex(3, 2)] = 2;
  clicks[ClicksIndex(2, 3)] = 3;
  clicks[ClicksIndex(19, 13)] = 6;
  clicks[ClicksIndex(20, 13)] = 4;  // outside the play area: never drawn
  clicks[ClicksIndex(5, 5)] = 9;    // not a colour
  scene.clicks = clicks;
  Put(10, 6, 1, 1);  // the layered board is not drawn in Clicks
  renderer.FullRedraw(scene);

  const PixelRect a = ClicksTileBox(2, 2, scene.originX, scene.originY);
  EXPECT_EQ(a, (PixelRect{32 + 36 - 8, 32 + 25 - 16, 32 + 36 - 8 + 38, 32 + 25 - 16 + 38}));
  EXPECT_EQ(At(a.left + 5, a.top + 5), Rgb(40, 10, 10));
  EXPECT_EQ(At(a.left, a.top), kBoardColour);
  // Columns overlap by 6 pixels: column 2 lies over column 3.
  EXPECT_EQ(At(a.left + 34, a.top + 5), Rgb(40, 10, 10));
  EXPECT_EQ(At(a.left + 38, a.top + 5), Rgb(80, 10, 10));
  // Rows too: row 3 lies over row 2.
  EXPECT_EQ(At(a.left + 5, a.top + 34), Rgb(120, 10, 10));
  const PixelRect last = ClicksTileBox(19, 13, scene.originX, scene.originY);
  EXPECT_EQ(At(last.left + 5, last.top + 5), Rgb(240, 10, 10));
  const PixelRect outside = ClicksTileBox(20, 13, scene.originX, scene.originY);
  EXPECT_EQ(At(outside.right - 2, outside.top + 5), kBoardColour);
  const PixelRect bad = ClicksTileBox(5, 5, scene.originX, scene.originY);
  EXPECT_EQ(At(bad.left + 5, bad.top + 5), kBoardColour);
  EXPECT_EQ(AtFace(10, 6, 1, 20, 25), kBoardColour);

  // A partial redraw in Clicks draws only inside its rectangle too.
  const PixelBuffer before = renderer.boardPicture();
  renderer.boardPicture().fill(Rgb(255, 0, 255));
  const DirtyRect dirty{a.left + 30, a.top + 30, a.left + 40, a.top + 40};
  renderer.Redraw(scene, dirty);
  for (int y = 0; y < kBoardHeight; ++y)
    for (int x = 0; x < kBoardWidth; ++x) {
      const bool inside = x >= dirty.left && x < dirty.right && y >= dirty.top && y < dirty.bottom;
      ASSERT_EQ(At(x, y), inside ? before.pixel(x, y) : Rgb(255, 0, 255)) << x << "," << y;
    }

  // A grid of the wrong size draws nothing rather than reading past it.
  std::vector<uint8_t> shortGrid(10, 1);
  scene.clicks = shortGrid;
  renderer.FullRedraw(scene);
  EXPECT_EQ(renderer.boardPicture(), renderer.background());
}

TEST(PointerOnBoard, MakesThePositionBoardRelativeAndTestsTheCells) {
  const BoardPointer p = PointerOnBoard(100, 60, 36, 25);
  EXPECT_EQ(p.x, 64);
  EXPECT_EQ(p.y, 35);
  EXPECT_TRUE(p.onBoard);
  EXPECT_TRUE(PointerOnBoard(36 + 34 * 20 + 19, 25 + 20 * 25 + 24, 36, 25).onBoard);
  EXPECT_FALSE(PointerOnBoard(36 + 35 * 20, 30, 36, 25).onBoard);
  EXPECT_FALSE(PointerOnBoard(40, 25 + 21 * 25, 36, 25).onBoard);
  EXPECT_FALSE(PointerOnBoard(36 - 20, 30, 36, 25).onBoard);
  // Division toward zero: up to 19 pixels left of the origin still counts as column 0.
  EXPECT_TRUE(PointerOnBoard(36 - 19, 30, 36, 25).onBoard);
}

}  // namespace
}  // namespace sorimo
