// A piece as the generator composes it: parts of notes placed in beats, and what the checks
// need to judge them (each part's role, the scale of each section, the chord of each moment).
#pragma once

#include <string>
#include <vector>

namespace music {

// What a part does in the piece; the checks hold tunes to the scale and the harmony.
enum class Role { Accompaniment, Melody, Counter, Bass, Percussion };

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
  Role role = Role::Accompaniment;
  void Add(double beat, double length, int key, int velocity) { notes.push_back({beat, length, key, velocity}); }
};

// A set of pitch classes, bit 0 for C, bit 11 for B.
using PitchSet = unsigned;

inline bool Holds(PitchSet set, int key) { return (set >> (((key % 12) + 12) % 12)) & 1u; }

// From `beat` on (until the next span) the piece keeps to `pitches`.
struct Span {
  double beat;
  PitchSet pitches;
};

struct Piece {
  int beatsPerMinute = 66;
  int beatsPerBar = 4;
  double lengthBeats = 0;  // the last event, where the piece loops back to its start
  std::vector<Part> parts;
  // Not written to the file: the key of each section (its seven notes), the notes its tunes
  // keep to (the key, or a part of it such as its pentatonic), and the chord of each moment.
  std::vector<Span> keys;
  std::vector<Span> scales;
  std::vector<Span> chords;
};

}  // namespace music
