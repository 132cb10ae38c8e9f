#include "engine/solver/dead_table.h"

#include <utility>

namespace sorimo::solver {

DeadTable::DeadTable() : slots_(kInitialSlots) {}

bool DeadTable::Contains(uint64_t hash, const PositionKey& key) const {
  const uint64_t stored = Stored(hash);
  const size_t mask = slots_.size() - 1;
  for (int k = 0; k < kProbes; ++k) {
    const Slot& s = slots_[(stored + k) & mask];
    if (s.hash == 0) return false;
    if (s.hash == stored && s.key == key) return true;
  }
  return false;
}

void DeadTable::Insert(uint64_t hash, const PositionKey& key) {
  if (2 * (used_ + 1) > slots_.size() && slots_.size() < kMaxSlots) Grow();
  while (!Place(Stored(hash), key)) {
    if (slots_.size() >= kMaxSlots) {  // full for good: the key takes its home slot
      slots_[Stored(hash) & (slots_.size() - 1)] = {Stored(hash), key};
      return;
    }
    Grow();
  }
}

// Into the first empty slot of the key's probe run (or nowhere when it is there already);
// false when the run is full.
bool DeadTable::Place(uint64_t stored, const PositionKey& key) {
  const size_t mask = slots_.size() - 1;
  for (int k = 0; k < kProbes; ++k) {
    Slot& s = slots_[(stored + k) & mask];
    if (s.hash == stored && s.key == key) return true;
    if (s.hash == 0) {
      s = {stored, key};
      ++used_;
      return true;
    }
  }
  return false;
}

void DeadTable::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  std::swap(old, slots_);
  used_ = 0;
  // A key whose run is full even in the bigger table is dropped: the table only saves time.
  for (const Slot& s : old)
    if (s.hash != 0) Place(s.hash, s.key);
}

}  // namespace sorimo::solver
