// Mah-Jongg Clicks, rule by rule: the deal, the click and its group, the settling of the
// rest (tiles fall, empty columns close up), the moves left, undo, the score and the end.
#include <gtest/gtest.h>

#include <set>

#include "clicks_support.h"
#include "engine/hall_columns.h"
#include "engine/modes/clicks_grid.h"

namespace sorimo::test {
namespace {

constexpr int kBottom = kClicksBottomRow;
constexpr int kLeft = kClicksFirstColumn;

std::set<int> ColoursOf(const ClicksGrid& g) {
  std::set<int> colours;
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) colours.insert(ClicksAt(g, c, r));
  return colours;
}

// ---------------------------------------------------------------- The deal

TEST(ClicksDeal, EasyFillsTheGridWithFourColoursAndHardWithSix) {
  for (const bool hard : {false, true}) {
    Table t;
    t.game.BoardNumber = 7;  // a layout's list
    std::set<int> seen;
    for (uint32_t clock = 1; clock <= 5; ++clock) {
      t.host.timeOfDay = clock * 7919;
      ASSERT_EQ(hard ? t.game.StartMode(ModeClicks, kClicksHardColumn) : t.game.StartMode(ModeClicks, kClicksEasyColumn), DealResult::Dealt);
      const std::set<int> colours = ColoursOf(t.game.ModeData<ClicksState>().Grid);
      EXPECT_EQ(colours.count(0), 0u) << "every cell of the play area holds a tile";
      seen.insert(colours.begin(), colours.end());
      EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid).find("border!"), std::string::npos);
    }
    EXPECT_EQ(seen, hard ? (std::set<int>{1, 2, 3, 4, 5, 6}) : (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(t.game.GameMode, ModeClicks);
    EXPECT_EQ(t.game.BoardNumber, hard ? kClicksHardColumn : kClicksEasyColumn);
    EXPECT_EQ(t.game.SavedBoardNumber, 7) << "the layout's list comes back after the game";
    EXPECT_EQ(t.game.TilesLeft(), 216);
    EXPECT_EQ(t.game.TilesTotal(), 216);
    EXPECT_EQ(t.game.status.StatusMessage, "Mahjongg Clicks started.");
  }
}

TEST(ClicksDeal, NewRepeatsTheListPlayedAndTheClockSeedsEachDeal) {
  Table t;
  t.host.timeOfDay = 1;
  t.game.StartMode(ModeClicks, kClicksHardColumn);
  const ClicksGrid first = t.game.ModeData<ClicksState>().Grid;
  t.host.timeOfDay = 2;
  ASSERT_EQ(t.game.NewGame(), DealResult::Dealt);
  EXPECT_EQ(t.game.BoardNumber, kClicksHardColumn);
  EXPECT_EQ(t.game.SavedBoardNumber, 1) << "an arcade list is never kept as the layout's";
  EXPECT_NE(t.game.ModeData<ClicksState>().Grid, first);
  t.host.timeOfDay = 1;
  t.game.NewGame();
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, first) << "the same moment deals the same grid";

  // From the welcome panel after a Clicks game, "New" plays that list again.
  t.game.Stop();
  t.game.NewGame();
  EXPECT_EQ(t.game.GameMode, ModeClicks);
  EXPECT_EQ(t.game.BoardNumber, kClicksHardColumn);
}

// ---------------------------------------------------------------- The click

TEST(ClicksMove, AClickRemovesTheWholeTouchingGroupOfItsColourOnly) {
  Table t;
  PutClicks(t, {"1.21",   //
                "1121",   //
                "2311"});
  ClickCell(t, kLeft, kBottom - 1);  // the 1 of the second row, left
  // Three 1s touch (a diagonal does not count); the 1s on the right are another group.
  EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n..21\n..21\n2311");
  EXPECT_EQ(t.game.TilesLeft(), 8);
  EXPECT_EQ(t.game.ModeData<ClicksState>().ClicksStep, 1);
  EXPECT_EQ(t.host.Sounds(), std::vector<std::string>{"sound done"});
}

TEST(ClicksMove, EmptyCellsLoneTilesAndTheBorderAreRefusedWithoutASnapshot) {
  Table t;
  PutClicks(t, {"12", "34"});
  const ClicksGrid before = t.game.ModeData<ClicksState>().Grid;
  ClickCell(t, kLeft, kBottom);        // a lone 3
  ClickCell(t, kLeft + 1, kBottom - 2);  // empty above the tiles
  ClickCell(t, kLeft - 1, kBottom);    // the border column
  t.game.ButtonDown(MouseButton::Left, 2, 2);  // left of and above the board origin
  EXPECT_EQ(t.host.Sounds(), std::vector<std::string>(4, "sound noway"));
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, before);
  EXPECT_EQ(t.game.ModeData<ClicksState>().ClicksStep, 0);
  EXPECT_EQ(t.game.TilesLeft(), 4);
}

