#include "engine/random.h"

#include "engine/host.h"

namespace sorimo {

void Random::SeedFromClock(GameHost& host) { GeneratorSeed = host.TimeOfDayMs(); }

}  // namespace sorimo
