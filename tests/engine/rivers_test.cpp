// Mah-Jongg Rivers: the deal, the path rule and its search order, the slide, undo after a
// slide, and the move count. Boards are written as text pictures; Rivers places are even
// columns and odd rows, so a picture shows a tile, a '.', a tile... on every other row.
#include <utility>
#include <vector>

#include "engine/hall_columns.h"
#include "engine/modes/rivers.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

using Place = std::pair<int, int>;

// A running Rivers game on a hand-written board, nothing removed yet.
void PutRivers(Table& t, const char* text, int dealt = 0) {
  t.Put(text, dealt);
  t.game.GameMode = ModeRivers;
}

Place At(const Table& t, int tile) { return {t.game.board().Records()[tile].x, t.game.board().Records()[tile].y}; }

// Where `tile` stood at each redraw while it was travelling, repeats and the moments between
// two places left out.
struct SlideWatch {
  std::vector<Place> places;
  void Attach(Table& t, int tile) {
    t.host.duringPaint = [this, &t, tile] {
      if (!t.game.ModeData<RiversState>().RiverFound || !t.game.board().Records()[tile].present()) return;
      const Place p = At(t, tile);
      if (places.empty() || places.back() != p) places.push_back(p);
    };
  }
};

// ---------------------------------------------------------------- The path rule

TEST(RiversPath, AdjacentAndStraightPairsJoinInOneSegment) {
  Table t;
  PutRivers(t, R"(
layer 1 at 4,5
1 . 2 . . . 3 . 9 . 4
.
5 . 7
.
6)");
  EXPECT_TRUE(CanBeReached(t.game, 1, 2)) << "neighbours in a row";
  EXPECT_TRUE(CanBeReached(t.game, 2, 1)) << "either way round";
  EXPECT_TRUE(CanBeReached(t.game, 5, 6)) << "neighbours in a column";
  EXPECT_TRUE(CanBeReached(t.game, 2, 3)) << "across an empty place";
  EXPECT_TRUE(CanBeReached(t.game, 3, 4)) << "tile 9 stands between, but the path turns around it";
  EXPECT_FALSE(CanBeReached(t.game, 1, 1)) << "a tile is not its own partner";
  EXPECT_FALSE(t.game.ModeData<RiversState>().RiverFound) << "cleared once the answer is known";

  // The player's view: two clicks take the pair, with the "done" sound.
  t.Click(1);
  t.Click(2);
  EXPECT_EQ(t.game.TilesLeft(), 6);
  EXPECT_EQ(t.host.Sounds().back(), "sound done");
  EXPECT_TRUE(Consistent(t.game));
}

TEST(RiversPath, PairsOnTheOutsideJoinThroughTheBorderRowsAndColumns) {
  Table t;
  // The top row of a full block: the only way runs through the empty row above it.
  PutRivers(t, R"(
layer 1 at 4,5
1 . 20 . 21 . 22 . 2
.
23 . 24 . 25 . 26 . 27)");
  EXPECT_TRUE(CanBeReached(t.game, 1, 2));

  // A block on rows 3 and 5: the way round goes through row 1, the last row a path may use.
  PutRivers(t, R"(
layer 1 at 4,3
1 . 20 . 2
.
23 . 24 . 25)");
  EXPECT_TRUE(CanBeReached(t.game, 1, 2)) << "row 1 is a place";
  // The same block one row higher: nothing lies above row 1.
  PutRivers(t, R"(
layer 1 at 4,1
1 . 20 . 2
.
23 . 24 . 25)");
  EXPECT_FALSE(CanBeReached(t.game, 1, 2)) << "no place above row 1";

  // Down the right-hand side: column 32 is the last column a path may use.
  PutRivers(t, R"(
layer 1 at 28,3
20 . 1
.
21 . 22
.
23 . 2)");
  EXPECT_TRUE(CanBeReached(t.game, 1, 2)) << "round through column 32";
  PutRivers(t, R"(
layer 1 at 30,3
20 . 1
.
21 . 22
.
23 . 2)");
  EXPECT_FALSE(CanBeReached(t.game, 1, 2)) << "no place right of column 32";
  // And the left-hand side, through column 2.
  PutRivers(t, R"(
layer 1 at 4,3
1 . 20
.
22 . 21
.
2 . 23)");
  EXPECT_TRUE(CanBeReached(t.game, 1, 2)) << "round through column 2";
}

