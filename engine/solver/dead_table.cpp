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
  Place(Stored(hash), key);
}

// Into the first empty slot of the probe run; when the run is full (only once the table can
// grow no more), over the key's home slot.
void DeadTable::Place(uint64_t stored, const PositionKey& key) {
  const size_t mask = slots_.size() - 1;
  for (int k = 0; k < kProbes; ++k) {
    Slot& s = slots_[(stored + k) & mask];
    if (s.hash == stored && s.key == key) return;
    if (s.hash == 0) {
      s = {stored, key};
      ++used_;
      return;
    }
  }
  slots_[stored & mask] = {stored, key};
}

void DeadTable::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  std::swap(old, slots_);
  used_ = 0;
  for (const Slot& s : old)
    if (s.hash != 0) Place(s.hash, s.key);
}

}  // namespace sorimo::solver
