// Dealing the tiles onto the layout: the plain random deal, the winnable deal that plays the
// game backwards first, and the winnable re-deal of the tiles still on the board.
#include <algorithm>

#include "engine/free_rule.h"
#include "engine/game.h"
#include "engine/plain_deal.h"

namespace sorimo {

namespace {

// The backwards play of a winnable deal starts over when it gets stuck. Ordinary layouts
// need a handful of fresh starts at most; a layout that cannot be emptied in pairs would
// otherwise keep the game busy for ever.
constexpr int kMaxDealRestarts = 1000;
// Rejection sampling for the matching pairs ends after about N * N / 2 draws on average;
// this bound is never met by a working generator, it only guarantees the deal ends.
constexpr long kMaxPairDraws = 50'000'000;
bool IsBlank(const TileRecord& r) { return r == TileRecord{}; }

}  // namespace

const char* DealResultText(DealResult r) {
  switch (r) {
    case DealResult::Dealt:
      return "The board is dealt.";
    case DealResult::EmptyLayout:
      return "This layout has no tiles.";
    case DealResult::OddLayout:
      return "This layout has an odd number of tiles: they can never all be matched in pairs.";
    case DealResult::TooManyPositions:
      return "This layout has more than 144 tiles.";
    case DealResult::NotWinnable:
      return "No winnable board can be built on this layout: its tiles cannot all be taken off in pairs.";
  }
  return "";
}

DealResult Game::LayoutCheck() const {
  const int n = Layout.count();
  if (n == 0) return DealResult::EmptyLayout;
  if (n > kTileCount) return DealResult::TooManyPositions;
  if (n % 2 != 0) return DealResult::OddLayout;
  return DealResult::Dealt;
}

// A deal is drawn tile by tile over a game under way (or, for the classic start, whatever is on
// screen); a specific game is dealt at once. A shuffle is drawn over a game under way.
bool Game::DrawsDealOverGame() const {
  return options_.Animate && Traits(GameMode).underWay && !options_.RandomSeed1;
}
bool Game::DrawsDeal(DealDrawing drawing) const {
  return drawing == DealDrawing::UnlessSpecific ? options_.Animate && !options_.RandomSeed1 : DrawsDealOverGame();
}
bool Game::DrawsShuffle() const { return options_.Animate && Traits(GameMode).underWay; }

void Game::SeedDeal() {
  if (options_.RandomSeed1 && RandomSeed > 0)
    Generator.GeneratorSeed = static_cast<uint32_t>(RandomSeed);
  else
    Generator.SeedFromClock(host_.time);
}

// Every layout position becomes a slot marker of the work grid.
void Game::FillSlots() { slots_ = SlotsOf(Layout); }

void Game::RestoreSlotsFromLayout() {
  FillSlots();
  slotCount_ = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (slots_.at(x, y, z) == SlotMarker && slotCount_ < kTileCount) slotList_[++slotCount_] = {x, y, z};
}

// The plain free rule on a position of the backwards play; slot markers are obstacles like
// tiles, and a position of column, row or layer 0 is none.
bool Game::CanBeTaken(int x, int y, int z) const {
  if (x == 0 || y == 0 || z == 0) return false;
  return CellIsFree(slots_, x, y, z, false);
}

int Game::CountFreeSlots() const {
  int n = 0;
  for (int i = 1; i <= slotCount_; ++i) {
    const Cell& c = slotList_[i];
    if (slots_.at(c.x, c.y, c.z) != 0 && CanBeTaken(c.x, c.y, c.z)) ++n;
  }
  return n;
}

// A uniformly drawn slot that still holds its marker and is free, other than *different.
// The caller has counted at least two free slots, so one always exists.
Cell Game::DrawFreeSlot(int n, const Cell* different) {
  for (;;) {
    const Cell p = slotList_[Generator.RandomInt(n) + 1];
    if (slots_.at(p.x, p.y, p.z) != SlotMarker || !CanBeTaken(p.x, p.y, p.z)) continue;
    if (p.x <= 0 || p.y <= 0 || p.z <= 0) continue;
    if (different != nullptr && p == *different) continue;
    return p;
  }
}

// One step of playing backwards: two different free positions become pairList_[k] and
// pairList_[k + 1] and are taken off the work grid.
void Game::TakeFreePair(int n, int k) {
  const Cell p = DrawFreeSlot(n, nullptr);
  pairList_[k] = p;
  const Cell q = DrawFreeSlot(n, &p);
  pairList_[k + 1] = q;
  slots_.set(p.x, p.y, p.z, 0);
  slots_.set(q.x, q.y, q.z, 0);
}

void Game::RefreshAfterFailedDeal() {
  if (!options_.Animate) return;  // nothing was drawn
  if (Traits(GameMode).showsBoard)
    FullRedraw();
  else
    host_.board.ShowFond();
}

DealResult Game::DealStep(DealDrawing drawing) {
  if (const DealResult problem = LayoutCheck(); problem != DealResult::Dealt) return problem;
  const Board before = board_;

  FillSlots();
  int positions = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) positions += slots_.at(x, y, z) == SlotMarker;
  // The history is indexed by TilesTotal - TilesLeft, so TilesTotal is the number of tiles
  // dealt; with a fixed 144 a smaller layout would undo entries that were never written.
  board_.NewDeal(positions);
  if (DrawsDealOverGame()) FullRedraw();

