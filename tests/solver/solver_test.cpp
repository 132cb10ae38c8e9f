// The solver on boards written to need one of its rules each, on deals of the shipped
// Traditional layout played out in a real game (by clicks), and under budgets too small for
// the answer.
#include <gtest/gtest.h>

#include "layouts/clearing_share.h"
#include "layouts/layout_reader.h"
#include "solver_support.h"

namespace sorimo::test {
namespace {

const SolveBudget kNoLimit{0};

SolveResult Solve(const BoardPicture& b, bool vertical = false) {
  return SolveBoard(b.grid, b.records, vertical, kNoLimit);
}

LayoutCells Traditional() {
  const LayoutReadResult r = LoadLayoutFile(std::string(SORIMO_SOURCE_DATA) + "/Layouts/Traditional.lay");
  EXPECT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  return r.cells;
}

TEST(Solver, EmptyAndUnpairableBoards) {
  const SolveResult empty = SolveBoard(BoardGrid{}, TileRecords{}, false, kNoLimit);
  EXPECT_EQ(empty.verdict, SolveVerdict::Clearable);
  EXPECT_TRUE(empty.order.empty());
  // Three tiles of a group: one is always left without a partner, however free they are.
  EXPECT_EQ(Solve(MustBoard("1 . . . 2 . . . 3")).verdict, SolveVerdict::Impossible);
  // A flower matches any other flower and a season any season, but never each other.
  EXPECT_EQ(Solve(MustBoard("109 . . . 112 . . . 113 . . . 116")).verdict, SolveVerdict::Clearable);
  EXPECT_EQ(Solve(MustBoard("109 . . . 113")).verdict, SolveVerdict::Impossible);
}

// Four free tiles of a group leave at once, and so do the last two of a group: a board made
// only of those needs no choice at all.
TEST(Solver, FourFreeAndLastTwoNeedNoChoice) {
  const BoardPicture b = MustBoard(R"(
    layer 1 at 2,2
    1 . . . 2 . . . 3 . . . 4
    .
    .
    .
    5 . . . 6 . . . 37 . . . 38
    layer 2 at 2,6
    9 . . . . . . . 10
  )");
  // Group of 1..4: all free. Tiles 5 and 6 are the last two of their group. 37 and 38 lie under
  // 9 and 10, the last two of theirs, which free them once they go.
  const SolveResult r = Solve(b);
  ASSERT_EQ(r.verdict, SolveVerdict::Clearable);
  EXPECT_EQ(r.nodes, 0) << "nothing to choose";
  EXPECT_EQ(r.order.size(), 5u);
  Table t;
  PutPosition(t, {b.grid, b.records, b.tiles}, false);
  EXPECT_TRUE(ReplayClears(t, r.order, true));
}

// Boards that cannot be cleared because of how tiles of one kind block each other.
TEST(Solver, BlockingPatternsAreImpossible) {
  // The last two of a group, one on the other.
  const SolveResult stacked = Solve(MustBoard(R"(
    layer 1 at 3,3
    1 . . . 5 . . . 6
    layer 2 at 3,3
    2
  )"));
  EXPECT_EQ(stacked.verdict, SolveVerdict::Impossible);
  EXPECT_EQ(stacked.nodes, 0) << "seen before any search";

  // Three of a group in one stack: whatever the pairing, one pair is a tile over another.
  EXPECT_EQ(Solve(MustBoard(R"(
    layer 1 at 3,3
    1 . . . 4
    layer 2 at 3,3
    2
    layer 3 at 3,3
    3
  )")).verdict,
            SolveVerdict::Impossible);

  // Two pairs in one row, each in the middle of the other: 2 waits for 5 or 6 to go, 5 for 1
  // or 2, so neither pair can ever be free at once. Nothing lies on anything.
  const SolveResult row = Solve(MustBoard("1 . 5 . 2 . 6"));
  EXPECT_EQ(row.verdict, SolveVerdict::Impossible);
  EXPECT_LE(row.nodes, 1) << "the relaxed game sees it at the start";
  // Under the vertical rule the same row is four free tiles.
  EXPECT_EQ(Solve(MustBoard("1 . 5 . 2 . 6"), true).verdict, SolveVerdict::Clearable);

  // Two groups in two stacks the wrong way round: 5 lies on 1, and 2 on 6.
  EXPECT_EQ(Solve(MustBoard(R"(
    layer 1 at 3,3
    1 . . . 6
    layer 2 at 3,3
    5 . . . 2
  )")).verdict,
            SolveVerdict::Impossible);
}

// The obvious move is the wrong one: 1 and 2 are free and match, but 3 lies under 5 and 4 on
// 6, the partner of 5. Taking 1 with 2 leaves 3 and 4 to go together, which needs 5 gone,
// which needs 6, which needs 4 gone first. Pairing 1 or 2 with 4 instead clears the board.
TEST(Solver, FindsThePairingTheObviousMoveRulesOut) {
  const BoardPicture b = MustBoard(R"(
    layer 1 at 1,1
    1 . . . 2 . . . 3 . . . 6
    layer 2 at 9,1
    5 . . . 4
  )");
  const SolveResult r = Solve(b);
  ASSERT_EQ(r.verdict, SolveVerdict::Clearable);
  ASSERT_FALSE(r.order.empty());
  EXPECT_NE(r.order.front(), (TilePair{1, 2}));
  EXPECT_NE(r.order.front(), (TilePair{2, 1}));
  Table t;
  PutPosition(t, {b.grid, b.records, b.tiles}, false);
  EXPECT_TRUE(ReplayClears(t, r.order, true));
  // With tile 4 under 6 instead, the pairing no longer matters and 1 with 2 is fine.
  EXPECT_EQ(Solve(MustBoard(R"(
    layer 1 at 1,1
    1 . . . 2 . . . 3 . . . 4
    layer 2 at 9,1
    5 . . . 6
  )")).verdict,
            SolveVerdict::Clearable);
}

// Deals of the shipped layout: every clearing order is played in the game by clicking the tiles,
// under the rule the game was dealt for, and empties the board. The plain deal that measures a
// layout's share of clearable deals is the game's own.
TEST(Solver, ClearingOrdersOfTraditionalDealsPlayInTheGame) {
  const LayoutCells layout = Traditional();
#ifdef SORIMO_SANITIZED
  constexpr int kDeals = 4;
#else
  constexpr int kDeals = 24;
#endif
  int cleared = 0;
  for (int number = 1; number <= kDeals; ++number) {
    const bool vertical = number % 4 == 0;
    Table t;
    t.options.Vertical = vertical;
    ASSERT_EQ(t.Deal(layout, number, false), DealResult::Dealt);
    BoardGrid grid;
    TileRecords records;
    ASSERT_TRUE(DealPlainBoard(layout, number, grid, records));
    EXPECT_TRUE(grid == t.game.board().Grid() && records == t.game.board().Records()) << "the plain deal of game " << number;
    const SolveResult r = SolveBoard(t.game.board().Grid(), t.game.board().Records(), vertical, kNoLimit);
    ASSERT_NE(r.verdict, SolveVerdict::Unknown);
    if (r.verdict != SolveVerdict::Clearable) continue;
    ++cleared;
    ASSERT_EQ(r.order.size(), 72u);
    // Halfway through, the position is solved again, as the game would after a move.
    const std::vector<TilePair> firstHalf(r.order.begin(), r.order.begin() + 36);
    for (const TilePair& p : firstHalf) {
      t.Click(p.first);
      t.Click(p.second);
    }
    ASSERT_EQ(t.game.TilesLeft(), 72) << "game " << number;
    const SolveResult rest = SolveBoard(t.game.board().Grid(), t.game.board().Records(), vertical, kNoLimit);
    ASSERT_EQ(rest.verdict, SolveVerdict::Clearable) << "game " << number;
    EXPECT_TRUE(ReplayClears(t, rest.order, true)) << "game " << number;
    t.Tick(1500);  // the clock reaches a second, and the tick notices the empty board
    EXPECT_EQ(t.game.GameMode, ModeGameOver) << "game " << number;
  }
  EXPECT_GT(cleared, kDeals / 2);
}

// A budget too small for the answer gives Unknown, never the other verdict; the same search
// with just enough nodes gives the answer. Both a clearable and an impossible deal, each
// needing a real search.
TEST(Solver, SmallBudgetsGiveUnknown) {
  const LayoutCells layout = Traditional();
  int seen[2] = {0, 0};
  for (const int number : {42, 683}) {
    Table t;
    ASSERT_EQ(t.Deal(layout, number, false), DealResult::Dealt);
    const SolveResult full = SolveBoard(t.game.board().Grid(), t.game.board().Records(), false, kNoLimit);
    ASSERT_NE(full.verdict, SolveVerdict::Unknown);
    ASSERT_GT(full.nodes, 4) << "game " << number << " needs no search; pick a harder one";
    ++seen[full.verdict == SolveVerdict::Clearable ? 0 : 1];
    for (const int64_t budget : {int64_t{1}, full.nodes / 2, full.nodes - 1}) {
      const SolveResult cut = SolveBoard(t.game.board().Grid(), t.game.board().Records(), false, {budget});
      EXPECT_EQ(cut.verdict, SolveVerdict::Unknown) << "game " << number << ", budget " << budget;
      EXPECT_TRUE(cut.order.empty());
    }
    const SolveResult enough = SolveBoard(t.game.board().Grid(), t.game.board().Records(), false, {full.nodes});
    EXPECT_EQ(enough.verdict, full.verdict) << "game " << number;
  }
  EXPECT_EQ(seen[0], 1) << "one clearable deal";
  EXPECT_EQ(seen[1], 1) << "one impossible deal";
}

}  // namespace
}  // namespace sorimo::test
