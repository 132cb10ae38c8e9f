// Which tiles are free under both rules, how moves are counted, and what clicks do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/game_test_peer.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

TEST(FreeRule, SidesAndTop) {
  Table t;
  // Row 1: 1 has only 2 on its right; 2 is held by 1 and 3; 3 by 2 and by 4, which sits one
  // row lower on its right. Tile 6 on layer 1 is touched by 7 one column over and one row
  // down on layer 2. Tile 9 on layer 5 has a neighbour on the left only.
  t.Put(R"(
    layer 1 at 1,1
    1 . 2 . 3 . . .
    . . . . . . 4 .
    layer 1 at 1,6
    6
    layer 2 at 2,7
    7
    layer 5 at 20,10
    8 . 9
  )");
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 1));
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 2));
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 3)) << "a neighbour offset by one row still blocks";
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 4));
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 6)) << "a quarter overlap from above covers";
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 7));
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 9)) << "nothing can lie on layer 5";
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 8));
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 10)) << "a tile not on the board is never free";
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 0));
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 200));
}

TEST(FreeRule, VerticalVariationLooksUpAndDown) {
  Table t;
  // 5 has neighbours left and right but nothing above it; 9 has tiles two rows above and
  // below, one of them offset by a column.
  t.Put(R"(
    layer 1 at 1,1
    1 . 5 . 2
    . . . . .
    . . . . . . . . 3
    . . . . . . . . .
    . . . . . . . 9 .
    . . . . . . . . .
    . . . . . . . . 4
  )");
  EXPECT_FALSE(GameTestPeer::Dispo(t.game, 5));
  EXPECT_TRUE(GameTestPeer::Dispo_Vertical(t.game, 5));
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 9));
  EXPECT_FALSE(GameTestPeer::Dispo_Vertical(t.game, 9));
  EXPECT_TRUE(t.game.IsFreeNow(9));
  t.options.Vertical = true;  // read at every call
  EXPECT_FALSE(t.game.IsFreeNow(9));
  EXPECT_TRUE(t.game.IsFreeNow(5));
}

TEST(FreeRule, EdgesOfThePlayfieldNeverBlock) {
  Table t;
  t.Put(R"(
    layer 1 at 1,1
    1 . 2 . . . . . . . . . . . . . . . . . . . . . . . . . . . . 3 . 4
    layer 1 at 1,19
    5 . 6 . . . . . . . . . . . . . . . . . . . . . . . . . . . . 7 . 8
  )");
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 1));
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 4));  // column 34
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 5));
  EXPECT_TRUE(GameTestPeer::Dispo(t.game, 8));
  EXPECT_TRUE(GameTestPeer::Dispo_Vertical(t.game, 1));
  EXPECT_TRUE(GameTestPeer::Dispo_Vertical(t.game, 8));  // row 19 reaches row 20; below is margin
  EXPECT_EQ(t.game.board().Records()[4], (TileRecord{34, 1, 1}));
}

TEST(FreeRule, RiversAndEditorAnswerFreeForAnyTile) {
  Table t;
  t.Put("1 . 2 . 3");
  for (const uint8_t mode : {ModeRivers, ModeEditor}) {
    t.game.GameMode = mode;
    EXPECT_TRUE(GameTestPeer::Dispo(t.game, 2));
    EXPECT_TRUE(GameTestPeer::Dispo(t.game, 77));  // not even on the board
    EXPECT_TRUE(GameTestPeer::Dispo_Vertical(t.game, 2));
  }
}

TEST(MoveCount, EachGroupCountsItsFreeTilesLessOne) {
  Table t;
  // All tiles stand alone and are free. Group 0: 1, 2, 3 (two moves). Group 1: 5..8 (three
  // moves, though four tiles make six pairs). 12 and 13 are neighbours in the list but of
  // different groups. Flowers 109 and 111 are one group: one move.
  t.Put(R"(
    1 . . 2 . . 3 . . 5 . . 6 . . 7 . . 8
    .
    .
    12 . . 13 . . 109 . . 111
  )");
  t.game.IsItFree();
  EXPECT_EQ(t.game.moves.FreeCount, 11);
  EXPECT_EQ(t.game.moves.MovesLeft, 2 + 3 + 0 + 1);
  for (int i = 1; i < t.game.moves.FreeCount; ++i) EXPECT_LT(t.game.moves.FreeTiles[i], t.game.moves.FreeTiles[i + 1]);

  // Outside a counting mode the figures stay as they were.
  t.game.GameMode = ModePaused;
  t.game.board().NewDeal(0);
  t.game.IsItFree();
  EXPECT_EQ(t.game.moves.MovesLeft, 6);
  t.game.GameMode = ModeMemory;
  t.game.IsItFree();
  EXPECT_EQ(t.game.moves.FreeCount, 11);
}

