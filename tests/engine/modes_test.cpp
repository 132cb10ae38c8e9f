// The seam between the shared routines and the game modes: the table of traits, the rules
// each mode answers with, and the hall of fame lists that name the modes.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "tests/support/game_test_peer.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

constexpr char kThreeMoves[] = "1 . . 2 . . 5 . . 6 . . 9 . . 10";

// Every command a running game offers must be refused once the game is not under way, and
// a mode that counts no moves can offer no hint: otherwise the shared routines would act on
// figures nobody keeps. Every GameMode value has its description, and every list its game.
TEST(ModeDescriptions, EveryModeIsDescribedAndHoldsTogether) {
  for (int m = 0; m <= ModePaused; ++m) EXPECT_EQ(Describe(uint8_t(m)).mode, m) << "mode " << m << " has no description";
  std::vector<int> sections;
  for (const ModeDescription* d : RegisteredModes()) {
    const ModeTraits& t = d->traits;
    SCOPED_TRACE(t.name);
    const bool offersPlay = t.allowsUndo || t.allowsHint || t.allowsShuffle || t.clockRuns || t.countsMoves;
    EXPECT_TRUE(!offersPlay || t.takesClicks);
    EXPECT_TRUE(!t.allowsHint || t.countsMoves);
    EXPECT_TRUE(!t.showsTime || t.clockRuns);
    EXPECT_TRUE(!t.betweenGames || !(t.underWay || t.showsBoard));
    EXPECT_TRUE(!t.takesClicks || d->rules != nullptr) << "a mode that takes clicks has rules";
    EXPECT_EQ(d->easy.column == 0, d->hard.column == 0);
    EXPECT_EQ(d->easy.column != 0, d->welcomeGroup != nullptr);
    for (const HallList* l : {&d->easy, &d->hard}) {
      if (l->column == 0) continue;
      EXPECT_EQ(ModeOfColumn(l->column), d->mode);
      EXPECT_EQ(ArcadeList(l->column), l);
      EXPECT_FALSE(IsLayoutColumn(l->column));
      EXPECT_LT(l->column, kHallColumns);
      EXPECT_TRUE(l->section && l->caption && l->command && l->menuCaption && l->button && l->buttonCaption);
    }
  }
  const std::vector<int> columns = ArcadeColumns();
  EXPECT_EQ(std::set<int>(columns.begin(), columns.end()).size(), columns.size()) << "two lists share a column";
  EXPECT_EQ(Describe(200).mode, ModeIdle) << "an unknown mode reads as idle";
}

TEST(ModeDescriptions, EveryHallColumnBelongsToOneGame) {
  EXPECT_EQ(ModeOfColumn(1), ModeClassic);
  EXPECT_EQ(ModeOfColumn(kHallLastLayoutColumn), ModeClassic);
  for (const int c : ArcadeColumns()) EXPECT_TRUE(IsArcadeColumn(c));
  EXPECT_EQ(ModeOfColumn(kRiversHardColumn), ModeRivers);
  EXPECT_EQ(ModeOfColumn(kMemoryEasyColumn), ModeMemory);
  EXPECT_EQ(ModeOfColumn(kClicksHardColumn), ModeClicks);
  EXPECT_EQ(ScoreOf(kClicksEasyColumn), ScoreKind::TilesLeft);
  EXPECT_EQ(ScoreOf(3), ScoreKind::Time);
  // A column no list claims belongs to no game.
  for (int c = -1; c <= kHallColumns; ++c) {
    if (!IsLayoutColumn(c) && ArcadeList(c) == nullptr) {
      EXPECT_EQ(ModeOfColumn(c), ModeIdle) << c;
    }
  }
  EXPECT_EQ(ModeOfColumn(0), ModeIdle);
}

// The same click, hint, shuffle and undo in each mode do what its rules say and nothing else.
// (The editor's clicks build a layout instead: editor_test.cpp.)
TEST(ModeRules, TheSharedCommandsFollowTheRunningMode) {
  for (const uint8_t mode : {ModeClassic, ModeTwoPlayer, ModeRivers, ModeMemory, ModeClicks}) {
    SCOPED_TRACE(Traits(mode).name);
    Table t;
    t.Put(kThreeMoves);
    t.game.GameMode = mode;
    t.game.IsItFree();
    const bool movesCounted = t.game.moves.MovesLeft > 0;  // Rivers: no path joins tiles off its places
    t.game.Hint();
    EXPECT_EQ(t.game.clock.PenaltySeconds > 0, Traits(mode).allowsHint && movesCounted);
    t.game.clock.PenaltySeconds = 0;
    t.Click(1);
    t.Click(2);
    const bool matched = t.game.TilesLeft() == 4;
    EXPECT_EQ(matched, mode == ModeClassic || mode == ModeTwoPlayer) << "only the matching games take pairs so far";
    if (matched) {
      t.game.Back();
      EXPECT_EQ(t.game.TilesLeft() == 6, Traits(mode).allowsUndo);
    }
    EXPECT_TRUE(Consistent(t.game));
  }
}

// After an arcade game, a classic game goes back to the chosen layout's list.
TEST(ModeRules, AClassicGameAfterAnArcadeOneTakesTheChosenLayoutsList) {
  Table t;
  t.game.Layout = MustLayout(kTurtle);
  t.options.LayoutChoice = 7;
  t.game.BoardNumber = kMemoryHardColumn;
  ASSERT_EQ(t.game.RandomSolitaireGame1Click(), DealResult::Dealt);
  EXPECT_EQ(t.game.BoardNumber, 7);
  t.game.BoardNumber = 3;  // a layout's list stays as it is
  t.game.RandomSolitaireGame1Click();
  EXPECT_EQ(t.game.BoardNumber, 3);
}

// The check the tests and the soak rely on must itself notice every kind of damage.
TEST(BoardCheck, NoticesEachWayGridAndRecordsCanDisagree) {
  const auto damaged = [](const std::function<void(Game&)>& harm) {
    Table t;
    t.Put(kThreeMoves);
    t.Click(1);
    t.Click(2);
    EXPECT_TRUE(Consistent(t.game));
    harm(t.game);
    return !Consistent(t.game);
  };
  // The board's own three views (grid, records, count) can only change together; what the
  // game keeps beside them can still disagree with it.
  EXPECT_TRUE(damaged([](Game& g) { g.choice.FirstSelected = 1; })) << "a removed tile selected";
  EXPECT_TRUE(damaged([](Game& g) { g.board().PlaceTile(1, {1, 1, 1}); })) << "a removed tile back";
  EXPECT_TRUE(damaged([](Game& g) { g.board().TakeTile(5); })) << "a tile gone without its history";
  EXPECT_TRUE(damaged([](Game& g) { g.board().PlaceTile(3, {1, 1, 1}); })) << "a removed pair's place taken";
  EXPECT_FALSE(damaged([](Game& g) { g.board().SwapTiles(5, 10); })) << "a swap keeps the story";
  EXPECT_FALSE(damaged([](Game& g) { GameTestPeer::RemovePair(g, 5, 6); })) << "a removed pair keeps the story";
}

}  // namespace
}  // namespace sorimo::test
