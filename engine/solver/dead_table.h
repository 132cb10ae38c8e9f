// Positions the search has proved cannot be cleared, so that reaching one again by another
// order of the same moves costs one look-up. A key is exact (the set of tiles on the board),
// found through its 64-bit hash. The table starts small, so a position solved at once
// allocates little, and grows up to a fixed size; beyond that it overwrites old entries,
// which only costs the search time, never a wrong answer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorimo::solver {

struct PositionKey {
  std::array<uint64_t, 5> words{};  // the tiles on the board, and pairings chosen
  bool operator==(const PositionKey&) const = default;
};

class DeadTable {
 public:
  static constexpr size_t kInitialSlots = 1024;
  static constexpr size_t kMaxSlots = size_t{1} << 20;  // 48 MB at most

  DeadTable();
  bool Contains(uint64_t hash, const PositionKey& key) const;
  void Insert(uint64_t hash, const PositionKey& key);
  size_t size() const { return used_; }

 private:
  struct Slot {
    uint64_t hash = 0;  // 0: empty; stored hashes are never 0
    PositionKey key;
  };
  static constexpr int kProbes = 8;  // slots looked at from a key's home slot

  static uint64_t Stored(uint64_t hash) { return hash | 1; }
  void Grow();
  bool Place(uint64_t stored, const PositionKey& key);

  std::vector<Slot> slots_;
  size_t used_ = 0;
};

}  // namespace sorimo::solver
