// Reading a wave file held in memory: the plain PCM files the sound effects are.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sorimo {

struct WaveSound {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  uint32_t dataBytes = 0;        // the length of the "data" chunk
  std::vector<int16_t> samples;  // 16-bit files only
};

struct WaveReadResult {
  WaveSound sound;
  std::string error;  // empty when the file was read
  bool ok() const { return error.empty(); }
};

// Reads a RIFF/WAVE file of 16-bit PCM; chunks other than "fmt " and "data" are skipped.
WaveReadResult ReadWave(std::span<const uint8_t> bytes);

}  // namespace sorimo
