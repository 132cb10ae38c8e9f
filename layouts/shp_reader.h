// Reading the foreign ".shp" layouts dropped into the Layouts folder: one tile per line, the
// first 144 lines, each holding the anchor as three pairs of hexadecimal digits at characters
// 4 to 9 (X, Y, Z counted from 0), placed at column X + 2, row Y + 2, layer Z + 1. The format
// has no header and no name: the layout is known by its full path. The program never writes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "layouts/layout_reader.h"

namespace sorimo {

inline constexpr int kShpLines = kTileCount;
inline constexpr int kShpMaxX = 32, kShpMaxY = 18, kShpMaxZ = 4;

// "0" to "9" count as their digit, any other character as its code minus 55, so that "A" to
// "F" give 10 to 15 (and lower-case letters give values past 15, which no anchor accepts).
int HexByte(char high, char low);

// True when the name ends in ".shp".
bool IsShpLayoutPath(std::string_view path);

// The layout of a ".shp" text; name becomes the layout's name (its full path). A position given
// twice is one anchor; lines past the 144th are not read. Refused, with the line named: fewer
// than 144 lines, a line shorter than 9 characters, characters 4 to 9 that are not six digits
// of 0-9 and A-F or not a position of the grid (X 0-32, Y 0-18, Z 0-4), and a layout a game
// could not deal (an odd number of distinct positions). cut says the bytes are only the start
// of the file: then a last line without its line end may go on, and is not read; a start that
// does not hold 144 whole lines is refused as far too long.
LayoutReadResult ReadShpLayout(std::string_view bytes, std::string_view label, const std::string& name,
                               bool cut = false);

}  // namespace sorimo