// Seven by seven places, all taken but a winding corridor from tile 1 to tile 2 that needs
// four segments: right, down, right, down.
constexpr char kFourSegments[] = R"(
layer 1 at 4,3
20 . 21 . 22 . 23 . 24 . 25 . 26
.
27 . 1 . . . 28 . 29 . 30 . 31
.
32 . 33 . . . 34 . 35 . 36 . 37
.
38 . 39 . . . . . . . 40 . 41
.
42 . 43 . 44 . 45 . . . 46 . 47
.
48 . 49 . 50 . 51 . 2 . 52 . 53
.
54 . 55 . 56 . 57 . 58 . 59 . 60
layer 2 at 30,19
61)";

TEST(RiversPath, APairThatNeedsThreeTurnsIsRefusedWithTheSelectSound) {
  Table t;
  PutRivers(t, kFourSegments);
  EXPECT_FALSE(CanBeReached(t.game, 1, 2));
  EXPECT_FALSE(CanBeReached(t.game, 2, 1));

  const BoardGrid before = t.game.board().Grid();
  t.Click(2);
  t.Click(1);
  EXPECT_EQ(t.game.TilesLeft(), 44) << "nothing was taken";
  EXPECT_EQ(t.game.choice.FirstSelected, 1) << "the second tile becomes the selection";
  EXPECT_EQ(t.game.choice.SecondSelected, 0);
  EXPECT_EQ(t.host.Sounds().back(), "sound select");
  EXPECT_EQ(t.game.board().Grid(), before) << "nothing slid";
}

TEST(RiversPath, LayersNeitherBlockNorConnect) {
  Table t;
  // Hard boards: two layers, one exactly on top of the other.
  PutRivers(t, R"(
layer 1 at 4,3
1 . . . 2 . 7
layer 2 at 4,3
. . 3 . . . 4
.
.
.
5 . 9 . 6)");
  EXPECT_TRUE(CanBeReached(t.game, 1, 2)) << "tile 3 above the path does not block layer 1";
  EXPECT_TRUE(CanBeReached(t.game, 3, 4)) << "tile 2 below the path does not block layer 2";
  EXPECT_FALSE(CanBeReached(t.game, 1, 3)) << "tile 3 lies on another layer, next to it";
  EXPECT_FALSE(CanBeReached(t.game, 4, 7)) << "nor in a line, two places apart";
  EXPECT_TRUE(CanBeReached(t.game, 5, 6)) << "around tile 9 on its own layer";

  // Clicking tiles of two layers that stand side by side takes nothing.
  t.Click(3);
  t.Click(1);
  EXPECT_EQ(t.game.TilesLeft(), 8);
  EXPECT_EQ(t.game.choice.FirstSelected, 1);
  EXPECT_EQ(t.host.Sounds().back(), "sound select");
}

// ---------------------------------------------------------------- The slide

TEST(RiversSlide, TheFirstTileVisitsEveryPlaceOfTheFirstPathInSearchOrder) {
  struct Case {
    const char* why;
    const char* board;
    std::vector<Place> expected;  // tile 1's places, from its own to the one next to tile 2
  };
  // Tile 2 at (4,5), tile 1 at (8,9) on an open board: first segment right, and at its first
  // empty place the turn down wins over any shorter path.
  const Case cases[] = {
      {"right, down, right",
       R"(
layer 1 at 4,5
2
.
.
.
. . . . 1)",
       {{8, 9}, {6, 9}, {6, 7}, {6, 5}}},
      {"right is blocked: left, down, right",
       R"(
layer 1 at 4,5
2 . 9 . . . . . . . 10
.
.
.
. . . . 1)",
       {{8, 9}, {6, 9}, {4, 9}, {2, 9}, {2, 7}, {2, 5}}},
      {"both ways along the row are blocked: down, right, down",
       R"(
layer 1 at 2,5
10 . 2 . 9
.
.
.
. . . . . . 1)",
       {{8, 9}, {8, 7}, {6, 7}, {4, 7}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Table t;
    PutRivers(t, c.board);
    ASSERT_EQ(At(t, 1), c.expected.front());
    SlideWatch watch;
    watch.Attach(t, 1);
    t.Click(1);
    t.Click(2);
    EXPECT_EQ(watch.places, c.expected);
    EXPECT_EQ(t.host.Count("repaint"), static_cast<int>(c.expected.size())) << "each step is shown at once";
    EXPECT_FALSE(t.game.ModeData<RiversState>().RiverFound);
    EXPECT_FALSE(t.game.board().Records()[1].present());
    EXPECT_FALSE(t.game.board().Records()[2].present());
    EXPECT_TRUE(Consistent(t.game));
  }
}

