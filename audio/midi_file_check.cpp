#include "audio/midi_file_check.h"

#include <cstring>

namespace sorimo {

namespace {

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint32_t Big16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }

}  // namespace

std::string MidiFileFault(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) return "The file is empty.";
  const uint8_t* data = bytes.data();
  const size_t size = bytes.size();
  if (size < 14 || std::memcmp(data, "MThd", 4) != 0 || Big32(data + 4) < 6) return "It is not a MIDI file.";
  const uint64_t headerEnd = 8 + uint64_t(Big32(data + 4));
  const uint32_t tracks = Big16(data + 10);
  if (headerEnd > size) return "The file is cut short.";
  uint32_t found = 0;
  for (uint64_t at = headerEnd; found < tracks;) {
    if (at + 8 > size) return "The file is cut short: it holds " + std::to_string(found) + " of its " + std::to_string(tracks) + " tracks.";
    const uint64_t end = at + 8 + Big32(data + at + 4);
    if (end > size) return "The file is cut short in its track " + std::to_string(found + 1) + ".";
    if (std::memcmp(data + at, "MTrk", 4) == 0) {
      ++found;
      // Every track closes with End of Track (FF 2F 00).
      if (end - at < 11 || data[end - 3] != 0xFF || data[end - 2] != 0x2F || data[end - 1] != 0x00)
        return "Its track " + std::to_string(found) + " does not end as a track ends.";
    }
    at = end;
  }
  if (tracks == 0) return "The file holds no track.";
  return {};
}

}  // namespace sorimo
