#include "tools/layouts/plain_deal_starts.h"

#include <array>
#include <cstdint>

#include "engine/free_rule.h"
#include "engine/random.h"

namespace sorimo {
namespace {

constexpr int kGridCells = kColumns * kRows * kLayers;

int CellIndex(int x, int y, int z) { return ((z - 1) * kRows + (y - 1)) * kColumns + (x - 1); }

// What a grid cell is to one layout. Plain arrays: this runs thousands of deals, and in a
// build without optimisation every container access would be a call.
enum : uint8_t { kNone = 0, kPosition = 1, kFreePosition = 2 };

struct DealtLayout {
  std::array<uint8_t, kGridCells> kind{};
  int freeCount = 0;
  bool dealt = false;  // a layout of more than 144 positions is not
};

DealtLayout Prepare(const LayoutCells& cells, bool vertical) {
  DealtLayout d;
  d.dealt = cells.count() <= kTileCount;
  if (!d.dealt) return d;
  BoardGrid full;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (cells.at(x, y, z) != 0) full.set(x, y, z, SlotMarker);
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        if (full.at(x, y, z) == 0) continue;
        const bool free = CellIsFree(full, x, y, z, vertical);
        d.kind[size_t(CellIndex(x, y, z))] = free ? kFreePosition : kPosition;
        d.freeCount += free;
      }
  return d;
}

// Walks the cells in the order the deal first reaches them, numbering the layout's positions,
// until every free position has its tile; a match group met twice is a move.
bool StartsWithMove(const DealtLayout& d, const int* reached, int reachedCount) {
  const uint8_t* kind = d.kind.data();
  uint64_t groupsSeen = 0;  // 36 match groups
  int tile = 0, freeSeen = 0;
  for (int i = 0; i < reachedCount && freeSeen < d.freeCount; ++i) {
    const uint8_t k = kind[reached[i]];
    if (k == kNone) continue;
    ++tile;
    if (k != kFreePosition) continue;
    const uint64_t bit = uint64_t{1} << MatchGroup(tile);
    if (groupsSeen & bit) return true;
    groupsSeen |= bit;
    ++freeSeen;
  }
  return false;
}

}  // namespace

std::vector<std::vector<int>> GameNumbersStartingWithoutMove(std::span<const LayoutCells> layouts, int deals,
                                                             bool vertical) {
  std::vector<std::vector<int>> stuck(layouts.size());
  std::vector<DealtLayout> dealt;
  dealt.reserve(layouts.size());
  // Any layout's position is noted when the draws reach it; the draws of a game number can
  // stop once every layout's free positions are reached, for the positions reached later
  // never change the tile numbers on those.
  std::array<uint8_t, kGridCells> wanted{};
  int freeWanted = 0;
  for (const LayoutCells& cells : layouts) {
    dealt.push_back(Prepare(cells, vertical));
    for (int c = 0; c < kGridCells; ++c) {
      const uint8_t k = dealt.back().kind[size_t(c)];
      if (k > wanted[size_t(c)]) {
        freeWanted += k == kFreePosition;
        wanted[size_t(c)] = k;
      }
    }
  }

  std::array<uint8_t, kGridCells> reachedYet{};
  std::array<int, kGridCells> reached{};
  for (int number = 1; number <= deals; ++number) {
    Random generator;
    generator.GeneratorSeed = static_cast<uint32_t>(number);
    reachedYet.fill(0);
    int reachedCount = 0, freeReached = 0;
    while (freeReached < freeWanted) {
      // Three draws on every attempt, in this order, as the deal makes them.
      const int x = generator.RandomInt(kColumns);
      const int y = generator.RandomInt(kRows);
      const int z = generator.RandomInt(kLayers);
      const int c = (z * kRows + y) * kColumns + x;
      if (wanted[size_t(c)] == kNone || reachedYet[size_t(c)] != 0) continue;
      reachedYet[size_t(c)] = 1;
      reached[size_t(reachedCount++)] = c;
      freeReached += wanted[size_t(c)] == kFreePosition;
    }
    for (size_t i = 0; i < layouts.size(); ++i)
      if (dealt[i].dealt && !StartsWithMove(dealt[i], reached.data(), reachedCount)) stuck[i].push_back(number);
  }
  return stuck;
}

}  // namespace sorimo