TEST(RiversSlide, WithoutTheAnimationNothingMoves) {
  Table t;
  t.options.AnimateTileRivers = false;
  PutRivers(t, "layer 1 at 4,5\n2\n.\n.\n.\n. . . . 1");
  SlideWatch watch;
  watch.Attach(t, 1);
  t.Click(1);
  t.Click(2);
  EXPECT_EQ(t.game.TilesLeft(), 0);
  EXPECT_TRUE(watch.places.empty());
  EXPECT_EQ(t.host.Count("repaint"), 0);
}

TEST(RiversSlide, UndoPutsTheSlidTileBackWhereItStoodBefore) {
  Table t;
  PutRivers(t, R"(
layer 1 at 4,5
2 . . . . . . . 5
.
.
.
.
.
.
.
6 . . . . . . . 1
.
.
.
9 . 10)");
  const BoardGrid dealt = t.game.board().Grid();
  t.Click(1);
  t.Click(2);  // tile 1 slides to (6,5) before both go
  ASSERT_EQ(t.game.TilesLeft(), 4);
  t.Click(6);
  t.Click(5);
  ASSERT_EQ(t.game.TilesLeft(), 2);

  t.game.Back();
  EXPECT_EQ(At(t, 6), Place(4, 13));
  EXPECT_EQ(At(t, 5), Place(12, 5));
  t.game.Back();
  EXPECT_EQ(At(t, 1), Place(12, 13)) << "where it stood, not where it slid to";
  EXPECT_EQ(At(t, 2), Place(4, 5));
  EXPECT_EQ(t.game.board().Grid(), dealt);
  EXPECT_TRUE(Consistent(t.game));

  // Restart goes back to the deal in one command, too.
  t.Click(1);
  t.Click(2);
  t.game.Restart();
  EXPECT_EQ(t.game.board().Grid(), dealt);
  EXPECT_EQ(t.game.TilesLeft(), 6);
}

// ---------------------------------------------------------------- The move count

TEST(RiversMoves, CountsReachablePairsOfUncoveredTilesOnly) {
  Table t;
  // Group 1..4: 1-2 join; 3 is on layer 2, 4 off the board. Group 5..8: 5-6 join, but 6
  // is covered by 9. Group 9..12: 9 alone. Group 13..16: all four join each other.
  PutRivers(t, R"(
layer 1 at 4,3
1 . 2 . 5 . 6 . 13 . 14 . 15 . 16
layer 2 at 10,3
9
layer 2 at 30,19
3)", 16);  // every group is dealt
  t.game.IsItFree();
  std::vector<int> free(t.game.moves.FreeTiles.begin() + 1, t.game.moves.FreeTiles.begin() + 1 + t.game.moves.FreeCount);
  EXPECT_EQ(free, (std::vector<int>{1, 2, 13, 14, 15, 16}));
  // Counted as in the classic game: k listed tiles of a group give k - 1 moves.
  EXPECT_EQ(t.game.moves.MovesLeft, 1 + 3);

  // Tile 6 can still be taken: it is clicked where its edge shows.
  t.Click(5);
  t.Click(6);
  EXPECT_EQ(t.game.TilesLeft(), 8);
}

