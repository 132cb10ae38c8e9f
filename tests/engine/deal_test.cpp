// Deals: winnable deals really are winnable, game numbers reproduce, and layouts that
// cannot be dealt are refused without touching the game in progress.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "tests/support/game_test_peer.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

#ifdef SORIMO_SANITIZED
constexpr int kNumbersPerLayout = 25;
#else
constexpr int kNumbersPerLayout = 120;
#endif

struct NamedLayout {
  const char* name;
  const char* text;
};
constexpr NamedLayout kLayouts[] = {{"turtle", kTurtle}, {"few free", kFewFree}, {"wall", kWall}};

TEST(WinnableDeal, ClearsInRemovalOrderUnderTheHorizontalRule) {
  for (const NamedLayout& layout : kLayouts)
    for (int number = 1; number <= kNumbersPerLayout; ++number) {
      SCOPED_TRACE(std::string(layout.name) + " #" + std::to_string(number));
      Table t;
      t.options.Vertical = true;  // the promise holds for the horizontal rule only
      ASSERT_EQ(t.Deal(layout.text, number, true), DealResult::Dealt);
      t.options.Vertical = false;
      ASSERT_EQ(t.game.TilesLeft(), 144);
      ASSERT_TRUE(Consistent(t.game));
      for (int k = 1; k < 144; k += 2) {
        const Cell p = t.game.PairList()[k], q = t.game.PairList()[k + 1];
        const int a = t.game.board().Grid().at(p.x, p.y, p.z), b = t.game.board().Grid().at(q.x, q.y, q.z);
        ASSERT_TRUE(a > 0 && b > 0 && MatchGroup(a) == MatchGroup(b)) << "pair " << k << t.Board();
        ASSERT_TRUE(GameTestPeer::Dispo(t.game, a) && GameTestPeer::Dispo(t.game, b))
            << "pair " << k << ": " << a << ", " << b << t.Board();
        t.Click(a);
        t.Click(b);
        ASSERT_EQ(t.game.TilesLeft(), 144 - k - 1) << t.Board();
      }
      ASSERT_TRUE(Consistent(t.game));
    }
}

TEST(WinnableDeal, FewFreeLayoutReallyHasFewFreeTiles) {
  Table t;
  ASSERT_EQ(t.Deal(kFewFree, 7, true), DealResult::Dealt);
  t.game.IsItFree();
  EXPECT_EQ(t.game.moves.FreeCount, 6) << t.Board();
}

TEST(GameNumber, SameNumberSameBoardWhateverCameBefore) {
  for (const bool winnable : {false, true}) {
    Table first, second;
    ASSERT_EQ(first.Deal(kTurtle, 4711, winnable), DealResult::Dealt);
    // The second table has dealt other games and drawn from the generator since.
    second.Deal(kWall, 12, !winnable);
    second.game.Generator.RandomInt(99);
    ASSERT_EQ(second.Deal(kTurtle, 4711, winnable), DealResult::Dealt);
    EXPECT_EQ(first.game.board().Grid(), second.game.board().Grid()) << first.Board() << second.Board();
    EXPECT_EQ(first.game.board().Records(), second.game.board().Records());
    EXPECT_EQ(first.game.Generator.GeneratorSeed, second.game.Generator.GeneratorSeed)
        << "same draws, same count";
  }
  Table plain, winnable, otherLayout, otherNumber;
  plain.Deal(kTurtle, 4711, false);
  winnable.Deal(kTurtle, 4711, true);
  otherLayout.Deal(kFewFree, 4711, false);
  otherNumber.Deal(kTurtle, 4712, false);
  EXPECT_NE(plain.game.board().Records(), winnable.game.board().Records());
  EXPECT_NE(plain.game.board().Records(), otherLayout.game.board().Records());
  EXPECT_NE(plain.game.board().Records(), otherNumber.game.board().Records());
  EXPECT_TRUE(plain.host.Has("status 'Specific Board started. Random Seed #4711'") ||
              plain.game.status.StatusMessage == "Specific Board started. Random Seed #4711");
}

TEST(GameNumber, PlainDealDrawsColumnRowLayerForEachTileInTurn) {
  // Replays the plain deal's draws beside it: tile i goes to the first drawn cell that is
  // still a free slot, with three draws (column, row, layer) per attempt.
  Table t;
  ASSERT_EQ(t.Deal(kTurtle, 99, false), DealResult::Dealt);
  const LayoutCells layout = MustLayout(kTurtle);
  std::set<std::tuple<int, int, int>> open;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (layout.at(x, y, z)) open.insert({x, y, z});
  Random r;
  r.GeneratorSeed = 99;
  for (int i = 1; i <= 144; ++i) {
    for (;;) {
      const int x = r.RandomInt(34) + 1, y = r.RandomInt(20) + 1, z = r.RandomInt(5) + 1;
      if (open.erase({x, y, z}) == 0) continue;
      ASSERT_EQ(t.game.board().Records()[i], (TileRecord{x, y, z})) << "tile " << i;
      break;
    }
  }
  EXPECT_EQ(r.GeneratorSeed, t.game.Generator.GeneratorSeed);
}

TEST(GameNumber, ZeroOrNoNumberDealsFromTheClock) {
  Table a, b;
  a.host.timeOfDay = 1000;
  b.host.timeOfDay = 2000;
  a.Deal(kTurtle, 0, false);
  b.Deal(kTurtle, 0, false);
  EXPECT_NE(a.game.board().Records(), b.game.board().Records());
  EXPECT_FALSE(a.host.Has("status 'Specific Board started. Random Seed #0'"));
  EXPECT_EQ(a.game.status.StatusMessage, "New game started.");
}

