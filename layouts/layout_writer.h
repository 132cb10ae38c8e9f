// Writing ".lay" layout files: the header, the name and the 3400 cells, every line ended with
// CR LF, so a layout with a seven-letter name is 3423 bytes long.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace sorimo {

// The whole text of the file. Any non-zero cell is written as "1", so the file always reads
// back; line breaks inside the name become spaces, since they would split the name line.
std::string LayoutFileText(const LayoutCells& cells, std::string_view name);

// Writes the file at path. The text goes to a temporary file in the same folder first, which
// then replaces path in one rename: a failed write never leaves a damaged or half-written
// layout behind, and an existing file stays as it was. Returns "" on success, else a message
// for the player naming the file and the reason.
std::string WriteLayoutFile(const std::filesystem::path& path, const LayoutCells& cells,
                            std::string_view name);

}  // namespace sorimo