TEST(ClicksMove, TheMiddleButtonPlaysAndTheRightOneOnlyRedraws) {
  Table t;
  PutClicks(t, {"11"});
  ClickCell(t, kLeft, kBottom, MouseButton::Right);
  EXPECT_EQ(t.game.TilesLeft(), 2);
  EXPECT_TRUE(t.host.Has("paint full"));
  EXPECT_TRUE(t.host.Sounds().empty());
  ClickCell(t, kLeft + 1, kBottom, MouseButton::Middle);
  EXPECT_EQ(t.game.TilesLeft(), 0);
}

// The pictures overlap by 6 pixels: a point belongs to the cell whose picture is on top
// there, the lower row and the left column.
TEST(ClicksMove, ThePointerFindsTheCellWhosePictureIsOnTop) {
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) {
      const int left = 32 * (c - 1) - 8, top = 32 * (r - 1) - 16;
      const ClicksCell middle = ClicksCellAt(left + 19, top + 19);
      ASSERT_EQ(middle.column, c);
      ASSERT_EQ(middle.row, r);
    }
  EXPECT_EQ(ClicksCellAt(32 * 5 - 1, 100).column, 5);  // the last pixel of column 5
  EXPECT_EQ(ClicksCellAt(32 * 5, 100).column, 6);
  EXPECT_EQ(ClicksCellAt(32 * 3, 32 * 4 - 17).row, 4);
  EXPECT_EQ(ClicksCellAt(32 * 3, 32 * 4 - 16).row, 5);
  EXPECT_FALSE(InClicksPlay(ClicksCellAt(-5, 100).column, ClicksCellAt(-5, 100).row));
  EXPECT_FALSE(InClicksPlay(ClicksCellAt(32 * 19, 100).column, ClicksCellAt(32 * 19, 100).row));
}

// ---------------------------------------------------------------- Settling

TEST(ClicksSettle, TilesAboveARemovedGroupFallOntoWhatHoldsThem) {
  Table t;
  PutClicks(t, {"3.",   //
                "42",   //
                "11",   //
                "12"});
  ClickCell(t, kLeft, kBottom);
  EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n32\n42");
  EXPECT_EQ(t.game.TilesLeft(), 4);
}

TEST(ClicksSettle, WithTheAnimationOnEveryPassIsShownAsTheTilesFall) {
  for (const bool animate : {false, true}) {
    Table t;
    t.options.AnimateClicks = animate;
    PutClicks(t, {"3", "4", "1", "1"});
    std::vector<std::string> frames;
    t.host.duringPaint = [&] { frames.push_back(ClicksPicture(t.game.ModeData<ClicksState>().Grid)); };
    ClickCell(t, kLeft, kBottom);
    // The lowest loose tile lands in the first pass, the one above it in the second.
    const std::vector<std::string> shown =
        animate ? std::vector<std::string>{"\n3\n\n\n4", "\n3\n4", "\n3\n4"} : std::vector<std::string>{"\n3\n4"};
    EXPECT_EQ(frames, shown);
    EXPECT_EQ(t.host.Count("repaint"), int(shown.size()));
  }
}

TEST(ClicksSettle, GravityFirstThenTheEmptyColumnClosesUp) {
  Table t;
  PutClicks(t, {"32.",  //
                "224"});
  ClickCell(t, kLeft, kBottom);
  EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n34");
}

TEST(ClicksSettle, EmptyingAMiddleColumnMovesEveryColumnRightOfItOnePlaceLeft) {
  Table t;
  PutClicks(t, {".2.3",  //
                "1234",  //
                "4251"});
  ClickCell(t, kLeft + 1, kBottom - 1);
  EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n..3\n134\n451");
}

TEST(ClicksSettle, TwoColumnsEmptiedSideBySideBothCloseUp) {
  Table t;
  PutClicks(t, {"12231"});
  ClickCell(t, kLeft + 2, kBottom);
  EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n131");
}

TEST(ClicksSettle, EmptyingTheRightMostColumnMovesNothing) {
  Table t;
  std::string top(17, '.'), bottom;
  for (int k = 0; k < 17; ++k) bottom += k % 2 ? '2' : '1';
  PutClicks(t, {top + "3", bottom + "3"});
  ClickCell(t, kClicksLastColumn, kBottom);
  EXPECT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n" + bottom);
  EXPECT_EQ(t.game.TilesLeft(), 17);
}

// ---------------------------------------------------------------- Moves left

