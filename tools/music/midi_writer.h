// Writing Standard MIDI Files (format 1): one track per part, notes placed in beats.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace music {

inline constexpr int kTicksPerBeat = 480;

struct Part {
  std::string name;
  int channel = 0;
  int program = 0;   // General MIDI, 0-based
  int volume = 100;  // controller 7
  int pan = 64;      // controller 10
  int reverb = 40;   // controller 91
  struct Note {
    double beat;    // start
    double length;  // in beats
    int key;
    int velocity;
  };
  std::vector<Note> notes;
  void Add(double beat, double length, int key, int velocity) { notes.push_back({beat, length, key, velocity}); }
};

struct Piece {
  int beatsPerMinute = 66;
  int beatsPerBar = 4;
  double lengthBeats = 0;  // the last event, where the piece loops back to its start
  std::vector<Part> parts;
};

std::vector<uint8_t> WriteMidi(const Piece& piece);

}  // namespace music
