// The music list: the pieces found in the folder "Musics", in the order of the Music menu,
// and which of them is chosen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorimo {

inline constexpr const char* kPreferredPiece = "Night";  // chosen at first start when present

struct MusicList {
  std::vector<std::string> names;  // file names without ".mid", sorted without regard to case
  int32_t midiNumber = -1;         // 1-based position of the chosen piece; -1 when there is none
};

// Builds the list from the entries of the music folder (files only) and settles the stored
// number: -1 (never chosen) picks "Night" if there is one, a number past the end the last
// piece, anything below 1 the first. With no piece at all the number stays as stored.
MusicList ScanMusicNames(const std::vector<std::string>& fileNames, int32_t storedMidiNumber);

}  // namespace sorimo