TEST(SpecificGame, TheDialogsNumberSeedsTheDeal) {
  Table typed, direct;
  typed.game.Layout = direct.game.Layout = MustLayout(kTurtle);
  typed.host.seedTyped = 31337;
  ASSERT_EQ(typed.game.NewSpecificGame1Click(), DealResult::Dealt);
  EXPECT_TRUE(typed.host.Has("seed dialog"));
  EXPECT_TRUE(typed.options.RandomSeed1);
  direct.Deal(kTurtle, 31337, false);
  EXPECT_EQ(typed.game.board().Records(), direct.game.board().Records());

  // "New" and the random-game command never repeat a specific game.
  typed.game.NewGame();
  EXPECT_FALSE(typed.options.RandomSeed1);
  EXPECT_NE(typed.game.board().Records(), direct.game.board().Records());
}

TEST(PlainDeal, SmallLayoutDealsItsOwnNumberOfTiles) {
  Table t;
  ASSERT_EQ(t.Deal("#.#.#.#\n.\n#.#.#.#", 5, false), DealResult::Dealt);
  EXPECT_EQ(t.game.TilesLeft(), 8);
  EXPECT_EQ(t.game.TilesTotal(), 8);
  for (int n = 1; n <= 8; ++n) EXPECT_TRUE(t.game.board().Records()[n].present()) << n;
  for (int n = 9; n <= 144; ++n) ASSERT_FALSE(t.game.board().Records()[n].present()) << n;
  EXPECT_TRUE(Consistent(t.game));
  // Nothing to undo after the deal: the history holds nothing of this game.
  t.game.Back();
  EXPECT_EQ(t.game.TilesLeft(), 8);
  EXPECT_TRUE(Consistent(t.game));
}

TEST(Refusal, UndealableLayoutsLeaveTheRunningGameAlone) {
  Table t;
  ASSERT_EQ(t.Deal(kTurtle, 3, true), DealResult::Dealt);
  t.Tick(2000);
  const BoardGrid grid = t.game.board().Grid();
  const TileRecords records = t.game.board().Records();
  const uint32_t start = t.game.clock.StartTick;
  std::string tooMany;
  for (int y = 1; y <= 20; y += 2)
    tooMany += "layer 1 at 1," + std::to_string(y) + "\n#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#\n";
  const struct {
    const char* layout;
    bool winnable;
    DealResult expected;
  } cases[] = {
      {".", false, DealResult::EmptyLayout},
      {"#.#.#", true, DealResult::OddLayout},
      {tooMany.c_str(), false, DealResult::TooManyPositions},
      // A tower of four: only its top is ever free, so it cannot be taken off in pairs.
      {"layer 1\n#\nlayer 2\n#\nlayer 3\n#\nlayer 4\n#", true, DealResult::NotWinnable},
      // A tower of three beside a single tile: the first pair always comes off, then the
      // backwards play is stuck; it must give up instead of starting over for ever.
      {"layer 1\n# . . . . . #\nlayer 2\n#\nlayer 3\n#", true, DealResult::NotWinnable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    EXPECT_EQ(t.Deal(c.layout, 3, c.winnable), c.expected);
    EXPECT_NE(std::string(DealResultText(c.expected)), "");
    EXPECT_EQ(t.game.board().Grid(), grid);
    EXPECT_EQ(t.game.board().Records(), records);
    EXPECT_EQ(t.game.TilesLeft(), 144);
    EXPECT_EQ(t.game.TilesTotal(), 144);
    EXPECT_EQ(t.game.GameMode, ModeClassic);
    EXPECT_EQ(t.game.clock.StartTick, start);
  }
  // The plain deal has no such promise to keep: the tower is dealt.
  EXPECT_EQ(t.Deal("layer 1\n#\nlayer 2\n#\nlayer 3\n#\nlayer 4\n#", 3, false), DealResult::Dealt);
  EXPECT_EQ(t.game.TilesLeft(), 4);
}

TEST(FillSlots, AnyNonZeroLayoutByteIsAPosition) {
  Table t;
  t.game.Layout.set(3, 3, 1, 1);
  t.game.Layout.set(5, 3, 1, 2);  // a stray value from a hand-made file
  t.options.RandomSeed1 = true;
  t.game.RandomSeed = 8;
  ASSERT_EQ(t.game.BeginGame(), DealResult::Dealt);
  EXPECT_EQ(t.game.TilesLeft(), 2);
  EXPECT_TRUE(Consistent(t.game)) << "no cell may hold a value without a tile record";
}

TEST(DealAnimation, DrawsAsItDealsOnlyWhenAsked) {
  Table t;
  t.options.Animate = true;
  t.game.GameMode = ModeStopped;  // from the welcome screen: each placed tile is drawn
  t.game.Layout = MustLayout(kTurtle);
  t.game.RandomSolitaireGame1Click();
  EXPECT_EQ(t.host.Count("repaint"), 144);

  t.host.log.clear();
  t.options.Winnable = true;  // in a running game the winnable deal shows each pair
  t.game.RandomSolitaireGame1Click();
  EXPECT_EQ(t.host.Count("repaint"), 72);

  t.host.log.clear();
  t.Deal(kTurtle, 5, true);  // a specific game is never animated
  EXPECT_EQ(t.host.Count("repaint"), 0);
}

}  // namespace
}  // namespace sorimo::test
