// The winnable shuffle: the tiles left are dealt again onto the places they stand on, in an
// order that can be played to the end. It works as the winnable deal does, on the work grid:
// play the occupied places backwards, then put the pairs of tiles back onto them. The board
// itself changes only once a complete re-deal is found.
#include "engine/game.h"

namespace sorimo {

namespace {

// The winnable re-deal gives up after this many attempts and leaves the board as it was.
constexpr int kMaxShuffleIterations = 200;

// A tile not yet put back: its record is all zero after the new deal.
bool IsBlank(const TileRecord& r) { return r == TileRecord{}; }

}  // namespace

ShuffleResult Game::ShuffleBoard() {
  if (options_.Animate && Traits(GameMode).allowsShuffle && !options_.RandomSeed1)
    FullRedraw();

  const BoardGrid occupied = OccupiedSlots();
  UseSlots(occupied);
  const int places = slotCount_;
  if (CountFreeSlots() < 2) return ShuffleResult::TooFewFree;

  std::array<uint8_t, kTileCount + 1> tiles{};
  const int m = TilesInPairs(tiles);
  if (m != places || m % 2 != 0) return ShuffleResult::Unpaired;  // they cannot go back in matching pairs

  Generator.SeedFromClock(host_.time);
  int k = 1;
  if (!PlayPlacesBackwards(occupied, m, k)) return ShuffleResult::GaveUp;
  DealPairsBack(tiles, m, k - 2);
  return ShuffleResult::Shuffled;
}

BoardGrid Game::OccupiedSlots() const {
  BoardGrid slots;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (board_.Grid().at(x, y, z) != 0) slots.set(x, y, z, SlotMarker);
  return slots;
}

void Game::UseSlots(const BoardGrid& slots) {
  slots_ = slots;
  slotCount_ = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (slots_.at(x, y, z) != 0) slotList_[++slotCount_] = {x, y, z};
}

// The tiles on the board, in increasing number: (tiles[1], tiles[2]), (tiles[3], tiles[4]), ...
// match, because tiles only ever leave the board in matching pairs.
int Game::TilesInPairs(std::array<uint8_t, kTileCount + 1>& tiles) const {
  int m = 0;
  for (int i = 1; i <= kTileCount; ++i) {
    const TileRecord& r = board_.Records()[i];
    if (r.x > 0 && r.y > 0 && r.z > 0) tiles[++m] = static_cast<uint8_t>(i);
  }
  return m;
}

// Takes free pairs of places off until all m are gone, starting over from the occupied places
// when stuck; k ends past the last pair taken. False when it gives up.
bool Game::PlayPlacesBackwards(const BoardGrid& occupied, int m, int& k) {
  const int places = slotCount_;
  int iterations = 0;
  do {
    ++iterations;
    if (CountFreeSlots() < 2) {
      UseSlots(occupied);
      k = 1;
    } else {
      TakeFreePair(places, k);
      k += 2;
    }
  } while (k <= m && iterations <= kMaxShuffleIterations);
  return iterations <= kMaxShuffleIterations;
}

// Puts a random matching pair of the tiles onto each pair of places, the last taken first.
void Game::DealPairsBack(const std::array<uint8_t, kTileCount + 1>& tiles, int m, int k) {
  board_.NewDeal(board_.TilesTotal());
  const bool animate = DrawsShuffle();
  const TileRecords& records = board_.Records();
  while (k >= 1) {
    const int r = Generator.RandomInt(m - 1) + 1;
    const int partner = r % 2 == 1 ? r + 1 : r - 1;
    const int a = tiles[r], b = tiles[partner];
    if (!IsBlank(records[a]) || !IsBlank(records[b])) continue;
    board_.PlaceTile(a, pairList_[k]);
    board_.PlaceTile(b, pairList_[k + 1]);
    if (animate) {
      FullRedraw();
      host_.board.RepaintNow();
    }
    k -= 2;
  }
}

}  // namespace sorimo