TEST(RiversMoves, CountingSlidesNothingAndLeavesTheOptionAsItWas) {
  Table t;
  PutRivers(t, "layer 1 at 4,5\n2\n.\n.\n.\n. . . . 1");
  const BoardGrid before = t.game.board().Grid();
  t.Tick();
  EXPECT_EQ(t.game.moves.MovesLeft, 1);
  EXPECT_EQ(t.game.board().Grid(), before);
  EXPECT_EQ(t.host.Count("repaint"), 0);
  EXPECT_TRUE(t.options.AnimateTileRivers);
  EXPECT_EQ(t.host.fields, "2|1|00:00");

  // Removed tiles never pair, whatever their records said before.
  t.game.board().TakeTile(1);
  t.game.IsItFree();
  EXPECT_EQ(t.game.moves.FreeCount, 0);
  EXPECT_EQ(t.game.moves.MovesLeft, 0);
}

// ---------------------------------------------------------------- Starting a game

TEST(RiversStart, EasyAndHardFillTheirRectanglesAndTakeTheirLists) {
  Table t;
  t.game.BoardNumber = 7;  // a layout's list
  ASSERT_EQ(t.game.StartMode(ModeRivers, kRiversEasyColumn), DealResult::Dealt);
  EXPECT_EQ(t.game.GameMode, ModeRivers);
  EXPECT_EQ(t.game.BoardNumber, kRiversEasyColumn);
  EXPECT_EQ(t.game.SavedBoardNumber, 7);
  EXPECT_EQ(t.game.TilesLeft(), 84);
  EXPECT_EQ(t.game.TilesTotal(), 84);
  EXPECT_EQ(t.game.status.StatusMessage, RiversStartedText);
  for (int x = 4; x <= 30; x += 2)
    for (int y = 5; y <= 15; y += 2) EXPECT_NE(t.game.board().Grid().at(x, y, 1), 0) << x << "," << y;
  EXPECT_TRUE(Consistent(t.game)) << "84 tiles, all on layer 1, the others off the board";

  ASSERT_EQ(t.game.StartMode(ModeRivers, kRiversHardColumn), DealResult::Dealt);
  EXPECT_EQ(t.game.BoardNumber, kRiversHardColumn);
  EXPECT_EQ(t.game.SavedBoardNumber, 7) << "an arcade list is never the one kept";
  EXPECT_EQ(t.game.TilesLeft(), 144);
  for (int n = 1; n <= 144; ++n) {
    const TileRecord& r = t.game.board().Records()[n];
    EXPECT_EQ(r.z, n <= 72 ? 1 : 2) << n;
    EXPECT_TRUE(r.x >= 6 && r.x <= 28 && r.x % 2 == 0 && r.y >= 5 && r.y <= 15 && r.y % 2 == 1) << n;
  }
  EXPECT_TRUE(Consistent(t.game));

  // "New" repeats the kind of game, from the same seed the same deal.
  const BoardGrid hard = t.game.board().Grid();
  t.Click(73);
  ASSERT_EQ(t.game.NewGame(), DealResult::Dealt);
  EXPECT_EQ(t.game.BoardNumber, kRiversHardColumn);
  EXPECT_EQ(t.game.board().Grid(), hard) << "the time of day seeds the deal";
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  t.host.timeOfDay += 1;
  t.game.NewGame();
  EXPECT_NE(t.game.board().Grid(), hard);

  // A classic game afterwards takes the chosen layout's list again.
  t.game.Layout = MustLayout(kTurtle);
  t.options.LayoutChoice = 7;
  ASSERT_EQ(t.game.RandomSolitaireGame1Click(), DealResult::Dealt);
  EXPECT_EQ(t.game.BoardNumber, 7);
}

TEST(RiversStart, AGameStartedWhilePausedRunsAndItsClockStartsAtZero) {
  Table t;
  t.Put("1 . . 2");
  t.Tick(30000);
  t.game.clock.PenaltySeconds = 80;
  t.game.PauseClick();
  ASSERT_EQ(t.game.GameMode, ModePaused);
  ASSERT_EQ(t.game.StartMode(ModeRivers, kRiversEasyColumn), DealResult::Dealt);
  EXPECT_EQ(t.game.GameMode, ModeRivers);
  t.Tick(2000);
  EXPECT_EQ(t.game.clock.ElapsedSeconds, 2);
  EXPECT_EQ(t.game.clock.PenaltySeconds, 0);
}

}  // namespace
}  // namespace sorimo::test
