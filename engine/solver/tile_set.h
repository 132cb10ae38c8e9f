// A set of board tiles as 192 bits: the solver's positions, free sets and dependency sets.
// Bits 0..143 are the tiles of one position (in the order the dependency structure numbers
// them); the top bit stands for a cell that is not a tile and never leaves the board.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace sorimo::solver {

// Bits set in a word. Written out rather than std::popcount, which compiles to a library call
// on processors the program must still run on (without the POPCNT instruction).
constexpr int BitCount(uint64_t w) {
  w = w - ((w >> 1) & 0x5555555555555555ull);
  w = (w & 0x3333333333333333ull) + ((w >> 2) & 0x3333333333333333ull);
  w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((w * 0x0101010101010101ull) >> 56);
}

class TileSet {
 public:
  static constexpr int kBits = 192;

  constexpr bool test(int i) const { return (w_[i >> 6] >> (i & 63)) & 1u; }
  constexpr void set(int i) { w_[i >> 6] |= uint64_t{1} << (i & 63); }
  constexpr void reset(int i) { w_[i >> 6] &= ~(uint64_t{1} << (i & 63)); }
  constexpr bool none() const { return (w_[0] | w_[1] | w_[2]) == 0; }
  constexpr bool any() const { return !none(); }
  constexpr int count() const { return BitCount(w_[0]) + BitCount(w_[1]) + BitCount(w_[2]); }
  // Whether the two sets share a tile, without building their intersection.
  constexpr bool intersects(const TileSet& o) const {
    return ((w_[0] & o.w_[0]) | (w_[1] & o.w_[1]) | (w_[2] & o.w_[2])) != 0;
  }
  constexpr bool contains(const TileSet& o) const {
    return ((o.w_[0] & ~w_[0]) | (o.w_[1] & ~w_[1]) | (o.w_[2] & ~w_[2])) == 0;
  }
  constexpr uint64_t word(int k) const { return w_[k]; }

  constexpr TileSet& operator|=(const TileSet& o) {
    for (int k = 0; k < 3; ++k) w_[k] |= o.w_[k];
    return *this;
  }
  constexpr TileSet& operator&=(const TileSet& o) {
    for (int k = 0; k < 3; ++k) w_[k] &= o.w_[k];
    return *this;
  }
  constexpr TileSet operator|(const TileSet& o) const { return TileSet(*this) |= o; }
  constexpr TileSet operator&(const TileSet& o) const { return TileSet(*this) &= o; }
  // The tiles of this set that are not in o.
  constexpr TileSet minus(const TileSet& o) const {
    TileSet r;
    for (int k = 0; k < 3; ++k) r.w_[k] = w_[k] & ~o.w_[k];
    return r;
  }
  constexpr bool operator==(const TileSet&) const = default;

  // Calls f(i) for every member, in increasing order.
  template <typename F>
  constexpr void ForEach(F&& f) const {
    for (int k = 0; k < 3; ++k)
      for (uint64_t w = w_[k]; w != 0; w &= w - 1) f(k * 64 + std::countr_zero(w));
  }

 private:
  std::array<uint64_t, 3> w_{};
};

}  // namespace sorimo::solver