TEST(Selection, NoWaySelectSwitchAndMatch) {
  Table t;
  // 1 and 9 are free, 2 is held between 1 and 3; 10 matches 9; 5 and 6 stand alone.
  t.Put(R"(
    1 . 2 . 3
    .
    9 . . . 10
    .
    5 . . . 6 . . . 7
  )");
  t.Click(1);
  EXPECT_EQ(t.game.choice.FirstSelected, 1);
  t.Click(2);
  EXPECT_EQ(t.game.choice.FirstSelected, 1) << "a blocked tile leaves the selection alone";
  EXPECT_EQ(t.game.choice.SecondSelected, 0);

  // The old selection is drawn after it has moved on, so it is drawn unselected.
  int selectedWhilePainting = -1;
  t.host.duringPaint = [&] { selectedWhilePainting = t.game.choice.FirstSelected; };
  t.Click(9);
  t.host.duringPaint = nullptr;
  EXPECT_EQ(t.game.choice.FirstSelected, 9);
  EXPECT_EQ(selectedWhilePainting, 9);

  t.Click(10);
  EXPECT_EQ(t.game.TilesLeft(), 6);
  EXPECT_FALSE(t.game.board().Records()[9].present());
  EXPECT_FALSE(t.game.board().Records()[10].present());
  EXPECT_EQ(t.game.board().Grid().at(1, 3, 1), 0);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.MoveHistory()[0], (HistoryEntry{9, 1, 3, 1}));
  EXPECT_EQ(t.game.MoveHistory()[1], (HistoryEntry{10, 5, 3, 1}));
  EXPECT_EQ(t.host.Sounds(),
            (std::vector<std::string>{"sound select", "sound noway", "sound select", "sound done"}));
  EXPECT_TRUE(Consistent(t.game));

  // The selected tile clicked again is put down.
  t.host.log.clear();
  t.Click(5);
  t.Click(5);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.choice.SecondSelected, 0);
  EXPECT_EQ(t.host.Sounds(), (std::vector<std::string>{"sound select", "sound select"}));
  EXPECT_EQ(t.game.TilesLeft(), 6);
}

TEST(Selection, ClicksBesideTheTilesOrOutOfPlayDoNothing) {
  Table t;
  t.Put("layer 1 at 1,1\n 1 . 2");
  const int before = static_cast<int>(t.host.log.size());
  t.game.ButtonDown(MouseButton::Left, t.game.BoardOrigin.x + 500, t.game.BoardOrigin.y + 300);
  // Column 1 reaches 26 pixels left of the origin, but clicks 20 or more to the left of it
  // are not on the board.
  t.game.ButtonDown(MouseButton::Left, t.game.BoardOrigin.x - 22, t.game.BoardOrigin.y + 5);
  EXPECT_EQ(static_cast<int>(t.host.log.size()), before);
  t.game.ButtonDown(MouseButton::Left, t.game.BoardOrigin.x - 19, t.game.BoardOrigin.y + 5);
  EXPECT_EQ(t.game.choice.FirstSelected, 1);

  for (const uint8_t mode : {ModeIdle, ModeGameOver, ModeStopped, ModePaused}) {
    t.game.choice.FirstSelected = 0;
    t.game.GameMode = mode;
    t.Click(1);
    EXPECT_EQ(t.game.choice.FirstSelected, 0) << "mode " << int(mode);
  }
  t.game.GameMode = ModeMemory;
  t.game.ModeData<MemoryState>().RevealCountdown = 3;  // a Memory pair waiting: every click is lost
  t.Click(1);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
}

TEST(Selection, RightClickDropsSelectionAndHint) {
  Table t;
  t.Put("1 . . 2 . . 5");
  t.Click(1);
  t.game.choice.HintFirst = 1;
  t.game.choice.HintSecond = 2;
  t.host.log.clear();
  t.Click(5, MouseButton::Right);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.choice.HintFirst, 0);
  // The two faces that lose their highlight are drawn again, then the panel is shown.
  EXPECT_EQ(t.host.Only({"paint", "panel copy"}),
            (std::vector<std::string>{PaintOf(TileFaceRect(t.game, 1)), PaintOf(TileFaceRect(t.game, 2)), "panel copy"}));
  EXPECT_EQ(t.game.TilesLeft(), 3);

  // Nothing highlighted: no face changes, but the redraw's first step still runs and notices
  // a cleared board, as a whole redraw would.
  t.host.log.clear();
  t.Click(5, MouseButton::Right);
  EXPECT_TRUE(t.host.Only({"paint"}).empty());
  t.game.clock.ElapsedSeconds = 3;
  for (const int tile : {1, 2, 5}) t.game.board().TakeTile(tile);
  t.game.ButtonDown(MouseButton::Right, 100, 100);
  EXPECT_TRUE(t.game.GameFinished);
}

TEST(VerticalVariation, ChangesOnlyWithANewGame) {
  Table t;
  t.game.Layout = MustLayout(kTurtle);
  t.game.GameMode = ModeClassic;
  t.host.answers = {false};
  t.game.VerticalClick();
  EXPECT_FALSE(t.options.Vertical);
  EXPECT_TRUE(t.host.Has("ask Vertical variation"));

  t.host.answers = {true};
  const uint32_t before = t.host.now;
  t.host.now += 777;
  t.game.VerticalClick();
  EXPECT_TRUE(t.options.Vertical);
  EXPECT_EQ(t.game.clock.StartTick, before + 777) << "a new game started";

  for (const uint8_t mode : {ModeTwoPlayer, ModeRivers, ModeMemory, ModeEditor, ModePaused}) {
    t.game.GameMode = mode;
    t.game.VerticalClick();
    EXPECT_TRUE(t.options.Vertical) << "mode " << int(mode);
  }
  for (const uint8_t mode : {ModeIdle, ModeGameOver, ModeStopped}) {
    t.game.GameMode = mode;
    const bool was = t.options.Vertical;
    t.game.VerticalClick();
    EXPECT_NE(t.options.Vertical, was) << "mode " << int(mode);
  }
}

}  // namespace
}  // namespace sorimo::test
