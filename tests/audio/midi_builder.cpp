#include "tests/audio/midi_builder.h"

namespace sorimo::testing {

namespace {

void VarLen(std::vector<uint8_t>& b, uint32_t v) {
  uint8_t bytes[5];
  int n = 0;
  do {
    bytes[n++] = uint8_t(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) b.push_back(uint8_t(bytes[--n] | 0x80));
  b.push_back(bytes[0]);
}

void Be32(std::vector<uint8_t>& b, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
}

}  // namespace

std::vector<uint8_t> MidiOfNotes(const std::vector<TestNote>& notes) {
  std::vector<uint8_t> track;
  // Tempo 500,000 us a beat; piano on channel 1.
  track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
  track.insert(track.end(), {0x00, 0xC0, 0x00});
  for (const TestNote& n : notes) {
    VarLen(track, 0);
    track.insert(track.end(), {0x90, uint8_t(n.key), 100});
    VarLen(track, uint32_t(n.lengthMs * 960 / 1000));
    track.insert(track.end(), {0x80, uint8_t(n.key), 0});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0};
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  Be32(file, uint32_t(track.size()));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

}  // namespace sorimo::testing
