// Thousands of complete games played through the engine's own entry points: clicks at
// tiles' screen positions, undos, shuffles, hints, pauses and ticks, on every shipped layout
// and a few hand-written ones. After every step the board is checked, the free tiles and the
// moves left are counted again from the free rule's plain definition, and the clock, the
// penalties and the time shown are compared with what the scripted clock says they must be.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "layouts/layout_reader.h"
#include "test_support.h"

namespace sorimo::test {
namespace {

namespace fs = std::filesystem;

int GameCount() { return SoakGameCount("SORIMO_SOAK_GAMES", 2000, 200); }

// Every layout in the shipped Layouts folder, in name order, then the hand-written ones:
// few tiles free at the start, and tiles against every edge of the board.
std::vector<LayoutCells> SoakLayouts() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(SORIMO_SOURCE_DATA) / "Layouts"))
    if (e.path().extension() == ".lay") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  std::vector<LayoutCells> layouts;
  for (const fs::path& f : files) {
    const LayoutReadResult r = LoadLayoutFile(f);
    EXPECT_EQ(r.status, LayoutReadStatus::Loaded) << f << ": " << r.message;
    layouts.push_back(r.cells);
  }
  for (const char* text : {kTurtle, kFewFree, kWall}) layouts.push_back(MustLayout(text));
  return layouts;
}

// The free tiles and the moves, counted from the tile records alone by comparing tiles with
// the tiles near them. A tile is free when no tile of the layer above overlaps it, even by a
// quarter, and one of its sides is open: left or right, or under the vertical variation top
// or bottom. A tile of its own layer two columns over (two rows over) closes that side when
// their rows (columns) overlap at all. Each match group with k free tiles gives k - 1 moves.
struct FreeCount {
  std::vector<int> tiles;  // in increasing tile number
  int moves = 0;
};

FreeCount CountFree(const TileRecords& records, bool vertical) {
  // Every tile is filed by its layer and by its line across the sides that may open: its
  // column, or its row under the vertical variation. Tiles filed more than two lines apart,
  // or more than a layer apart, never touch; every other pair is compared.
  constexpr int kLines = kColumns + 4;
  std::array<std::array<std::array<uint8_t, kRows>, kLines>, kLayers + 2> filed;
  std::array<std::array<uint8_t, kLines>, kLayers + 2> inLine{};
  const auto line = [vertical](const TileRecord& r) { return vertical ? r.y : r.x; };
  for (int t = 1; t <= kTileCount; ++t) {
    const TileRecord& r = records[t];
    if (r.present()) filed[size_t(r.z)][size_t(line(r))][inLine[size_t(r.z)][size_t(line(r))]++] = uint8_t(t);
  }
  std::array<bool, kTileCount + 1> covered{}, lowSideShut{}, highSideShut{};
  for (int t = 1; t <= kTileCount; ++t) {
    const TileRecord& a = records[t];
    if (!a.present()) continue;
    const int k = line(a);
    for (int near = k - 1; near <= k + 1; ++near)
      for (int i = 0; i < inLine[size_t(a.z + 1)][size_t(near)]; ++i) {
        const TileRecord& b = records[filed[size_t(a.z + 1)][size_t(near)][size_t(i)]];
        if (std::abs(b.x - a.x) <= 1 && std::abs(b.y - a.y) <= 1) covered[size_t(t)] = true;
      }
    // The tiles two lines further on: a on their low side, they on a's high side.
    for (int i = 0; i < inLine[size_t(a.z)][size_t(k + 2)]; ++i) {
      const int other = filed[size_t(a.z)][size_t(k + 2)][size_t(i)];
      const TileRecord& b = records[other];
      if (std::abs(vertical ? b.x - a.x : b.y - a.y) > 1) continue;
      highSideShut[size_t(t)] = true;
      lowSideShut[size_t(other)] = true;
    }
  }
  FreeCount c;
  std::array<int, MatchGroup(kTileCount) + 1> perGroup{};
  for (int t = 1; t <= kTileCount; ++t) {
    if (!records[t].present() || covered[size_t(t)] || (lowSideShut[size_t(t)] && highSideShut[size_t(t)])) continue;
    c.tiles.push_back(t);
    if (perGroup[size_t(MatchGroup(t))]++ > 0) ++c.moves;
  }
  return c;
}

