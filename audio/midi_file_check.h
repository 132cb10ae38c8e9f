// Whether a Standard MIDI File is whole, judged before the synthesizer sees it: FluidSynth
// plays what it can of a file cut short and says nothing, so a truncated piece would play
// silence or stop midway without a word.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorimo {

// What is wrong with the file, in a sentence for the player; empty when it is whole: its
// header, and as many track chunks as the header names, each inside the file and closed by
// its End of Track event.
std::string MidiFileFault(const std::vector<uint8_t>& bytes);

}  // namespace sorimo
