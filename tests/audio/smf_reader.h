// Reading a Standard MIDI File into its tracks of timed events, for tests that judge the
// shipped music note by note. Meta events keep their type and data; System Exclusive
// events are skipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorimo::testing {

struct SmfEvent {
  long tick = 0;
  int status = 0;  // 0x80..0xEF for channel messages, 0xFF for meta events
  int data1 = 0;   // the key or controller or program; a meta event's type
  int data2 = 0;   // the velocity or value
  std::vector<uint8_t> meta;  // a meta event's data
};

struct SmfFile {
  int format = 0;
  int ticksPerBeat = 0;
  std::vector<std::vector<SmfEvent>> tracks;
  std::string error;  // empty when the whole file was read
};

SmfFile ReadSmf(const std::vector<uint8_t>& bytes);

// The length in seconds up to `tick`, following the file's tempo changes (120 a minute until
// the first).
double SmfSeconds(const SmfFile& file, long tick);

}  // namespace sorimo::testing
