#include "audio/effect_waves.h"

#include <cctype>

#include "audio/wave_file.h"

namespace sorimo {

namespace {

#include "audio/effect_wave_data.inc"

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

std::span<const uint8_t> EffectWave(std::string_view name) {
  if (SameName(name, "DONE")) return kDoneWave;
  if (SameName(name, "NOWAY")) return kNoWayWave;
  if (SameName(name, "SELECT")) return kSelectWave;
  return {};
}

std::span<const int16_t> EffectSamples(std::string_view name) {
  // Read on first use; the statics are made once even when two threads ask at once.
  static const WaveSound done = ReadWave(kDoneWave).sound;
  static const WaveSound noWay = ReadWave(kNoWayWave).sound;
  static const WaveSound select = ReadWave(kSelectWave).sound;
  if (SameName(name, "DONE")) return done.samples;
  if (SameName(name, "NOWAY")) return noWay.samples;
  if (SameName(name, "SELECT")) return select.samples;
  return {};
}

}  // namespace sorimo
