// What the solver does for a player: the warning on the move after which the board can no
// longer be cleared, and "Solve this board" playing a clearing order.
#include <string>

#include "test_support.h"

namespace sorimo::test {
namespace {

// Tile 1 lies on tile 2, both of the first group; 3 and 4, the rest of it, stand free, and so
// do the whole second and third groups (5 to 12). Taking 3 with 4 leaves 1 on 2, which can
// never leave together; any other first move keeps the board clearable.
constexpr const char* kTrap = R"(
  layer 1 at 2,2
  2 . . . 3 . . . 4 . . . 5 . . . 6 . . . 7 . . . 8
  .
  9 . . . 10 . . . 11 . . . 12
  layer 2 at 2,2
  1
)";

bool Warned(const Table& t) { return t.game.status.StatusMessage.rfind("This board", 0) == 0; }

void Take(Table& t, int a, int b) {
  t.Click(a);
  t.Click(b);
  ASSERT_FALSE(t.game.board().Records()[size_t(a)].present()) << t.Board();
  t.Tick();
}

TEST(ClearableWarning, ComesOnTheMoveThatLosesTheBoardAndNotBefore) {
  Table t;
  t.options.WarnUnclearable = true;
  t.Put(kTrap);
  t.Tick();
  EXPECT_FALSE(Warned(t)) << "the deal can be cleared";
  Take(t, 5, 6);
  EXPECT_FALSE(Warned(t)) << "still clearable";
  Take(t, 3, 4);
  EXPECT_EQ(t.game.status.StatusMessage, "This board can no longer be cleared: press Back once.");
  // While it is on the line, every move and every Back keeps it true.
  t.Tick(1000);
  Take(t, 7, 8);
  EXPECT_EQ(t.game.status.StatusMessage, "This board can no longer be cleared: press Back 2 times.");
  t.Tick(1000);
  t.game.Back();
  t.Tick();
  EXPECT_EQ(t.game.status.StatusMessage, "This board can no longer be cleared: press Back once.");

  // Back again: clearable again, the warning goes, and the same mistake is warned of again.
  t.game.Back();
  t.Tick();
  EXPECT_EQ(t.host.statusLine, "");
  Take(t, 3, 4);
  EXPECT_TRUE(Warned(t));
}

TEST(ClearableWarning, CountsThePressesOfBackWhenTurnedOnLate) {
  Table t;
  t.Put(kTrap);
  Take(t, 3, 4);  // the losing move, with the warning off: nothing is said
  EXPECT_FALSE(Warned(t));
  Take(t, 5, 6);
  t.options.WarnUnclearable = true;
  t.Tick();
  EXPECT_EQ(t.game.status.StatusMessage, "This board can no longer be cleared: press Back 2 times.");
  t.game.Back();
  t.game.Back();
  EXPECT_EQ(SolveBoard(t.game.board().Grid(), t.game.board().Records(), false, {}).verdict, SolveVerdict::Clearable);
}

// Two groups in one column, alternating and touching: under the vertical rule only the top and
// the bottom tile are free, and they never match; side by side with each other in a row they
// would all be free. A free pair elsewhere keeps a move on the board.
constexpr const char* kColumnOfTwoGroups = R"(
  layer 1 at 4,2
  1 . . . 9 . . . 10
  .
  5
  .
  2
  .
  6
)";

TEST(ClearableWarning, FollowsTheFreeRuleInUseAndKnowsALostDeal) {
  Table horizontal;
  horizontal.options.WarnUnclearable = true;
  horizontal.Put(kColumnOfTwoGroups);
  horizontal.Tick();
  EXPECT_FALSE(Warned(horizontal));

  Table vertical;
  vertical.options.WarnUnclearable = true;
  vertical.options.Vertical = true;
  vertical.Put(kColumnOfTwoGroups);
  vertical.Tick();
  EXPECT_EQ(vertical.game.status.StatusMessage, "This board cannot be cleared, not even from the start.");
}

TEST(ClearableWarning, StaysSilentInTheGamesItDoesNotJudge) {
  Table t;
  t.options.WarnUnclearable = true;
  t.Put(kTrap);
  t.game.GameMode = ModeRivers;  // the same tiles under the Rivers rules are no classic position
  Take(t, 3, 4);
  EXPECT_FALSE(Warned(t));
}

// Plays the solver's steps until it stops, a step every kSolveStepMs.
int PlaySolver(Table& t) {
  int steps = 0;
  while (t.game.aid.SolvePlay.running && steps < 1000) {
    t.Tick(int(kSolveStepMs));
    ++steps;
  }
  return steps;
}

constexpr const char* kSmallLayout = R"(
  layer 1 at 8,6
  #.#.#.#.#.#.#.#
  ...............
  #.#.#.#.#.#.#.#
  layer 2 at 10,6
  #.#.#.#.#.#
)";

