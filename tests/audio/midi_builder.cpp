#include "tests/audio/midi_builder.h"

#include "tools/music/midi_writer.h"

namespace sorimo::testing {

// Written by the music generator's own writer, so the tests play files made the way the
// shipped pieces are. No reverb: a test that stops a piece listens for silence after it.
std::vector<uint8_t> MidiOfNotes(const std::vector<TestNote>& notes) {
  music::Piece piece;
  piece.beatsPerMinute = 120;  // a beat is 500 ms
  music::Part piano;
  piano.name = "Piano";
  piano.reverb = 0;
  double beat = 0;
  for (const TestNote& n : notes) {
    const double length = n.lengthMs / 500.0;
    piano.Add(beat, length, n.key, 100);
    beat += length;
  }
  piece.lengthBeats = beat;
  piece.parts.push_back(piano);
  return music::WriteMidi(piece);
}

}  // namespace sorimo::testing
