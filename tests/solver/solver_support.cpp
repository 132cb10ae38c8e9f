#include "tests/support/game_test_peer.h"
#include "solver_support.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "engine/free_rule.h"

namespace sorimo::test {

namespace {

int Roll(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

std::vector<int> TilesOn(const TileRecords& records) {
  std::vector<int> tiles;
  for (int n = 1; n <= kTileCount; ++n)
    if (records[n].present()) tiles.push_back(n);
  return tiles;
}

bool Free(const Position& p, int n, bool vertical) {
  const TileRecord& r = p.records[n];
  return CellIsFree(p.grid, r.x, r.y, r.z, vertical);
}

}  // namespace

LayoutCells RandomSmallLayout(std::mt19937& rng, int count, int width, int height, int layers) {
  LayoutCells layout;
  const int left = 6, top = 4;  // away from the edges, which the free rule tests elsewhere
  const auto anchoredNear = [&](int x, int y, int z) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const int cx = x + dx, cy = y + dy;
        if (cx >= 1 && cx <= kColumns && cy >= 1 && cy <= kRows && layout.at(cx, cy, z) != 0) return true;
      }
    return false;
  };
  int placed = 0;
  for (int attempt = 0; placed < count && attempt < 3000; ++attempt) {  // a cramped box holds fewer
    // Mostly the table, then ever fewer tiles a layer up.
    int z = 1;
    while (z < layers && Roll(rng, 100) < 45) ++z;
    const int x = left + Roll(rng, width), y = top + Roll(rng, height);
    if (anchoredNear(x, y, z)) continue;
    if (z > 1 && !anchoredNear(x, y, z - 1)) continue;
    layout.set(x, y, z, 1);
    ++placed;
  }
  return layout;
}

LayoutCells RandomCompactLayout(std::mt19937& rng, int count) {
  LayoutCells layout;
  int placed = 0;
  int columns = 3 + Roll(rng, 3), rows = 2 + Roll(rng, 3);
  int x0 = 6, y0 = 4;
  for (int z = 1; z <= kLayers && placed < count && columns > 0 && rows > 0; ++z) {
    for (int j = 0; j < rows; ++j)
      for (int i = 0; i < columns && placed < count; ++i) {
        layout.set(x0 + 2 * i, y0 + 2 * j, z, 1);
        ++placed;
      }
    // The next layer: one tile narrower or not, shifted by half a tile or not, in each direction.
    const int shrinkX = Roll(rng, 2), shrinkY = Roll(rng, 2);
    x0 += shrinkX;
    y0 += shrinkY;
    columns -= std::max(shrinkX, Roll(rng, 2));
    rows -= std::max(shrinkY, Roll(rng, 2));
  }
  return layout;
}

Position RandomDeal(std::mt19937& rng, const LayoutCells& layout) {
  std::vector<Cell> cells;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (layout.at(x, y, z) != 0) cells.push_back({x, y, z});
  std::vector<int> groups(kTileCount / 4);
  std::iota(groups.begin(), groups.end(), 0);
  std::shuffle(groups.begin(), groups.end(), rng);
  std::vector<int> tiles;
  for (size_t g = 0; tiles.size() + 2 <= cells.size() && g < groups.size(); ++g) {
    std::vector<int> four{4 * groups[g] + 1, 4 * groups[g] + 2, 4 * groups[g] + 3, 4 * groups[g] + 4};
    std::shuffle(four.begin(), four.end(), rng);
    const bool whole = tiles.size() + 4 <= cells.size() && Roll(rng, 10) < 7;
    tiles.insert(tiles.end(), four.begin(), four.begin() + (whole ? 4 : 2));
  }
  std::shuffle(tiles.begin(), tiles.end(), rng);
  Position p;
  for (size_t i = 0; i < tiles.size(); ++i) PlaceTile(p.grid, p.records, tiles[i], cells[i]);
  p.tiles = static_cast<int>(tiles.size());
  return p;
}

