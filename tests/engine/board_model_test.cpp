// The tile set, the grid with its margins, the pointer hit tests and the text pictures.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "engine/board.h"
#include "tests/support/board_text.h"
#include "engine/random.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

TEST(TileSet, FacesAndMatchGroups) {
  std::array<int, kFaceCount + 1> tilesOfFace{};
  std::array<int, 36> tilesOfGroup{};
  for (int n = 1; n <= kTileCount; ++n) {
    ASSERT_GE(FaceOfTile(n), 1);
    ASSERT_LE(FaceOfTile(n), kFaceCount);
    ++tilesOfFace[FaceOfTile(n)];
    ++tilesOfGroup[MatchGroup(n)];
  }
  for (int f = 1; f <= kFaceCount; ++f) EXPECT_EQ(tilesOfFace[f], f >= 28 && f <= 35 ? 1 : 4) << "face " << f;
  for (int g = 0; g < 36; ++g) EXPECT_EQ(tilesOfGroup[g], 4) << "group " << g;

  EXPECT_EQ(FaceOfTile(108), 27);
  EXPECT_EQ(FaceOfTile(109), 28);  // the four flowers show four faces ...
  EXPECT_EQ(FaceOfTile(112), 31);
  EXPECT_EQ(MatchGroup(109), MatchGroup(112));  // ... and still match one another
  EXPECT_EQ(MatchGroup(113), MatchGroup(116));  // so do the seasons
  EXPECT_NE(MatchGroup(112), MatchGroup(113));  // a flower never matches a season
  EXPECT_EQ(FaceOfTile(117), 36);
  EXPECT_EQ(FaceOfTile(144), 42);
}

TEST(BoardGrid, MarginsReadZeroAndDropWrites) {
  BoardGrid g;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) g.set(x, y, z, 7);
  for (int z = 1; z <= kLayers; ++z)
    for (int y = -1; y <= 22; ++y)
      for (int x = -1; x <= 36; ++x) {
        const bool inside = x >= 1 && x <= 34 && y >= 1 && y <= 20;
        ASSERT_EQ(g.at(x, y, z), inside ? 7 : 0) << x << "," << y << "," << z;
      }
  g.set(0, 5, 1, 9);
  g.set(35, 5, 1, 9);
  g.set(5, 21, 1, 9);
  g.set(5, 5, 6, 9);
  EXPECT_EQ(g.at(0, 5, 1), 0);
  EXPECT_EQ(g.at(35, 5, 1), 0);
  EXPECT_EQ(g.at(5, 21, 1), 0);
  EXPECT_EQ(g.at(5, 5, 6), 0);
  EXPECT_EQ(g.at(-100, 5, 1), 0);  // far outside reads 0 too, never out of the array
}

TEST(Geometry, FaceCornerAndTileBoxAgree) {
  // The renderer places a face with zero-based cell indices, the single-tile redraw with the
  // one-based record shifted by (-26, -19); both must describe the same box.
  for (const int origin : {36, -5})
    for (int z = 1; z <= kLayers; ++z)
      for (int y = 1; y <= kRows; ++y)
        for (int x = 1; x <= kColumns; ++x) {
          const PixelRect box = TileBox(x, y, z);
          const int fx = CoordX(x - 1, z - 1, origin), fy = CoordY(y - 1, z - 1, origin);
          ASSERT_EQ(fx, CoordX(x, z, origin) - 26);
          ASSERT_EQ(fy, CoordY(y, z, origin) - 19);
          ASSERT_EQ(box.left, fx - 6 - origin);
          ASSERT_EQ(box.top, fy - origin);
          ASSERT_EQ(box.right - box.left, 46);
          ASSERT_EQ(box.bottom - box.top, 56);
        }
}

