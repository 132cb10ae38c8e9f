// Play by keyboard: where the arrows take the cursor, that every tile a player could click can
// be reached, and that Space, Enter and Escape do what the mouse does there.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "engine/hall_columns.h"
#include "layouts/layout_reader.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

namespace fs = std::filesystem;

int CursorTile(const Table& t) { return t.game.Cursor.tile; }

// Left and Right read the board like a text, row after row; Up and Down go to the nearest
// tile above or below.
TEST(KeyboardCursor, ArrowsReadTheRowsAcrossAndGoToTheNearestTileUpOrDown) {
  Table t;
  t.Put(R"(
    layer 1 at 2,2
     1 . 2 . 3
     . . . . .
     4 . 5 . 6
  )");
  MoveKeyCursor(t.game, CursorStep::Right);  // the first key shows it on the tile nearest the middle
  EXPECT_EQ(CursorTile(t), 6);
  MoveKeyCursor(t.game, CursorStep::Left);
  MoveKeyCursor(t.game, CursorStep::Left);
  EXPECT_EQ(CursorTile(t), 4);
  MoveKeyCursor(t.game, CursorStep::Left);  // on to the end of the row above
  EXPECT_EQ(CursorTile(t), 3);
  MoveKeyCursor(t.game, CursorStep::Down);
  EXPECT_EQ(CursorTile(t), 6);
  MoveKeyCursor(t.game, CursorStep::Up);
  MoveKeyCursor(t.game, CursorStep::Left);
  MoveKeyCursor(t.game, CursorStep::Left);
  EXPECT_EQ(CursorTile(t), 1);
  t.host.log.clear();
  for (const CursorStep s : {CursorStep::Left, CursorStep::Up}) MoveKeyCursor(t.game, s);  // the edges: it stays
  EXPECT_EQ(CursorTile(t), 1);
  EXPECT_TRUE(t.host.Only({"paint"}).empty()) << "a key that moves nothing redraws nothing";
  // A move redraws the two faces, nothing else.
  MoveKeyCursor(t.game, CursorStep::Down);
  EXPECT_EQ(CursorTile(t), 4);
  EXPECT_EQ(t.host.Only({"paint"}), (std::vector<std::string>{PaintOf(HLRedrawTileRect({2, 2, 1}, 36, 25)),
                                                               PaintOf(HLRedrawTileRect({2, 4, 1}, 36, 25))}));
}

TEST(KeyboardCursor, ATileUnderAnotherIsNeverReached) {
  Table t;
  t.Put(R"(
    layer 1 at 4,4
     1 . 2 . 3
    layer 2 at 6,4
     4
  )");
  // Its edge shows and takes a click, but it is no tile to stand on.
  EXPECT_TRUE(ClickPointOf(t.game.board().Grid(), t.game.board().Records(), 2).has_value());
  EXPECT_FALSE(CursorCanStandOn(t.game.board().Grid(), t.game.board().Records(), 2));
  EXPECT_TRUE(CursorCanStandOn(t.game.board().Grid(), t.game.board().Records(), 4));
  std::set<int> seen;
  for (const CursorStep s : {CursorStep::Left, CursorStep::Left, CursorStep::Left, CursorStep::Left, CursorStep::Right,
                             CursorStep::Right, CursorStep::Right, CursorStep::Up, CursorStep::Down}) {
    MoveKeyCursor(t.game, s);
    seen.insert(CursorTile(t));
  }
  EXPECT_EQ(seen, (std::set<int>{1, 3, 4}));
}

// From any tile, the arrows lead to every tile a player could click: on every shipped layout
// at the start of a game, and again half way through.
TEST(KeyboardCursor, EveryClickableTileCanBeReachedOnTheShippedLayouts) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(SORIMO_SOURCE_DATA) / "Layouts"))
    if (e.path().extension() == ".lay") files.push_back(e.path());
  std::sort(files.begin(), files.end());
#ifdef SORIMO_SANITIZED
  files.resize(std::min<size_t>(files.size(), 4));