void PlayRandomMoves(std::mt19937& rng, Position& p, bool vertical, int moves) {
  for (int k = 0; k < moves; ++k) {
    std::vector<std::pair<int, int>> pairs;
    std::vector<int> free;
    for (const int n : TilesOn(p.records))
      if (Free(p, n, vertical)) free.push_back(n);
    for (size_t i = 0; i < free.size(); ++i)
      for (size_t j = i + 1; j < free.size(); ++j)
        if (MatchGroup(free[i]) == MatchGroup(free[j])) pairs.push_back({free[i], free[j]});
    if (pairs.empty()) return;
    const auto [a, b] = pairs[Roll(rng, static_cast<int>(pairs.size()))];
    TakeTile(p.grid, p.records, a);
    TakeTile(p.grid, p.records, b);
    p.tiles -= 2;
  }
}

namespace {

struct Exhaustive {
  Position p;
  bool vertical = false;
  std::vector<int> tiles;
  std::unordered_set<uint32_t> dead;

  bool Clearable(uint32_t on) {
    if (on == 0) return true;
    if (dead.count(on)) return false;
    std::vector<int> free;
    for (size_t i = 0; i < tiles.size(); ++i)
      if ((on >> i) & 1 && Free(p, tiles[i], vertical)) free.push_back(static_cast<int>(i));
    for (size_t a = 0; a < free.size(); ++a)
      for (size_t b = a + 1; b < free.size(); ++b) {
        const int i = free[a], j = free[b];
        if (MatchGroup(tiles[i]) != MatchGroup(tiles[j])) continue;
        const TileRecord ri = p.records[tiles[i]], rj = p.records[tiles[j]];
        TakeTile(p.grid, p.records, tiles[i]);
        TakeTile(p.grid, p.records, tiles[j]);
        const bool cleared = Clearable(on & ~(1u << i) & ~(1u << j));
        PlaceTile(p.grid, p.records, tiles[i], {ri.x, ri.y, ri.z});
        PlaceTile(p.grid, p.records, tiles[j], {rj.x, rj.y, rj.z});
        if (cleared) return true;
      }
    dead.insert(on);
    return false;
  }
};

}  // namespace

bool ExhaustivelyClearable(const Position& p, bool vertical) {
  Exhaustive e{p, vertical, TilesOn(p.records), {}};
  EXPECT_LE(e.tiles.size(), 32u);
  if (e.tiles.size() > 32) return false;
  const uint32_t all = e.tiles.size() == 32 ? ~0u : (1u << e.tiles.size()) - 1;
  return e.Clearable(all);
}

void PutPosition(Table& t, const Position& p, bool vertical) {
  Board& board = t.game.board();
  board.NewDeal(p.tiles);
  for (int n = 1; n <= kTileCount; ++n)
    if (p.records[n].present()) board.PlaceTile(n, {p.records[n].x, p.records[n].y, p.records[n].z});
  t.game.GameMode = ModeClassic;
  t.game.choice.FirstSelected = t.game.choice.SecondSelected = 0;
  t.game.GameFinished = t.game.GameOverHandled = false;
  t.options.Vertical = vertical;
}

::testing::AssertionResult ReplayClears(Table& t, const std::vector<TilePair>& order, bool click) {
  int step = 0;
  for (const TilePair& pair : order) {
    ++step;
    for (const int n : {int(pair.first), int(pair.second)})
      if (!t.game.IsFreeNow(n))
        return ::testing::AssertionFailure() << "move " << step << ": tile " << n << " is not free" << t.Board();
    if (pair.first == pair.second || MatchGroup(pair.first) != MatchGroup(pair.second))
      return ::testing::AssertionFailure() << "move " << step << ": tiles " << int(pair.first) << " and "
                                           << int(pair.second) << " do not match";
    const int before = t.game.TilesLeft();
    if (click) {
      t.Click(pair.first);
      t.Click(pair.second);
    } else {
      GameTestPeer::RemovePair(t.game, pair.first, pair.second);
    }
    if (t.game.TilesLeft() != before - 2)
      return ::testing::AssertionFailure() << "move " << step << " did not take the pair" << t.Board();
  }
  if (t.game.TilesLeft() != 0) return ::testing::AssertionFailure() << t.game.TilesLeft() << " tiles left" << t.Board();
  return ::testing::AssertionSuccess();
}

}  // namespace sorimo::test
