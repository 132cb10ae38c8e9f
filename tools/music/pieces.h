// The pieces shipped in data/Musics/, each composed by a function of its own.
#pragma once

#include "midi_writer.h"

namespace music {

// "Night": a slow A minor nocturne. Flute over a warm pad, a bass and a koto that joins on
// the second verse; form A A' B A, 32 bars at 66 beats a minute (about two minutes), the
// last bar leading back into the first so the piece loops without a seam.
Piece Night();

}  // namespace music
