// Composes the pieces of data/Musics/ as Standard MIDI Files. Every piece is checked first;
// nothing is written while one of them fails.
// Usage: compose_music <folder>
#include <cstdio>
#include <fstream>
#include <string>

#include "check_pieces.h"
#include "midi_writer.h"
#include "pieces.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: compose_music <folder>\n");
    return 2;
  }
  const std::vector<music::NamedPiece> pieces = music::Pieces();
  int problems = 0;
  for (const music::NamedPiece& p : pieces)
    for (const std::string& problem : music::CheckPiece(p.piece)) {
      std::fprintf(stderr, "%s: %s\n", p.name.c_str(), problem.c_str());
      ++problems;
    }
  if (problems > 0) return 1;

  for (const music::NamedPiece& p : pieces) {
    const std::string file = p.name + ".mid";
    const std::vector<uint8_t> bytes = music::WriteMidi(p.piece);
    std::ofstream out(std::string(argv[1]) + "/" + file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return 1;
    }
    std::printf("%-10s %3d bars of %d at %3d a minute: %5.1f s, %zu parts\n", p.name.c_str(),
                int(p.piece.lengthBeats) / p.piece.beatsPerBar, p.piece.beatsPerBar, p.piece.beatsPerMinute,
                p.piece.lengthBeats * 60 / p.piece.beatsPerMinute, p.piece.parts.size());
  }
  return 0;
}