TEST(SolveThisBoard, PlaysTheOrderATileAtATimeAndTheResultEntersNoHall) {
  Table t;
  ASSERT_EQ(t.Deal(kSmallLayout, 4711, true), DealResult::Dealt);
  t.Tick(3000);
  t.game.SolveThisBoard();
  ASSERT_TRUE(t.game.aid.SolvePlay.running);
  EXPECT_EQ(t.game.status.StatusMessage, SolvingText);
  const TilePair first = t.game.aid.SolvePlay.order.front();

  // Too soon: nothing yet. Then the first tile is shown selected, then the pair goes.
  t.Tick(50);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  t.Tick(int(kSolveStepMs));
  EXPECT_EQ(t.game.choice.FirstSelected, first.first);
  EXPECT_EQ(t.game.TilesLeft(), 22);
  t.Tick(int(kSolveStepMs));
  EXPECT_EQ(t.game.TilesLeft(), 20);
  EXPECT_FALSE(t.game.board().Records()[first.second].present());
  EXPECT_TRUE(Consistent(t.game));

  PlaySolver(t);
  EXPECT_EQ(t.game.TilesLeft(), 0);
  t.Tick();
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  bool gameOver = false;
  for (const std::string& line : t.host.log) {
    EXPECT_EQ(line.find("add hall"), std::string::npos) << line;
    if (line.rfind("game over", 0) == 0) {
      gameOver = true;
      EXPECT_EQ(line.find("+hall"), std::string::npos) << line;
    }
  }
  EXPECT_TRUE(gameOver);

  // The same deal cleared by hand in the same time does enter the hall: the solver made the difference.
  Table byHand;
  ASSERT_EQ(byHand.Deal(kSmallLayout, 4711, true), DealResult::Dealt);
  byHand.Tick(3000);
  for (const TilePair& p : t.game.aid.SolvePlay.order) {
    byHand.Click(p.first);
    byHand.Click(p.second);
  }
  byHand.Tick();
  ASSERT_EQ(byHand.game.GameMode, ModeGameOver);
  EXPECT_NE(std::find_if(byHand.host.log.begin(), byHand.host.log.end(),
                         [](const std::string& l) { return l.rfind("add hall", 0) == 0; }),
            byHand.host.log.end());
}

TEST(SolveThisBoard, AClickOnlyStopsItAndTheGameStaysOutOfTheHall) {
  Table t;
  ASSERT_EQ(t.Deal(kSmallLayout, 99, true), DealResult::Dealt);
  t.Tick(3000);
  t.game.SolveThisBoard();
  const TilePair first = t.game.aid.SolvePlay.order.front();
  t.Tick(int(kSolveStepMs));
  ASSERT_EQ(t.game.choice.FirstSelected, first.first);

  // A click on the second tile of the pair: it stops the solver, takes nothing, and the
  // tile the solver had shown is no longer selected.
  t.Click(first.second);
  EXPECT_FALSE(t.game.aid.SolvePlay.running);
  EXPECT_EQ(t.game.status.StatusMessage, SolveStoppedText);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.TilesLeft(), 22);
  t.Tick(5000);
  EXPECT_EQ(t.game.TilesLeft(), 22) << "the ticks play no more";

  // The player finishes by hand; the solver was used in this game all the same.
  const std::vector<TilePair> order = t.game.aid.SolvePlay.order;
  for (const TilePair& p : order) {
    t.Click(p.first);
    t.Click(p.second);
  }
  t.Tick();
  ASSERT_EQ(t.game.GameMode, ModeGameOver);
  for (const std::string& line : t.host.log) EXPECT_EQ(line.find("add hall"), std::string::npos) << line;

  // A new game is the player's own again.
  ASSERT_EQ(t.Deal(kSmallLayout, 100, true), DealResult::Dealt);
  EXPECT_FALSE(t.game.aid.SolvePlay.used);
}

TEST(SolveThisBoard, APauseOrTheCommandAgainStopsIt) {
  Table t;
  ASSERT_EQ(t.Deal(kSmallLayout, 5, true), DealResult::Dealt);
  t.game.SolveThisBoard();
  t.game.PauseClick();
  EXPECT_FALSE(t.game.aid.SolvePlay.running);
  t.game.PauseClick();
  t.game.SolveThisBoard();
  ASSERT_TRUE(t.game.aid.SolvePlay.running);
  t.game.SolveThisBoard();
  EXPECT_FALSE(t.game.aid.SolvePlay.running);
  EXPECT_EQ(t.game.TilesLeft(), 22);
}

TEST(SolveThisBoard, OnALostBoardSaysHowFarBackInstead) {
  Table t;
  t.Put(kTrap);
  Take(t, 3, 4);
  Take(t, 5, 6);
  t.game.SolveThisBoard();
  EXPECT_FALSE(t.game.aid.SolvePlay.running);
  EXPECT_FALSE(t.game.aid.SolvePlay.used) << "nothing was played";
  EXPECT_EQ(t.game.status.StatusMessage, "This board can no longer be cleared: press Back 2 times.");
}

}  // namespace
}  // namespace sorimo::test
