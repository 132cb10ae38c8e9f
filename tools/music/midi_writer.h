// Writing Standard MIDI Files (format 1): one track per part, notes placed in beats.
#pragma once

#include <cstdint>
#include <vector>

#include "piece.h"

namespace music {

inline constexpr int kTicksPerBeat = 480;

std::vector<uint8_t> WriteMidi(const Piece& piece);

}  // namespace music
