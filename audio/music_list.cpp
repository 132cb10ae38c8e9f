#include "audio/music_list.h"

#include <algorithm>
#include <cctype>

namespace sorimo {

namespace {

// Letters compare without regard to case; names equal that way keep a fixed order by bytes.
bool MusicNameBefore(const std::string& a, const std::string& b) {
  const auto lower = [](unsigned char c) { return std::tolower(c); };
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [&](char x, char y) { return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y)); });
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(),
      [&](char x, char y) { return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y)); });
  if (less != greater) return less;
  return a < b;
}

}  // namespace

MusicList ScanMusicNames(const std::vector<std::string>& fileNames, int32_t storedMidiNumber) {
  MusicList list;
  for (const std::string& file : fileNames) {
    // ".mid" in any case, with a name before it.
    if (file.size() <= 4) continue;
    std::string ext = file.substr(file.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext != ".mid") continue;
    list.names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(list.names.begin(), list.names.end(), MusicNameBefore);

  list.midiNumber = storedMidiNumber;
  if (list.names.empty()) return list;
  const int32_t count = int32_t(list.names.size());
  if (list.midiNumber == -1)
    for (int32_t i = 0; i < count; ++i)
      if (list.names[size_t(i)] == kPreferredPiece) list.midiNumber = i + 1;
  if (list.midiNumber > count) list.midiNumber = count;
  if (list.midiNumber < 1) list.midiNumber = 1;
  return list;
}

}  // namespace sorimo