TEST(ClicksMovesLeft, EachTouchingGroupCountsOnceAndLoneTilesNotAtAll) {
  Table t;
  t.options.Moves = true;
  PutClicks(t, {"1221",   //
                "2112",   //
                "3443"});
  t.Tick();
  // The 2s on top, the 1s in the middle, the 4s: three groups; diagonals do not join.
  EXPECT_EQ(t.game.moves.MovesLeft, 3);
  EXPECT_EQ(t.game.moves.FreeCount, 3);
  EXPECT_EQ(t.host.fields, "12|3|") << "tiles and moves, never a time";
  EXPECT_EQ(t.game.clock.ElapsedSeconds, 12) << "the score is the tiles left";
}

// ---------------------------------------------------------------- Undo and restart

TEST(ClicksUndo, BackAfterAColumnEmptiedRestoresTheGridAndTheCountExactly) {
  Table t;
  PutClicks(t, {".2.3",  //
                "1234",  //
                "4224"});
  const ClicksGrid deal = t.game.ModeData<ClicksState>().Grid;
  ClickCell(t, kLeft + 1, kBottom);
  ASSERT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n..3\n1.4\n434");
  const ClicksGrid afterOne = t.game.ModeData<ClicksState>().Grid;
  ClickCell(t, kLeft + 2, kBottom);
  ASSERT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n1\n433");
  ASSERT_EQ(t.game.ModeData<ClicksState>().ClicksStep, 2);

  t.game.Back();
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, afterOne);
  EXPECT_EQ(t.game.TilesLeft(), 6);
  t.game.Back();
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, deal);
  EXPECT_EQ(t.game.TilesLeft(), 10);
  EXPECT_EQ(t.game.ModeData<ClicksState>().ClicksStep, 0);
  t.game.Back();  // nothing left to take back
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, deal);
}

// 108 moves of two tiles each: every one can be taken back, and the last clears the grid.
TEST(ClicksUndo, TheLongestGameGoesBackToTheDealAndItsLastMoveReachesTheTop) {
  Table t;
  std::vector<std::string> rows;
  for (int r = 0; r < 12; ++r) {
    std::string row;
    for (int c = 0; c < 18; ++c) row += char('1' + (c + r / 2) % 2);  // pairs stacked two high
    rows.push_back(row);
  }
  PutClicks(t, rows);
  const ClicksGrid deal = t.game.ModeData<ClicksState>().Grid;
  // The right-most column first and each from the top: nothing ever falls or moves.
  const auto play = [&](int moves) {
    for (int m = 0; m < moves; ++m) {
      const int c = kClicksLastColumn - m / 6, r = kClicksTopRow + 2 * (m % 6);
      ClickCell(t, c, r);
    }
  };
  play(107);
  ASSERT_EQ(t.game.TilesLeft(), 2);
  EXPECT_EQ(t.game.ModeData<ClicksState>().ClicksStep, 107);
  t.game.Restart();
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, deal);
  EXPECT_EQ(t.game.TilesLeft(), 216);
  EXPECT_EQ(t.game.status.StatusMessage, "Game restarted.");

  t.Tick();
  t.host.log.clear();
  play(108);
  EXPECT_EQ(t.game.TilesLeft(), 0);
  EXPECT_EQ(t.game.GameMode, ModeGameOver) << "the redraw after the move notices the cleared grid";
  EXPECT_EQ(t.host.Only({"game over '", "add hall"}),
            (std::vector<std::string>{"game over 'You reached the top ! Great !' +hall", "add hall 120 0 0"}));
}

// ---------------------------------------------------------------- No group left

TEST(ClicksGiveUp, AskedOnceWhileOpenAndNoTakesBackOneMove) {
  Table t;
  PutClicks(t, {"2..",  //
                "113"});
  const ClicksGrid deal = t.game.ModeData<ClicksState>().Grid;
  ClickCell(t, kLeft, kBottom);
  ASSERT_EQ(ClicksPicture(t.game.ModeData<ClicksState>().Grid), "\n23");

  t.host.duringQuestion = [&] {
    for (int i = 0; i < 5; ++i) t.Tick();
  };
  t.host.answers = {false};
  t.Tick();
  EXPECT_EQ(t.host.Count("ask Game Over"), 1);
  EXPECT_EQ(t.game.ModeData<ClicksState>().Grid, deal) << "No takes the move back";
  EXPECT_EQ(t.game.TilesLeft(), 4);
  EXPECT_EQ(t.game.GameMode, ModeClicks);
  t.host.duringQuestion = nullptr;
  t.Tick();
  EXPECT_EQ(t.host.Count("ask Game Over"), 1) << "a group is there again";

  ClickCell(t, kLeft, kBottom);
  t.host.answers = {true};
  t.Tick();
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  EXPECT_EQ(t.host.Only({"game over '", "add hall"}), std::vector<std::string>{"add hall 120 2 0"})
      << "two tiles left is the score; only a cleared grid has a message";
}

}  // namespace
}  // namespace sorimo::test
