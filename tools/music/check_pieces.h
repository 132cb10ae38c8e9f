// What every composed piece must satisfy before it is written: its length and loop, notes
// that start and end inside it and never overlap a sounding note of their own key, tunes in
// the scale of their section without leaps beyond an octave, chord tones where the beat is
// strong, basses and accompaniments in the harmony, and sensible loudness.
#pragma once

#include <string>
#include <vector>

#include "piece.h"

namespace music {

// The problems found, each a sentence naming the part and the bar; empty when it is sound.
std::vector<std::string> CheckPiece(const Piece& piece);

}  // namespace music
