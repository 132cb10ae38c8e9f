// The solver against an exhaustive search on thousands of small boards: random layouts of up
// to 24 tiles, dealt at random or by the game's own plain deal, from the start and after some
// random moves, under both free rules. Every verdict must be the exhaustive one, and every
// clearing order must clear the board in a real game.
#include <gtest/gtest.h>

#include <cstdio>

#include "solver_support.h"

namespace sorimo::test {
namespace {

#ifdef SORIMO_SANITIZED
constexpr int kBoards = 600;
#else
constexpr int kBoards = 8000;
#endif

// A board as the next case of the loop makes it: a layout of up to 24 tiles, every other one a
// small turtle of 14 or more and the others scattered in a box from cramped to roomy on one to four layers,
// dealt by the game (tiles 1..N, whole groups but perhaps the last) or at random (any groups,
// some of two tiles only), then perhaps played on.
Position NextBoard(std::mt19937& rng, bool vertical, int number) {
  const int count = number % 2 == 0 ? 14 + 2 * static_cast<int>(rng() % 6) : 4 + 2 * static_cast<int>(rng() % 11);
  const int width = 4 + static_cast<int>(rng() % 10), height = 4 + static_cast<int>(rng() % 8);
  const LayoutCells layout = number % 2 == 0 ? RandomCompactLayout(rng, count)
                                             : RandomSmallLayout(rng, count, width, height, 1 + static_cast<int>(rng() % 4));
  Position p;
  if (layout.count() % 2 == 0 && rng() % 2 == 0) {
    Table t;
    EXPECT_EQ(t.Deal(layout, number, false), DealResult::Dealt);
    p.grid = t.game.board().Grid();
    p.records = t.game.board().Records();
    p.tiles = t.game.TilesLeft();
  } else {
    p = RandomDeal(rng, layout);
  }
  if (rng() % 3 == 0) PlayRandomMoves(rng, p, vertical, static_cast<int>(rng() % 6));
  return p;
}

void CompareOnRandomBoards(bool vertical, uint32_t seed) {
  std::mt19937 rng(seed);
  int clearable = 0, impossible = 0, searched = 0, tested = 0;
  for (int k = 1; k <= kBoards; ++k) {
    const Position p = NextBoard(rng, vertical, k);
    const bool expected = ExhaustivelyClearable(p, vertical);
    const SolveResult r = SolveBoard(p.grid, p.records, vertical, {10'000'000});
    ASSERT_NE(r.verdict, SolveVerdict::Unknown) << "board " << k << "\n" << BoardToText(p.grid);
    searched += r.nodes >= 2;
    tested += r.relaxedRuns > 0;
    ASSERT_EQ(r.verdict == SolveVerdict::Clearable, expected)
        << "board " << k << (vertical ? " (vertical)" : "") << "\n" << BoardToText(p.grid);
    if (expected) {
      ++clearable;
      Table t;
      PutPosition(t, p, vertical);
      ASSERT_TRUE(ReplayClears(t, r.order, k % 10 == 0)) << "board " << k << "\n" << BoardToText(p.grid);
    } else {
      ++impossible;
      EXPECT_TRUE(r.order.empty());
    }
  }
  // Both answers must be common, and many boards must have needed the relaxed games and some a
  // choice of pairing, or the comparison proves little.
  EXPECT_GT(clearable, kBoards / 10);
  EXPECT_GT(impossible, kBoards / 10);
  EXPECT_GT(tested, kBoards / 10);
  EXPECT_GT(searched, kBoards / 200);
  std::printf("%d clearable, %d impossible, %d tested, %d searched\n", clearable, impossible, tested, searched);
}

TEST(SolverAgainstExhaustiveSearch, PlainRule) { CompareOnRandomBoards(false, 20240601); }

TEST(SolverAgainstExhaustiveSearch, VerticalVariation) { CompareOnRandomBoards(true, 777); }

}  // namespace
}  // namespace sorimo::test
