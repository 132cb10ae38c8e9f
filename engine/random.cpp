#include "engine/random.h"

#include "engine/host.h"

namespace sorimo {

void Random::SeedFromClock(TimeSource& time) { GeneratorSeed = time.TimeOfDayMs(); }

}  // namespace sorimo