TEST(HitTest, TheTileDrawnOnTopWins) {
  // Tile 1 on layer 1 under tile 2 on layer 2; tiles 3 and 4 side by side two columns
  // apart (their boxes overlap by six pixels); tile 5 two rows below tile 3.
  const BoardPicture b = MustBoard(R"(
    layer 1 at 2,2
    1
    layer 2 at 2,2
    2
    layer 1 at 10,2
    3 . 4
    . . .
    5
  )");
  EXPECT_EQ(WhatTileThere(b.grid, 20 * 2 + 6 - 52 + 20, 25 * 2 - 6 - 59 + 20), 2);

  const PixelRect left = TileBox(10, 2, 1), right = TileBox(12, 2, 1);
  ASSERT_LT(right.left, left.right);  // the boxes overlap
  EXPECT_EQ(WhatTileThere(b.grid, right.left, left.top + 10), 3) << "smaller column wins";
  EXPECT_EQ(WhatTileThere(b.grid, left.right, left.top + 10), 4);

  const PixelRect below = TileBox(10, 4, 1);
  ASSERT_LT(below.top, left.bottom);
  EXPECT_EQ(WhatTileThere(b.grid, left.left + 20, below.top), 5) << "larger row wins";
  EXPECT_EQ(WhatTileThere(b.grid, left.left + 20, below.top - 1), 3);

  EXPECT_EQ(WhatTileThere(b.grid, 600, 400), 0);
}

TEST(HitTest, TilesAtTheEdgesReachPastTheOrigin) {
  const BoardPicture b = MustBoard("layer 1 at 1,1\n 1\n");
  EXPECT_EQ(WhatTileThere(b.grid, -26, 10), 1);
  EXPECT_EQ(WhatTileThere(b.grid, 19, 10), 1);
  EXPECT_EQ(WhatTileThere(b.grid, -27, 10), 0);
  EXPECT_EQ(WhatTileThere(b.grid, 20, 10), 0);
  EXPECT_EQ(WhatTileThere(b.grid, 0, -40), 1);  // rows reach above the origin too
}

// The hit test looks only at the anchors near the point; it must answer what scanning every
// cell in drawing order answers, for crowded random grids and points around and off the board.
TEST(HitTest, LooksNearThePointAndAnswersAsAFullScan) {
  Random random;
  random.GeneratorSeed = 2024;
  for (int round = 0; round < 4; ++round) {
    BoardGrid grid;
    struct Anchor {
      int x, y, z;
      uint8_t v;
    };
    std::vector<Anchor> inOrder;  // layer 1 first, the right-most column first, the top row first
    for (int z = 1; z <= kLayers; ++z)
      for (int x = kColumns; x >= 1; --x)
        for (int y = 1; y <= kRows; ++y)
          if (random.RandomInt(4 + z) == 0) {
            const uint8_t v = uint8_t(1 + random.RandomInt(kTileCount));
            grid.set(x, y, z, v);
            inOrder.push_back({x, y, z, v});
          }
    for (int py = -80; py < 560; py += 3)
      for (int px = -80; px < 760; px += 3) {
        int expected = 0;
        for (const Anchor& a : inOrder) {
          const PixelRect b = TileBox(a.x, a.y, a.z);
          if (px >= b.left && px < b.right && py >= b.top && py < b.bottom) expected = a.v;
        }
        ASSERT_EQ(WhatTileThere(grid, px, py), expected) << "round " << round << " at " << px << "," << py;
      }
  }
}

TEST(WhatAdd, PlacesOnlyOnSupportedPositions) {
  BoardGrid empty;
  for (int py = -40; py < 480; py += 29)
    for (int px = -30; px < 700; px += 31) ASSERT_LE(WhatAdd(empty, px, py).z, 1);
  const PixelRect b1 = TileBox(10, 10, 1);
  EXPECT_EQ(WhatAdd(empty, b1.left + 15, b1.top + 15), (Cell{10, 10, 1}));  // where no other spot reaches

  const BoardPicture one = MustBoard("layer 1 at 10,10\n 1\n");
  const PixelRect b2 = TileBox(10, 10, 2);
  EXPECT_EQ(WhatAdd(one.grid, b2.left + 15, b2.top + 15), (Cell{10, 10, 2}));
  // Every layer-2 answer rests on the tile: within one column and one row of it.
  for (int py = 120; py < 260; py += 7)
    for (int px = 120; px < 260; px += 7) {
      const Cell c = WhatAdd(one.grid, px, py);
      if (c.z == 2) {
        ASSERT_TRUE(std::abs(c.x - 10) <= 1 && std::abs(c.y - 10) <= 1) << c.x << "," << c.y;
      }
      ASSERT_LE(c.z, 2);
    }
}

