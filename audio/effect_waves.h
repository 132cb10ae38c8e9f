// The three sound effects built into the program, as wave files: "DONE" (a pair or group
// has gone), "NOWAY" (a click was refused) and "SELECT" (a tile is picked up). Made by
// tools/sounds/make_effects.cpp.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace sorimo {

// The wave file of the effect of that name, the name compared without regard to case; empty
// for a name that is none of the three.
std::span<const uint8_t> EffectWave(std::string_view name);

// The effect's samples (mono, 11,025 a second), read once and kept for the program's life.
std::span<const int16_t> EffectSamples(std::string_view name);

}  // namespace sorimo
