// Small Standard MIDI Files made in the tests: one track of notes, one after another.
#pragma once

#include <cstdint>
#include <vector>

namespace sorimo::testing {

struct TestNote {
  int key = 60;
  int lengthMs = 250;  // the note sounds this long, then the next begins
};

// A Standard MIDI File at 120 beats a minute, the notes played on the piano.
std::vector<uint8_t> MidiOfNotes(const std::vector<TestNote>& notes);

}  // namespace sorimo::testing
