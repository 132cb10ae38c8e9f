// Composes the pieces of data/Musics/ as Standard MIDI Files.
// Usage: compose_music <folder>
#include <cstdio>
#include <fstream>
#include <string>

#include "pieces.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: compose_music <folder>\n");
    return 2;
  }
  struct Named {
    const char* file;
    music::Piece piece;
  };
  const Named pieces[] = {{"Night.mid", music::Night()}};
  for (const Named& p : pieces) {
    const auto bytes = music::WriteMidi(p.piece);
    std::ofstream out(std::string(argv[1]) + "/" + p.file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", p.file);
      return 1;
    }
  }
  return 0;
}
