#include "engine/modes/mode_traits.h"

#include <array>
#include <cstddef>

#include "engine/hall_columns.h"

namespace sorimo {

namespace {

constexpr bool T = true, F = false;

// clang-format off
constexpr std::array<ModeTraits, 10> kTraits = {{
  //  name          under  takes  shows  between clock  shows  counts warns  undo   hint   shuffle every  ends   solver easy               hard
  //                way    clicks board  games   runs   time   moves  none                        free   empty  judges column             column
  {"idle",          F,     F,     F,     T,      F,     F,     F,     F,     F,     F,     F,      F,     T,     F,      0,                 0},
  {"classic",       T,     T,     T,     F,      T,     T,     T,     T,     T,     T,     T,      F,     T,     T,      0,                 0},
  {"two players",   T,     T,     T,     F,      T,     F,     T,     T,     F,     F,     T,      F,     T,     T,      0,                 0},
  {"Rivers",        T,     T,     T,     F,      T,     T,     T,     T,     T,     T,     T,      T,     T,     F,      kRiversEasyColumn, kRiversHardColumn},
  {"Memory",        T,     T,     T,     F,      T,     T,     F,     F,     F,     F,     F,      F,     T,     F,      kMemoryEasyColumn, kMemoryHardColumn},
  {"Clicks",        T,     T,     T,     F,      F,     F,     T,     F,     T,     F,     F,      F,     T,     F,      kClicksEasyColumn, kClicksHardColumn},
  {"layout editor", F,     T,     T,     F,      F,     F,     F,     F,     F,     F,     F,      T,     F,     F,      0,                 0},
  {"game over",     F,     F,     F,     T,      F,     F,     F,     F,     F,     F,     F,      F,     T,     F,      0,                 0},
  {"stopped",       F,     F,     F,     T,      F,     F,     F,     F,     F,     F,     F,      F,     T,     F,      0,                 0},
  {"paused",        T,     F,     F,     F,      F,     F,     F,     F,     F,     F,     F,      F,     T,     F,      0,                 0},
}};
// clang-format on

static_assert(kTraits.size() == ModePaused + 1, "one row for every GameMode value");

}  // namespace

const ModeTraits& Traits(uint8_t gameMode) { return kTraits[gameMode < kTraits.size() ? gameMode : std::size_t{ModeIdle}]; }

uint8_t ModeOfColumn(int column) {
  if (IsLayoutColumn(column)) return ModeClassic;
  for (uint8_t m = 0; m < kTraits.size(); ++m)
    if (kTraits[m].easyColumn != 0 && (column == kTraits[m].easyColumn || column == kTraits[m].hardColumn)) return m;
  return ModeIdle;
}

}  // namespace sorimo
