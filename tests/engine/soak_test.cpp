// Thousands of complete games played through the engine's own entry points: clicks at
// tiles' screen positions, undos, shuffles, hints, pauses and ticks, with the board checked
// after every step.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "test_support.h"

namespace sorimo::test {
namespace {

int GameCount() {
  if (const char* env = std::getenv("SORIMO_SOAK_GAMES")) return std::max(1, std::atoi(env));
#ifdef SORIMO_SANITIZED
  return 200;  // the sanitizers make every step dozens of times slower
#else
  return 2000;
#endif
}

// A player who mostly takes a matching free pair, sometimes clicks whatever is under a
// random tile or beside the tiles, and now and then asks for help or changes its mind.
class Player {
 public:
  Player(Table& t, unsigned seed) : t_(t), rng_(seed) {}

  void Step() {
    const int roll = Roll(1000);
    if (roll < 800) {
      ClickPartnerOrAnyFree();
    } else if (roll < 870) {
      ClickFaceOf(AnyTile(), MouseButton::Left);  // often a blocked tile
    } else if (roll < 890) {
      t_.game.ButtonDown(roll % 2 ? MouseButton::Left : MouseButton::Middle, Roll(760) - 20, Roll(520) - 20);
    } else if (roll < 920) {
      t_.game.Back();
    } else if (roll < 935) {
      t_.game.Shuffle1Click();
    } else if (roll < 960) {
      t_.game.Hint();
    } else if (roll < 965) {
      ClickFaceOf(AnyTile(), MouseButton::Right);
    } else if (roll < 975) {
      t_.game.PauseClick();
      t_.Tick(Roll(5000));
      t_.game.PauseClick();
    } else if (roll < 976) {
      t_.game.Restart();
    } else if (roll < 986) {
      t_.game.FormDeactivate();
      t_.game.FormActivate();
    }
  }

 private:
  int Roll(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  int AnyTile() {
    std::vector<int> on;
    for (int n = 1; n <= kTileCount; ++n)
      if (t_.game.Records[n].present()) on.push_back(n);
    return on.empty() ? 0 : on[Roll(static_cast<int>(on.size()))];
  }

  void ClickPartnerOrAnyFree() {
    std::vector<int> free, partners;
    const int first = t_.game.FirstSelected;
    for (int n = 1; n <= kTileCount; ++n) {
      if (!t_.game.Records[n].present() || !t_.game.IsFreeNow(n)) continue;
      free.push_back(n);
      if (first != 0 && n != first && MatchGroup(n) == MatchGroup(first)) partners.push_back(n);
    }
    if (!partners.empty()) return ClickTile(partners[Roll(static_cast<int>(partners.size()))]);
    // Pick a tile that has a free partner, if there is one.
    std::vector<int> withPartner;
    for (const int a : free)
      for (const int b : free)
        if (a != b && MatchGroup(a) == MatchGroup(b)) {
          withPartner.push_back(a);
          break;
        }
    if (!withPartner.empty()) return ClickTile(withPartner[Roll(static_cast<int>(withPartner.size()))]);
    // Stuck: take moves back or shuffle, as a player would.
    if (Roll(2) == 0)
      t_.game.Back();
    else
      t_.game.Shuffle1Click();
  }

  void ClickTile(int tile) { ClickFaceOf(tile, MouseButton::Left); }

  // At the centre of the tile's face, where a player aims; whatever is drawn on top there
  // gets the click (for a free tile, nearly always the tile itself).
  void ClickFaceOf(int tile, MouseButton button) {
    if (tile == 0) return;
    const TileRecord& r = t_.game.Records[tile];
    const PixelRect box = TileBox(r.x, r.y, r.z);
    t_.game.ButtonDown(button, box.left + 26 + t_.game.BoardOriginX, box.top + 25 + t_.game.BoardOriginY);
  }

  Table& t_;
  std::mt19937 rng_;
};

TEST(Soak, ThousandsOfGamesKeepGridRecordsAndCountsInStep) {
  const char* layouts[] = {kTurtle, kFewFree, kWall};
  const int games = GameCount();
  int cleared = 0, steps = 0;
  for (int g = 0; g < games; ++g) {
    Table t;
    t.options.Vertical = g % 5 == 4;
    t.options.Shuffable = g % 3 != 2;
    t.options.ShowGirls = g % 2 == 0;
    t.host.timeOfDay = 7919u * static_cast<unsigned>(g);
    const DealResult dealt = t.Deal(layouts[g % 3], g + 1, g % 4 != 3);
    ASSERT_EQ(dealt, DealResult::Dealt) << "game " << g;
    ASSERT_TRUE(Consistent(t.game)) << "game " << g << " after the deal";
    Player player(t, static_cast<unsigned>(g));
    for (int step = 0; step < 2000 && t.game.GameMode == ModeClassic; ++step, ++steps) {
      player.Step();
      t.Tick(50);
      ASSERT_TRUE(Consistent(t.game)) << "game " << g << " step " << step;
      ASSERT_TRUE(t.game.GameMode == ModeClassic || t.game.GameMode == ModeGameOver) << int(t.game.GameMode);
    }
    if (t.game.GameMode == ModeGameOver) {
      ASSERT_EQ(t.game.TilesLeft, 0);
      ASSERT_EQ(t.host.Count("game over closed"), 1);
      ++cleared;
    }
  }
  // Greedy play with shuffles and undos clears nearly every board.
  EXPECT_GT(cleared, games * 9 / 10) << cleared << " of " << games << " cleared in " << steps << " steps";
  std::printf("soak: %d of %d games cleared in %d steps\n", cleared, games, steps);
  RecordProperty("cleared", cleared);
  RecordProperty("steps", steps);
}

}  // namespace
}  // namespace sorimo::test
