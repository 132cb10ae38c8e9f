#include "audio/wave_file.h"

#include <cstring>

namespace sorimo {

namespace {

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

}  // namespace

WaveReadResult ReadWave(std::span<const uint8_t> bytes) {
  WaveReadResult r;
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    r.error = "not a RIFF/WAVE file";
    return r;
  }
  bool haveFormat = false, haveData = false;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const uint8_t* chunk = bytes.data() + at;
    const uint32_t size = Le32(chunk + 4);
    if (size > bytes.size() - at - 8) {
      r.error = "a chunk runs past the end of the file";
      return r;
    }
    const uint8_t* body = chunk + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (size < 16 || Le16(body) != 1) {
        r.error = "not plain PCM";
        return r;
      }
      r.sound.channels = Le16(body + 2);
      r.sound.sampleRate = int(Le32(body + 4));
      r.sound.bitsPerSample = Le16(body + 14);
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) {
        r.error = "the samples come before their format";
        return r;
      }
      if (r.sound.bitsPerSample != 16) {
        r.error = "not 16-bit samples";
        return r;
      }
      r.sound.dataBytes = size;
      r.sound.samples.resize(size / 2);
      for (size_t i = 0; i < r.sound.samples.size(); ++i) r.sound.samples[i] = int16_t(Le16(body + 2 * i));
      haveData = true;
    }
    at += 8 + size + (size & 1);  // chunks are padded to an even length
  }
  if (!haveData) r.error = haveFormat ? "no samples" : "no format";
  return r;
}

}  // namespace sorimo
