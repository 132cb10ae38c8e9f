// The layout editor: where a click places a tile, what it may remove, which record a new tile
// gets, the four moves of the whole layout, and the ghost tile that follows the pointer.
#include <gtest/gtest.h>

#include "engine/pixel_geometry.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

// A board-relative point where the editor would place a tile at (x, y, z): a point of the
// anchor's hit area that WhatAdd answers with it. A failure when there is none.
PixelPoint PointFor(const BoardGrid& grid, int x, int y, int z) {
  const PixelRect b = TileBox(x, y, z);
  for (int py = b.top + 15; py < b.top + 35; ++py)
    for (int px = b.left + 15; px < b.left + 30; ++px)
      if (WhatAdd(grid, px, py) == Cell{x, y, z}) return {px, py};
  for (int py = b.top; py < b.top + 35; ++py)
    for (int px = b.left; px < b.left + 30; ++px)
      if (WhatAdd(grid, px, py) == Cell{x, y, z}) return {px, py};
  ADD_FAILURE() << "no point chooses " << x << "," << y << "," << z;
  return {-1000, -1000};
}

// True when a tile of layer c.z is anchored within one column and one row of c.
bool Overlaps(const BoardGrid& grid, const Cell& c) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (grid.at(c.x + dx, c.y + dy, c.z) != 0) return true;
  return false;
}

struct Editor : Table {
  uint32_t generatorBefore = 0;  // the deals' generator before the editor opened
  explicit Editor(const char* layout = nullptr) {
    if (layout) game.Layout = MustLayout(layout);
    generatorBefore = game.Generator.GeneratorSeed;
    OpenEditor(game, layout == nullptr);
    EXPECT_EQ(game.NewGame(), DealResult::Dealt);  // as the window opens it
    host.log.clear();
  }
  // Clicks as the window passes them: screen pixels, board origin included.
  void LeftAt(int x, int y, int z) { ClickAt(MouseButton::Left, PointFor(game.board().Grid(), x, y, z)); }
  void RightOn(int tile) {
    int sx = 0, sy = 0;
    ASSERT_TRUE(ScreenPointOf(game, tile, sx, sy));
    game.ButtonDown(MouseButton::Right, sx, sy);
  }
  void ClickAt(MouseButton b, PixelPoint p) { game.ButtonDown(b, p.x + game.BoardOrigin.x, p.y + game.BoardOrigin.y); }
  int TileAt(int x, int y, int z) const { return game.board().Grid().at(x, y, z); }
  // The layout, the grid and the records tell the same story, and the counter agrees.
  ::testing::AssertionResult Agrees() const {
    int anchors = 0;
    for (int z = 1; z <= kLayers; ++z)
      for (int y = 1; y <= kRows; ++y)
        for (int x = 1; x <= kColumns; ++x) {
          const int n = game.board().Grid().at(x, y, z);
          if ((n != 0) != (game.Layout.at(x, y, z) != 0))
            return ::testing::AssertionFailure() << "layout and grid differ at " << x << "," << y << "," << z;
          if (n == 0) continue;
          ++anchors;
          if (game.board().Records()[n] != TileRecord{x, y, z})
            return ::testing::AssertionFailure() << "record " << n << " is not " << x << "," << y << "," << z;
        }
    for (int n = 1; n <= kTileCount; ++n)
      if (game.board().Records()[n].present() && game.board().Grid().at(game.board().Records()[n].x, game.board().Records()[n].y, game.board().Records()[n].z) != n)
        return ::testing::AssertionFailure() << "record " << n << " points at a cell that does not hold it";
    if (game.ModeDataIf<EditorState>()->TilesLeft != kTileCount - anchors)
      return ::testing::AssertionFailure() << "counter " << game.ModeDataIf<EditorState>()->TilesLeft << " for " << anchors << " anchors";
    return ::testing::AssertionSuccess();
  }
};

