// The one random generator of the program. Deals, shuffles, the arcade games and the random
// music choice all draw from it, so a game number (a seed) reproduces a deal only because
// nothing else draws between the seeding and the end of the deal.
#pragma once

#include <cstdint>

namespace sorimo {

class TimeSource;

class Random {
 public:
  uint32_t GeneratorSeed = 0;

  // A value 0..n-1: advance the 32-bit linear congruence, then take the high half of seed * n.
  // n below 1 still advances the state and gives 0.
  int RandomInt(int n) {
    GeneratorSeed = GeneratorSeed * 134775813u + 1u;
    if (n < 1) return 0;
    return static_cast<int>((static_cast<uint64_t>(GeneratorSeed) * static_cast<uint32_t>(n)) >> 32);
  }

  // Seed from the UTC time of day in milliseconds.
  void SeedFromClock(TimeSource& time);
};

}  // namespace sorimo
