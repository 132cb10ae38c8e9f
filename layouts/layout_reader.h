// Reading ".lay" layout files: three text lines, the header "Sorimo 3.0", the layout's name,
// and 3400 cells of "0" or "1" (layer 1 cells 0..679 first, then layers 2..5).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace sorimo {

inline constexpr std::string_view kLayoutHeader = "Sorimo 3.0";
inline constexpr int kLayoutDataLength = kLayers * kLayerCells;  // 3400
// No real layout file comes near this; anything bigger is not read at all.
inline constexpr std::uintmax_t kMaxLayoutFileBytes = 1 << 20;

enum class LayoutReadStatus {
  Loaded,    // cells and name are valid
  NameOnly,  // the header is not "Sorimo 3.0": only the name line was taken; the caller keeps its cells
  Refused,   // not a usable layout file; message says why, nothing of it is to be used
};

struct LayoutReadResult {
  LayoutReadStatus status = LayoutReadStatus::Refused;
  LayoutCells cells{};  // only when Loaded
  std::string name;     // when Loaded or NameOnly
  std::string message;  // when Refused or NameOnly: why the file is no layout to play
};

// Reads the bytes of a layout file. label names the file in messages (e.g. "Pyramid.lay").
// Lines end with CR LF or a bare LF; anything after the data line is ignored. Refused: an empty
// file, a missing name or data line, a data line that is not exactly 3400 characters of "0"
// and "1", and a layout with no tiles, an odd number of tiles or more than 144 tiles, since a
// game could not deal it. The layout invariants (overlaps, support) are not checked here.
LayoutReadResult ReadLayout(std::string_view bytes, std::string_view label);

// What the readers share: the refusal "<label> is not a valid layout file: <reason>.", and the
// reason a number of anchors cannot be dealt ("" when it can: 2 to 144, even).
LayoutReadResult Refuse(std::string_view label, const std::string& reason);
std::string TileCountProblem(int anchors);

// Reads the file at path (labelled by its file name) with ReadLayout, or with ReadShpLayout when
// the name ends in ".shp" (shp_reader.h); a file that cannot be opened or read, is not a
// regular file, or is larger than kMaxLayoutFileBytes, is Refused with the reason. Of a ".shp"
// file only the first kMaxLayoutFileBytes are read, since only its first lines count.
LayoutReadResult LoadLayoutFile(const std::filesystem::path& path);

}  // namespace sorimo