// The count of the board as it is now; most steps leave the board as it was, and those reuse
// the last count.
class Recount {
 public:
  const FreeCount& Of(const Game& game, bool vertical) {
    if (!valid_ || game.board().Records() != records_ || vertical != vertical_) {
      records_ = game.board().Records();
      vertical_ = vertical;
      count_ = CountFree(records_, vertical);
      valid_ = true;
    }
    return count_;
  }

 private:
  bool valid_ = false, vertical_ = false;
  TileRecords records_{};
  FreeCount count_;
};

std::string Clock(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

// A player who mostly takes a matching free pair, sometimes clicks whatever is under a
// random tile or beside the tiles, and now and then asks for help or changes its mind. It
// keeps its own account of the clock: the milliseconds the game has run unpaused, and the
// penalties its hints and shuffles must have cost.
class Player {
 public:
  Player(Table& t, unsigned seed) : t_(t), rng_(seed) {}

  Recount recount;
  // In a two-player game Back, Restart and Hint do nothing and a shuffle costs nothing.
  bool twoPlayers = false;

  int runningMs = 0;
  int penalty = 0;

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
      if (t_.game.TilesLeft() != fruitlessShuffleAt_) Shuffle();
    } else if (roll < 960) {
      Hint();
    } else if (roll < 965) {
      ClickFaceOf(AnyTile(), MouseButton::Right);
    } else if (roll < 975) {
      t_.game.PauseClick();
      Tick(Roll(5000));  // paused: the clock must not run
      t_.game.PauseClick();
    } else if (roll < 976) {
      Restart();
    } else if (roll < 986) {
      FormDeactivate(t_.game);
      FormActivate(t_.game);
    }
  }

  // The clock runs while a game is on the board.
  void Tick(int ms) {
    if (t_.game.GameMode == ModeClassic || t_.game.GameMode == ModeTwoPlayer) runningMs += ms;
    t_.Tick(ms);
  }

 private:
  int Roll(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  bool vertical() const { return t_.options.Vertical; }

  // Forty seconds for a hint, when there is a move to show.
  void Hint() {
    if (recount.Of(t_.game, vertical()).moves > 0 && !twoPlayers) penalty += 40;
    t_.game.Hint();
  }

  // Ten seconds for every move the shuffled board offers.
  void Shuffle() {
    t_.game.Shuffle1Click();
    const int moves = recount.Of(t_.game, vertical()).moves;
    if (!twoPlayers) penalty += 10 * moves;
    if (moves == 0) fruitlessShuffleAt_ = t_.game.TilesLeft();
  }

  // Back to the deal, and the clock and penalties start again; nothing happens on a board
  // that is still whole.
  void Restart() {
    const bool applies = t_.game.TilesLeft() != t_.game.TilesTotal() && !twoPlayers;
    t_.game.Restart();
    if (applies) runningMs = penalty = 0;
  }

  int AnyTile() {
    std::vector<int> on;
    for (int n = 1; n <= kTileCount; ++n)
      if (t_.game.board().Records()[n].present()) on.push_back(n);
    return on.empty() ? 0 : on[Roll(static_cast<int>(on.size()))];
  }

  void ClickPartnerOrAnyFree() {
    // The free tiles as counted, which the engine's count was just checked against.
    const std::vector<int>& free = recount.Of(t_.game, vertical()).tiles;
    std::vector<int> partners;
    const int first = t_.game.choice.FirstSelected;
    for (const int n : free)
      if (first != 0 && n != first && MatchGroup(n) == MatchGroup(first)) partners.push_back(n);
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
    // Stuck: take moves back or shuffle, as a player would. Once a shuffle found nothing
    // with this many tiles left (the last two stacked, say), the player no longer shuffles
    // there: the plain shuffle tries a hundred passes in vain each time.
    if (t_.game.TilesLeft() == fruitlessShuffleAt_ || Roll(2) == 0)
      t_.game.Back();
    else
      Shuffle();
  }

  void ClickTile(int tile) { ClickFaceOf(tile, MouseButton::Left); }

  // At the centre of the tile's face, where a player aims; whatever is drawn on top there
  // gets the click (for a free tile, nearly always the tile itself).
  void ClickFaceOf(int tile, MouseButton button) {
    if (tile == 0) return;
    const TileRecord& r = t_.game.board().Records()[tile];
    const PixelRect box = TileBox(r.x, r.y, r.z);
    t_.game.ButtonDown(button, box.left + 26 + t_.game.BoardOrigin.x, box.top + 25 + t_.game.BoardOrigin.y);
  }

  Table& t_;
  std::mt19937 rng_;
  int fruitlessShuffleAt_ = -1;  // tiles left when a shuffle last found no move
};