TEST(EditorOpening, CreateStartsEmptyAndEditNumbersTheAnchorsInOrder) {
  Editor created;
  EXPECT_EQ(created.game.GameMode, ModeEditor);
  EXPECT_EQ(created.game.ModeData<EditorState>().TilesLeft, 144);
  EXPECT_EQ(created.game.Layout.count(), 0);
  EXPECT_TRUE(created.Agrees());

  Editor edited(R"(
    layer 1 at 3,3
     1 . 1
    layer 2 at 4,3
     1
  )");
  EXPECT_EQ(edited.game.GameMode, ModeEditor);
  EXPECT_EQ(edited.game.ModeData<EditorState>().TilesLeft, 141);
  // Layer by layer, row by row, column by column: 1..N; the records after N are empty.
  EXPECT_EQ(edited.TileAt(3, 3, 1), 1);
  EXPECT_EQ(edited.TileAt(5, 3, 1), 2);
  EXPECT_EQ(edited.TileAt(4, 3, 2), 3);
  EXPECT_FALSE(edited.game.board().Records()[4].present());
  EXPECT_TRUE(edited.Agrees());
  EXPECT_EQ(edited.game.Generator.GeneratorSeed, edited.generatorBefore) << "no deal was drawn";
}

TEST(EditorPlacing, ALeftClickPlacesWhereWhatAddPointsUnlessItOverlaps) {
  Editor e;
  // On an empty board a click places on the table, never higher.
  const PixelRect above = TileBox(10, 5, 2);
  e.ClickAt(MouseButton::Left, {above.left + 15, above.top + 15});
  EXPECT_EQ(e.game.Layout.count(), 1);
  for (int z = 2; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) ASSERT_EQ(e.TileAt(x, y, z), 0);
  EXPECT_EQ(e.game.ModeData<EditorState>().TilesLeft, 143);
  EXPECT_TRUE(e.host.Has("paint full"));

  // Where WhatAdd answers a spot that overlaps a tile of its layer, a click places nothing,
  // not even a redraw, though a free spot may be half a tile away.
  Editor crowd(R"(
    layer 1 at 10,5
     1 . 1 1
    layer 2 at 10,5
     1
  )");
  int overlapping = 0;
  for (int py = 40; py < 220; py += 3)
    for (int px = 140; px < 320; px += 3) {
      const Cell c = WhatAdd(crowd.game.board().Grid(), px, py);
      if (c.z == 0 || !Overlaps(crowd.game.board().Grid(), c)) continue;
      ++overlapping;
      crowd.ClickAt(MouseButton::Left, {px, py});
    }
  EXPECT_GT(overlapping, 0) << "the board offers no overlapping spot to try";
  EXPECT_EQ(crowd.game.Layout.count(), 4);
  EXPECT_FALSE(crowd.host.Has("paint full"));

  Editor one;
  one.LeftAt(10, 5, 1);
  ASSERT_EQ(one.TileAt(10, 5, 1), 1);
  // With a single tile at (10, 5, 1), (11, 6, 2) rests on it and can be chosen; (13, 5, 2) never.
  one.LeftAt(11, 6, 2);
  EXPECT_EQ(one.TileAt(11, 6, 2), 2);
  for (int py = 0; py < 480; py += 3)
    for (int px = 0; px < 700; px += 3) ASSERT_NE(WhatAdd(one.game.board().Grid(), px, py), (Cell{13, 5, 2}));
  EXPECT_TRUE(one.Agrees());
}

TEST(EditorPlacing, TheLastOfTheTilesIsPlacedAndThenNoMore) {
  Editor e;
  int placed = 0;
  for (int z = 1; z <= 2; ++z)
    for (int y = 2; y <= 19 && placed < 144; y += 2)
      for (int x = 2; x <= 33 && placed < 144; x += 2) {
        e.LeftAt(x + (z - 1), y + (z - 1), z);
        ++placed;
      }
  ASSERT_EQ(e.game.ModeData<EditorState>().TilesLeft, 0);
  EXPECT_TRUE(EditorFinished(e.game));
  e.LeftAt(33, 19, 2);
  EXPECT_EQ(e.game.Layout.count(), 144);
  EXPECT_TRUE(e.Agrees());
}