#endif
  for (const fs::path& f : files) {
    SCOPED_TRACE(f.filename().string());
    Table t;
    ASSERT_EQ(t.Deal(LoadLayoutFile(f).cells, 7, false), DealResult::Dealt);
    for (int round = 0; round < 2; ++round) {
      std::set<int> clickable;
      for (int n = 1; n <= kTileCount; ++n)
        if (CursorCanStandOn(t.game.board().Grid(), t.game.board().Records(), n)) clickable.insert(n);
      // Every tile the arrows lead to from the reached ones, until nothing new comes.
      const int start = NearestClickableTile(t.game.board().Grid(), t.game.board().Records(), {300, 200});
      std::set<int> reached{start};
      std::vector<int> todo{start};
      while (!todo.empty()) {
        const int n = todo.back();
        todo.pop_back();
        for (const CursorStep s : {CursorStep::Left, CursorStep::Right, CursorStep::Up, CursorStep::Down}) {
          const int next = NextClickableTile(t.game.board().Grid(), t.game.board().Records(), n, FaceMiddle(t.game.board().Records()[size_t(n)]), s);
          if (reached.insert(next).second) todo.push_back(next);
        }
      }
      EXPECT_EQ(reached, clickable);
      for (int n : clickable)
        if (!reached.count(n)) {
          const TileRecord& r = t.game.board().Records()[size_t(n)];
          ADD_FAILURE() << "unreached " << n << " at " << r.x << "," << r.y << "," << r.z << "\n" << t.Board();
        }
      // Half the tiles off, the free ones first, as a game goes.
      for (int taken = 0; taken < 72; ++taken) {
        int n = 1;
        while (n <= kTileCount && !(t.game.board().Records()[size_t(n)].present() && t.game.IsFreeNow(n))) ++n;
        if (n > kTileCount) break;
        t.game.board().TakeTile(n);
      }
    }
  }
}

TEST(KeyboardPlay, SpaceAndEnterClickTheCursorAndEscapeClearsTheChoice) {
  Table t;
  t.Put("1 . . 2 . . 5 . 3");
  MoveKeyCursor(t.game, CursorStep::Left);
  while (CursorTile(t) != 1) MoveKeyCursor(t.game, CursorStep::Left);
  PressKeyCursor(t.game);
  EXPECT_EQ(t.game.choice.FirstSelected, 1);
  EscapeKey(t.game);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  PressKeyCursor(t.game);
  MoveKeyCursor(t.game, CursorStep::Right);
  EXPECT_EQ(CursorTile(t), 2);
  PressKeyCursor(t.game);  // tiles 1 and 2 match: the pair goes
  EXPECT_EQ(t.game.TilesLeft(), 2);
  EXPECT_TRUE(t.host.Has("sound done"));
  // The cursor's tile went: the next key goes on from where it stood.
  MoveKeyCursor(t.game, CursorStep::Right);
  EXPECT_EQ(CursorTile(t), 5);
  EXPECT_TRUE(Consistent(t.game));

  // A new game hides the cursor.
  ASSERT_EQ(t.Deal(kTurtle, 3, false), DealResult::Dealt);
  EXPECT_EQ(t.game.Cursor, KeyboardCursor{});
}

TEST(KeyboardPlay, InClicksTheCursorWalksTheCellsAndSpaceTakesAGroup) {
  Table t;
  ASSERT_EQ(t.game.StartMode(ModeClicks, kClicksEasyColumn), DealResult::Dealt);
  MoveKeyCursor(t.game, CursorStep::Up);
  EXPECT_EQ(t.game.Cursor.cell, (ClicksCell{10, kClicksBottomRow}));
  for (int i = 0; i < 30; ++i) MoveKeyCursor(t.game, CursorStep::Left);
  EXPECT_EQ(t.game.Cursor.cell.column, kClicksFirstColumn);
  // Walk the bottom row until a cell starts a group, and take it.
  while (!StartsGroup(t.game.ModeData<ClicksState>().Grid, t.game.Cursor.cell.column, t.game.Cursor.cell.row))
    MoveKeyCursor(t.game, CursorStep::Right);
  const int before = t.game.ModeData<ClicksState>().ClicksStep;
  PressKeyCursor(t.game);
  EXPECT_EQ(t.game.ModeData<ClicksState>().ClicksStep, before + 1);
}

TEST(KeyboardPlay, TheEditorAndTheScreensBetweenGamesTakeNoKeys) {
  Table t;
  MoveKeyCursor(t.game, CursorStep::Right);
  PressKeyCursor(t.game);
  EXPECT_EQ(t.game.Cursor, KeyboardCursor{});
  EXPECT_TRUE(t.host.log.empty());
  OpenEditor(t.game, true);
  t.game.RandomSolitaireGame1Click();
  MoveKeyCursor(t.game, CursorStep::Right);
  PressKeyCursor(t.game);
  EXPECT_EQ(t.game.Layout.count(), 0);
}

}  // namespace
}  // namespace sorimo::test