// The spot WhatAdd must find, by the plain rule: every anchor of every layer in scan order,
// the last whose hit area holds the point and that rests on the layer below.
Cell WhatAddByFullScan(const BoardGrid& grid, int px, int py) {
  Cell result;
  for (int z = 1; z <= kLayers; ++z)
    for (int x = kColumns; x >= 1; --x)
      for (int y = 1; y <= kRows; ++y) {
        const PixelRect b = TileBox(x, y, z);
        if (px < b.left || px >= b.left + 30 || py < b.top || py >= b.top + 35) continue;
        bool rests = z == 1;
        for (int dx = -1; dx <= 1; ++dx)
          for (int dy = -1; dy <= 1; ++dy) rests = rests || grid.at(x + dx, y + dy, z - 1) != 0;
        if (rests) result = {x, y, z};
      }
  return result;
}

TEST(WhatAdd, LooksNearThePointAndAnswersAsAFullScan) {
  Random r;
  r.GeneratorSeed = 7;
  for (int round = 0; round < 3; ++round) {
    BoardGrid grid;
    for (int i = 0; i < 60 + 60 * round; ++i)
      grid.set(r.RandomInt(kColumns) + 1, r.RandomInt(kRows) + 1, r.RandomInt(kLayers) + 1, 1);
    for (int py = -40; py < 520; py += 11)
      for (int px = -40; px < 740; px += 7)
        ASSERT_EQ(WhatAdd(grid, px, py), WhatAddByFullScan(grid, px, py)) << "round " << round << " at " << px << "," << py;
  }
}

TEST(Random, LinearCongruenceTakesTheHighHalf) {
  // Values worked out by hand from seed * 134775813 + 1 and (seed * n) >> 32.
  Random r;
  r.GeneratorSeed = 1;
  EXPECT_EQ(r.RandomInt(34), 1);
  EXPECT_EQ(r.RandomInt(20), 17);
  EXPECT_EQ(r.RandomInt(5), 1);
  EXPECT_EQ(r.RandomInt(144), 39);
  EXPECT_EQ(r.RandomInt(1000), 671);
  EXPECT_EQ(r.GeneratorSeed, 2884733762u);
  for (int i = 0; i < 10000; ++i) {
    const int v = r.RandomInt(7);
    ASSERT_TRUE(v >= 0 && v < 7);
  }
  RecorderHost host;
  host.timeOfDay = 12 * 3600000 + 345;
  r.SeedFromClock(host);
  EXPECT_EQ(r.GeneratorSeed, 12u * 3600000u + 345u);
}

TEST(TextPicture, RoundTripsAndNamesItsErrors) {
  const BoardPicture b = MustBoard(R"(
    layer 1 at 3,4
    12 . 144
    #  . .
    layer 3 at 3,4
    . 7
  )");
  EXPECT_EQ(b.tiles, 3);
  EXPECT_EQ(b.records[144], (TileRecord{5, 4, 1}));
  EXPECT_EQ(b.records[7], (TileRecord{4, 4, 3}));
  EXPECT_EQ(b.grid.at(3, 5, 1), SlotMarker);
  const BoardPicture again = MustBoard(BoardToText(b.grid).c_str());
  EXPECT_EQ(again.grid, b.grid);
  EXPECT_EQ(again.records, b.records);

  const LayoutCells turtle = MustLayout(kTurtle);
  EXPECT_EQ(turtle.count(), 144);
  EXPECT_EQ(MustLayout(LayoutToText(turtle).c_str()), turtle);
  // A dealt board reads back as the layout it was dealt on.
  const auto fromBoard = LayoutFromText(BoardToText(b.grid));
  ASSERT_TRUE(fromBoard.has_value());
  EXPECT_EQ(fromBoard->count(), 4);

  std::string error;
  EXPECT_FALSE(BoardFromText("1 . 1", &error));
  EXPECT_NE(error.find("twice"), std::string::npos) << error;
  EXPECT_FALSE(BoardFromText("145", &error));
  EXPECT_FALSE(BoardFromText("layer 6\n#", &error));
  EXPECT_FALSE(BoardFromText("layer 1 at 34,1\n. #", &error));
  EXPECT_NE(error.find("outside"), std::string::npos) << error;
  EXPECT_FALSE(LayoutFromText("#x#", &error));
  EXPECT_NE(error.find("line 1"), std::string::npos) << error;
}

}  // namespace
}  // namespace sorimo::test