TEST(EditorRemoving, ATileWithATileOnItStaysAndTheTopLayerAlwaysGoes) {
  Editor e(R"(
    layer 1 at 10,5
     1 . 1
    layer 2 at 11,6
     1
    layer 5 at 20,10
     1
  )");
  const int lower = e.TileAt(10, 5, 1), other = e.TileAt(12, 5, 1), upper = e.TileAt(11, 6, 2);
  const int top = e.TileAt(20, 10, 5);
  e.RightOn(lower);  // (11, 6, 2) rests on it: within one column and one row
  e.RightOn(other);
  EXPECT_EQ(e.game.Layout.count(), 4);
  EXPECT_FALSE(e.host.Has("paint full"));
  e.RightOn(top);  // nothing can rest on layer 5
  e.RightOn(upper);
  e.RightOn(lower);
  EXPECT_EQ(e.game.Layout.count(), 1);
  EXPECT_EQ(e.TileAt(12, 5, 1), other);
  EXPECT_EQ(e.game.ModeData<EditorState>().TilesLeft, 143);
  EXPECT_TRUE(e.Agrees());
  // Only a click over the playfield counts; the middle button does nothing.
  int sx = 0, sy = 0;
  ASSERT_TRUE(ScreenPointOf(e.game, other, sx, sy));
  e.game.ButtonDown(MouseButton::Middle, sx, sy);
  EXPECT_EQ(e.game.Layout.count(), 1);
}

TEST(EditorRemoving, ANewTileTakesTheLowestEmptyRecord) {
  Editor e;
  for (int i = 0; i < 20; ++i) e.LeftAt(2 + 2 * (i % 10), 3 + 4 * (i / 10), 1);
  ASSERT_EQ(e.game.Layout.count(), 20);
  const TileRecord r17 = e.game.board().Records()[17];
  e.RightOn(17);
  EXPECT_FALSE(e.game.board().Records()[17].present());
  e.LeftAt(30, 15, 1);
  EXPECT_EQ(e.TileAt(30, 15, 1), 17);
  EXPECT_NE(e.game.board().Records()[17], r17);
  EXPECT_TRUE(e.Agrees());
}

TEST(EditorMoves, EachMoveIsRefusedAtItsEdgeAndShiftsEverythingTogether) {
  const std::pair<BoardShift, Cell> moves[] = {{BoardShift::Left, {-1, 0, 0}},
                                               {BoardShift::Right, {1, 0, 0}},
                                               {BoardShift::Top, {0, -1, 0}},
                                               {BoardShift::Bottom, {0, 1, 0}}};
  for (const auto& [shift, d] : moves) {
    Editor e(R"(
      layer 1 at 5,5
       1 . 1 . . 1
       . . . . . .
       1 . . 1 . .
      layer 2 at 6,6
       1
    )");
    const LayoutCells before = e.game.Layout;
    const TileRecords records = e.game.board().Records();
    ASSERT_TRUE(MoveLayout(e.game, shift));
    EXPECT_TRUE(e.host.Has("paint full"));
    EXPECT_TRUE(e.Agrees());
    for (int n = 1; n <= 6; ++n)
      EXPECT_EQ(e.game.board().Records()[n], (TileRecord{records[n].x + d.x, records[n].y + d.y, records[n].z})) << n;
    // Moving back gives the layout it started from.
    const BoardShift back[] = {BoardShift::Right, BoardShift::Left, BoardShift::Bottom, BoardShift::Top};
    ASSERT_TRUE(MoveLayout(e.game, back[int(shift)]));
    EXPECT_EQ(e.game.Layout, before);

    // Pushed against the edge, the move does nothing, not even a redraw.
    while (MoveLayout(e.game, shift)) {}
    const LayoutCells atEdge = e.game.Layout;
    const BoardGrid grid = e.game.board().Grid();
    e.host.log.clear();
    EXPECT_FALSE(MoveLayout(e.game, shift));
    EXPECT_EQ(e.game.Layout, atEdge);
    EXPECT_EQ(e.game.board().Grid(), grid);
    EXPECT_TRUE(e.host.log.empty());
    EXPECT_TRUE(e.Agrees());
  }
}

TEST(EditorMoves, TheLayoutTravelsTheWholeBoardWithoutLosingATile) {
  Editor e(R"(
    layer 1 at 1,1
     1 . 1
     . . .
     . 1 .
    layer 2 at 2,2
     1
  )");
  int right = 0, down = 0;
  while (MoveLayout(e.game, BoardShift::Right)) ++right;
  while (MoveLayout(e.game, BoardShift::Bottom)) ++down;
  EXPECT_EQ(right, kColumns - 3);
  EXPECT_EQ(down, kRows - 3);
  EXPECT_EQ(e.TileAt(kColumns, kRows - 2, 1), 2);
  EXPECT_EQ(e.TileAt(kColumns - 1, kRows, 1), 3);
  EXPECT_EQ(e.game.Layout.count(), 4);
  EXPECT_TRUE(e.Agrees());
}

