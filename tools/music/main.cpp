// Composes the pieces of data/Musics/ as Standard MIDI Files. Every piece is checked first;
// nothing is written while one of them fails.
// Usage: compose_music <folder>          writes the pieces
//        compose_music --check <folder>  writes nothing; fails unless the folder holds
//                                        exactly the pieces, as they are composed now
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "check_pieces.h"
#include "midi_writer.h"
#include "pieces.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: compose_music [--check] <folder>\n");
    return 2;
  }
  const std::string folder = argv[argc - 1];
  const std::vector<music::NamedPiece> pieces = music::Pieces();
  int failures = 0;
  for (const music::NamedPiece& p : pieces)
    for (const std::string& problem : music::CheckPiece(p.piece)) {
      std::fprintf(stderr, "%s: %s\n", p.name.c_str(), problem.c_str());
      ++failures;
    }
  if (failures > 0) return 1;

  std::set<std::string> files;
  for (const music::NamedPiece& p : pieces) {
    const std::string file = p.name + ".mid";
    files.insert(file);
    const std::vector<uint8_t> bytes = music::WriteMidi(p.piece);
    if (check) {
      if (ReadFile(folder + "/" + file) != bytes) {
        std::fprintf(stderr, "%s is not what the generator writes now\n", file.c_str());
        ++failures;
      }
      continue;
    }
    std::ofstream out(folder + "/" + file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return 1;
    }
    std::printf("%-10s %3d bars of %d at %3d a minute: %5.1f s, %zu parts\n", p.name.c_str(),
                int(p.piece.lengthBeats) / p.piece.beatsPerBar, p.piece.beatsPerBar, p.piece.beatsPerMinute,
                p.piece.lengthBeats * 60 / p.piece.beatsPerMinute, p.piece.parts.size());
  }
  if (check) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
      if (entry.path().extension() == ".mid" && !files.count(entry.path().filename().string())) {
        std::fprintf(stderr, "%s is no piece of the generator\n", entry.path().filename().string().c_str());
        ++failures;
      }
    if (error) {
      std::fprintf(stderr, "cannot read %s\n", folder.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