  if (options_.Winnable) {
    const DealResult r = CreateBoard();
    if (r != DealResult::Dealt) {
      board_ = before;
      RefreshAfterFailedDeal();
    }
    return r;
  }

  SeedDeal();
  const std::array<Cell, kTileCount + 1> cells = PlainDealCells(slots_, positions, Generator);
  const bool animate = DrawsDeal(drawing);
  for (int i = 1; i <= positions; ++i) {
    board_.PlaceTile(i, cells[i]);
    if (animate) {
      RedrawTile(i);
      host_.board.RepaintNow();
    }
  }
  return DealResult::Dealt;
}

DealResult Game::CreateBoard() {
  if (const DealResult problem = LayoutCheck(); problem != DealResult::Dealt) return problem;
  const Board before = board_;
  const auto fail = [&] {
    board_ = before;
    return DealResult::NotWinnable;
  };

  if (DrawsDealOverGame()) FullRedraw();
  RestoreSlotsFromLayout();
  const int n = slotCount_;
  board_.NewDeal(n);
  SeedDeal();

  // Play backwards: take random free pairs of positions off until the layout is empty.
  int k = 1, restarts = 0;
  while (k <= n) {
    if (CountFreeSlots() < 2) {
      // Stuck. A full layout that offers no pair stays stuck, however often it starts over.
      if (k == 1 || ++restarts > kMaxDealRestarts) return fail();
      RestoreSlotsFromLayout();
      k = 1;
      continue;
    }
    TakeFreePair(n, k);
    k += 2;
  }

  // Put matching tiles onto the pairs, the last removed pair first. Every draw counts for
  // the game number, the rejected ones too.
  k -= 2;
  const bool animate = DrawsDealOverGame();
  long draws = 0;
  const TileRecords& records = board_.Records();
  while (k >= 1) {
    const int a = Generator.RandomInt(n) + 1;
    const int b = Generator.RandomInt(n) + 1;
    if (++draws > kMaxPairDraws) return fail();
    if (MatchGroup(a) != MatchGroup(b) || a == b || !IsBlank(records[a]) || !IsBlank(records[b])) continue;
    board_.PlaceTile(a, pairList_[k]);
    board_.PlaceTile(b, pairList_[k + 1]);
    if (animate) {
      FullRedraw();
      host_.board.RepaintNow();
    }
    k -= 2;
  }
  return DealResult::Dealt;
}

}  // namespace sorimo
