#include "midi_writer.h"

#include <algorithm>
#include <cmath>

namespace music {

namespace {

struct Event {
  long tick;
  int order;  // note-offs before note-ons at one tick, so a repeated key sounds again
  std::vector<uint8_t> bytes;
};

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

void Be16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v >> 8));
  b.push_back(uint8_t(v));
}

long Tick(double beat) { return std::lround(beat * kTicksPerBeat); }

std::vector<uint8_t> Track(std::vector<Event> events, long endTick) {
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
  std::vector<uint8_t> t;
  long at = 0;
  for (const Event& e : events) {
    VarLen(t, uint32_t(e.tick - at));
    t.insert(t.end(), e.bytes.begin(), e.bytes.end());
    at = e.tick;
  }
  VarLen(t, uint32_t(std::max(0L, endTick - at)));
  t.insert(t.end(), {0xFF, 0x2F, 0x00});
  return t;
}

std::vector<uint8_t> Name(const std::string& name) {
  std::vector<uint8_t> b = {0xFF, 0x03};
  VarLen(b, uint32_t(name.size()));
  b.insert(b.end(), name.begin(), name.end());
  return b;
}

}  // namespace

std::vector<uint8_t> WriteMidi(const Piece& piece) {
  const long endTick = Tick(piece.lengthBeats);
  std::vector<std::vector<uint8_t>> tracks;

  const uint32_t tempo = uint32_t(60000000 / piece.beatsPerMinute);
  tracks.push_back(Track({{0, 0, Name("Sorimo")},
                          {0, 0, {0xFF, 0x51, 0x03, uint8_t(tempo >> 16), uint8_t(tempo >> 8), uint8_t(tempo)}},
                          {0, 0, {0xFF, 0x58, 0x04, uint8_t(piece.beatsPerBar), 2, 24, 8}}},
                         endTick));
  for (const Part& p : piece.parts) {
    const uint8_t ch = uint8_t(p.channel);
    std::vector<Event> events = {{0, 0, Name(p.name)},
                                 {0, 1, {uint8_t(0xC0 | ch), uint8_t(p.program)}},
                                 {0, 1, {uint8_t(0xB0 | ch), 7, uint8_t(p.volume)}},
                                 {0, 1, {uint8_t(0xB0 | ch), 10, uint8_t(p.pan)}},
                                 {0, 1, {uint8_t(0xB0 | ch), 91, uint8_t(p.reverb)}},
                                 {0, 1, {uint8_t(0xB0 | ch), 93, 0}}};
    for (const Part::Note& n : p.notes) {
      const long on = Tick(n.beat);
      // Every note is over by the loop point: nothing hangs into the next time round.
      const long off = std::min(endTick, Tick(n.beat + n.length));
      events.push_back({on, 3, {uint8_t(0x90 | ch), uint8_t(n.key), uint8_t(n.velocity)}});
      events.push_back({off, 2, {uint8_t(0x80 | ch), uint8_t(n.key), 0}});
    }
    tracks.push_back(Track(std::move(events), endTick));
  }

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd'};
  Be32(file, 6);
  Be16(file, 1);
  Be16(file, uint32_t(tracks.size()));
  Be16(file, kTicksPerBeat);
  for (const auto& t : tracks) {
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    Be32(file, uint32_t(t.size()));
    file.insert(file.end(), t.begin(), t.end());
  }
  return file;
}

}  // namespace music