// After a tick of a game still running: the engine's free tiles and moves are the test's own
// count, and its clock, penalties and status fields are the player's account.
::testing::AssertionResult CountsAndClockAgree(const Table& t, Player& player) {
  const Game& g = t.game;
  const FreeCount& c = player.recount.Of(g, t.options.Vertical);
  const std::vector<int> engineFree(g.moves.FreeTiles.begin() + 1, g.moves.FreeTiles.begin() + 1 + std::max(g.moves.FreeCount, 0));
  if (engineFree != c.tiles)
    return ::testing::AssertionFailure() << g.moves.FreeCount << " tiles free, counted " << c.tiles.size() << "\n"
                                         << BoardToText(g.board().Grid());
  if (g.moves.MovesLeft != c.moves)
    return ::testing::AssertionFailure() << g.moves.MovesLeft << " moves left, counted " << c.moves;
  if (g.clock.ElapsedSeconds != player.runningMs / 1000 || g.clock.PenaltySeconds != player.penalty)
    return ::testing::AssertionFailure() << "clock " << g.clock.ElapsedSeconds << " s + " << g.clock.PenaltySeconds
                                         << " s, expected " << player.runningMs / 1000 << " s + " << player.penalty;
  // Two players see no game time; their turns together are the time played.
  const std::string shown = std::to_string(g.TilesLeft()) + "|" + std::to_string(c.moves) + "|" +
                            (player.twoPlayers ? "" : Clock(player.runningMs / 1000 + player.penalty));
  if (t.host.fields != shown) return ::testing::AssertionFailure() << "shown " << t.host.fields << ", expected " << shown;
  if (player.twoPlayers) {
    const TwoPlayerState& s = *g.ModeDataIf<TwoPlayerState>();
    const int pairs = (g.TilesTotal() - g.TilesLeft()) / 2;
    if (s.PlayerTwoToMove != (pairs % 2 == 1))
      return ::testing::AssertionFailure() << pairs << " pairs taken, player " << (s.PlayerTwoToMove ? 2 : 1) << " to move";
    const uint32_t turnStart = s.PlayerTwoToMove ? s.PlayerTwoTurnStart : s.PlayerOneTurnStart;
    const int64_t turns = int64_t(s.PlayerOneTime) + s.PlayerTwoTime + int64_t(t.host.now - turnStart);
    if (turns != player.runningMs)
      return ::testing::AssertionFailure() << "the turns add up to " << turns << " ms, played " << player.runningMs;
  }
  return ::testing::AssertionSuccess();
}

