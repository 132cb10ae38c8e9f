// The table of dead positions: every key put in is found again, through the growth of the
// table from its small start, and keys that differ in any word or only share a hash are not.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/solver/dead_table.h"

namespace sorimo::solver {
namespace {

TEST(DeadTable, FindsWhatWasPutInThroughGrowth) {
  DeadTable table;
  std::mt19937_64 rng(7);
  std::vector<std::pair<uint64_t, PositionKey>> kept;
  const size_t count = DeadTable::kInitialSlots * 5;  // grows three times
  for (size_t i = 0; i < count; ++i) {
    PositionKey key;
    for (uint64_t& w : key.words) w = rng();
    kept.push_back({rng(), key});
    table.Insert(kept.back().first, key);
  }
  EXPECT_EQ(table.size(), count);
  for (const auto& [hash, key] : kept) EXPECT_TRUE(table.Contains(hash, key));
  table.Insert(kept[3].first, kept[3].second);
  EXPECT_EQ(table.size(), count) << "a key put in twice is kept once";

  // The same hash with another key, and the same key under another hash, are other positions.
  PositionKey other = kept[0].second;
  other.words[4] ^= 1;
  EXPECT_FALSE(table.Contains(kept[0].first, other));
  EXPECT_FALSE(table.Contains(kept[0].first ^ 0x100, kept[0].second));
}

}  // namespace
}  // namespace sorimo::solver