TEST(EditorGhost, FollowsThePointerRedrawingOnlyWhenItsPlaceChanges) {
  Editor e(R"(
    layer 1 at 10,5
     1 . 1 1
    layer 2 at 10,5
     1
  )");
  const PixelPoint first = PointFor(e.game.board().Grid(), 20, 10, 1);
  MoveGhost(e.game, first.x, first.y);
  EXPECT_EQ(e.game.ModeData<EditorState>().Ghost, (Cell{19, 9, 0}));
  // The first ghost after opening redraws the whole board, then its own box.
  EXPECT_EQ(e.host.Only({"paint"}).size(), 2u);
  EXPECT_EQ(e.host.log.front(), "paint full");

  e.host.log.clear();
  MoveGhost(e.game, first.x + 2, first.y + 1);  // same cell
  EXPECT_TRUE(e.host.log.empty());

  const PixelPoint onTile = PointFor(e.game.board().Grid(), 10, 5, 3);  // over the stack: the layer above
  MoveGhost(e.game, onTile.x, onTile.y);
  EXPECT_EQ(e.game.ModeData<EditorState>().Ghost, (Cell{9, 4, 2}));
  EXPECT_EQ(e.host.log.size(), 2u);
  EXPECT_EQ(e.host.log[0], PaintOf(RedrawTileRect({20, 10, 1}, 36, 25, e.options.Shadows)));
  EXPECT_EQ(e.host.log[1], PaintOf(RedrawTileRect({10, 5, 3}, 36, 25, e.options.Shadows)));

  // Where a click would place nothing (beside the tile, overlapping it) no ghost is shown.
  e.host.log.clear();
  PixelPoint beside{-1, -1};
  for (int py = 0; py < 250 && beside.x < 0; ++py)
    for (int px = 0; px < 350 && beside.x < 0; ++px) {
      const Cell c = WhatAdd(e.game.board().Grid(), px, py);
      if (c.z != 0 && Overlaps(e.game.board().Grid(), c)) beside = {px, py};
    }
  ASSERT_GE(beside.x, 0);
  MoveGhost(e.game, beside.x, beside.y);
  EXPECT_EQ(e.game.ModeData<EditorState>().Ghost, kNoGhost);
  EXPECT_EQ(e.host.log, (std::vector<std::string>{PaintOf(RedrawTileRect({10, 5, 3}, 36, 25, e.options.Shadows))}));
}

TEST(EditorLeaving, OnlyAFullLayoutIsFinishedAndLeavingTakesTheGhost) {
  Editor e;
  for (int i = 0; i < 143; ++i) e.game.Layout.set(1 + 2 * (i % 17), 1 + 2 * (i / 17 % 10), 1 + i / 170, 1);
  EXPECT_FALSE(EditorFinished(e.game));
  EXPECT_EQ(e.game.ModeData<EditorState>().TilesLeft, 1);
  e.game.Layout.set(34, 20, 2, 1);
  EXPECT_TRUE(EditorFinished(e.game));
  e.game.ModeData<EditorState>().Ghost = {3, 3, 0};
  CloseEditor(e.game, ModeIdle);
  EXPECT_EQ(e.game.ModeData<EditorState>().Ghost, kNoGhost);
  EXPECT_EQ(e.game.GameMode, ModeIdle);
  // The game that follows deals the edited layout.
  EXPECT_EQ(e.game.BeginGame(), DealResult::Dealt);
  EXPECT_EQ(e.game.GameMode, ModeClassic);
  EXPECT_EQ(e.game.TilesLeft(), 144);
  EXPECT_TRUE(Consistent(e.game));
}

TEST(EditorLeaving, AGameOnATriedLayoutIsFiledInNoList) {
  for (const bool tried : {false, true}) {
    Table t;
    t.game.BoardNumber = 3;
    t.Put("1 . . 2");
    t.game.LayoutFrom = tried ? LayoutOrigin::Edited : LayoutOrigin::ListedFile;
    t.host.now += 5000;
    t.Click(1);
    t.Click(2);
    t.Tick(1);
    EXPECT_EQ(t.game.GameMode, ModeGameOver);
    EXPECT_EQ(t.host.Has("add hall 3 5 0"), !tried);
    EXPECT_EQ(t.host.Has(std::string("game over 'Your final time is 00:05' no hall: ") + UnlistedLayoutNoHallText), tried)
        << "the dialog says why";
  }
}

}  // namespace
}  // namespace sorimo::test