TEST(Soak, ThousandsOfGamesKeepBoardCountsAndClockInStep) {
  const std::vector<LayoutCells> layouts = SoakLayouts();
  ASSERT_GE(layouts.size(), 24u + 3u);
  const int games = GameCount();
  int cleared = 0, steps = 0;
  for (int g = 0; g < games; ++g) {
    Table t;
    t.options.Vertical = g % 5 == 4;
    t.options.Shuffable = g % 3 != 2;
    t.options.ShowGirls = g % 2 == 0;
    t.host.timeOfDay = 7919u * static_cast<unsigned>(g);
    const size_t layout = size_t(g) % layouts.size();
    const DealResult dealt = t.Deal(layouts[layout], g + 1, g % 4 != 3);
    ASSERT_EQ(dealt, DealResult::Dealt) << "game " << g;
    ASSERT_TRUE(Consistent(t.game)) << "game " << g << " after the deal";
    Player player(t, static_cast<unsigned>(g));
    // The timer runs before the player can click: the first figures are on show.
    player.Tick(50);
    ASSERT_TRUE(CountsAndClockAgree(t, player)) << "game " << g << " (layout " << layout << ") after the deal";
    for (int step = 0; step < 2000 && t.game.GameMode == ModeClassic; ++step, ++steps) {
      player.Step();
      player.Tick(50);
      ASSERT_TRUE(Consistent(t.game)) << "game " << g << " step " << step;
      ASSERT_TRUE(t.game.GameMode == ModeClassic || t.game.GameMode == ModeGameOver) << int(t.game.GameMode);
      if (t.game.GameMode == ModeClassic) {
        ASSERT_TRUE(CountsAndClockAgree(t, player)) << "game " << g << " (layout " << layout << ") step " << step;
      }
    }
    if (t.game.GameMode == ModeGameOver) {
      ASSERT_EQ(t.game.TilesLeft(), 0);
      ASSERT_EQ(t.host.Count("game over closed"), 1);
      // The result announced is the time played plus the penalties.
      const std::string result =
          "game over '" + std::string(FinalTimeText) + Clock(player.runningMs / 1000 + player.penalty) + "'";
      ASSERT_EQ(t.host.Only({"game over '"}).at(0).substr(0, result.size()), result) << "game " << g;
      ++cleared;
    }
  }
  // Greedy play with shuffles and undos clears nearly every board.
  EXPECT_GT(cleared, games * 9 / 10) << cleared << " of " << games << " cleared in " << steps << " steps";
  std::printf("soak: %d of %d games cleared in %d steps\n", cleared, games, steps);
  RecordProperty("cleared", cleared);
  RecordProperty("steps", steps);
}

// Two players on the shipped layouts: the same checks, and after every step the turn belongs
// to the player the pairs say, and the two players' times add up to the time played.
TEST(Soak, TwoPlayerGamesKeepBoardCountsAndTurnsInStep) {
  const std::vector<LayoutCells> layouts = SoakLayouts();
  const int games = std::max(1, GameCount() / 4);
  int cleared = 0, steps = 0;
  for (int g = 0; g < games; ++g) {
    Table t;
    t.options.Vertical = g % 5 == 4;
    t.options.Shuffable = g % 3 != 2;
    t.options.Winnable = g % 4 != 3;
    t.host.timeOfDay = 104729u * static_cast<unsigned>(g);
    t.game.Layout = layouts[size_t(g) % layouts.size()];
    t.game.RandomSeed = g + 1;
    t.options.RandomSeed1 = true;
    ASSERT_EQ(t.game.StartMode(ModeTwoPlayer), DealResult::Dealt) << "game " << g;
    Player player(t, static_cast<unsigned>(g) + 77u);
    player.twoPlayers = true;
    player.Tick(50);
    ASSERT_TRUE(CountsAndClockAgree(t, player)) << "game " << g << " after the deal";
    for (int step = 0; step < 2000 && t.game.GameMode == ModeTwoPlayer; ++step, ++steps) {
      player.Step();
      player.Tick(50);
      ASSERT_TRUE(Consistent(t.game)) << "game " << g << " step " << step;
      ASSERT_TRUE(t.game.GameMode == ModeTwoPlayer || t.game.GameMode == ModeGameOver) << int(t.game.GameMode);
      if (t.game.GameMode == ModeTwoPlayer) {
        ASSERT_TRUE(CountsAndClockAgree(t, player)) << "game " << g << " step " << step;
      }
    }
    if (t.game.GameMode == ModeGameOver) {
      const TwoPlayerState& s = t.game.ModeData<TwoPlayerState>();
      // The last pair ended the last turn; the tick after it, which noticed the end, is no one's.
      ASSERT_EQ(s.PlayerOneTime + s.PlayerTwoTime, player.runningMs - 50) << "game " << g;
      const std::string winner = s.PlayerTwoTime < s.PlayerOneTime    ? "And the winner is... Player 2 !"
                                 : s.PlayerTwoTime == s.PlayerOneTime ? "Same score for both players !"
                                                                      : "And the winner is... Player 1 !";
      ASSERT_EQ(t.host.Only({"game over '"}), std::vector<std::string>{"game over '" + winner + "'"}) << "game " << g;
      ASSERT_TRUE(t.host.Only({"add hall", "hall window"}).empty());
      ++cleared;
    }
  }
  EXPECT_GT(cleared, games * 3 / 4) << cleared << " of " << games << " cleared in " << steps << " steps";
  std::printf("two-player soak: %d of %d games cleared in %d steps\n", cleared, games, steps);
}

}  // namespace
}  // namespace sorimo::test
