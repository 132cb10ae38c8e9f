// A layout as text, for tests that state a layout by hand and print one on failure, and for
// the generator's previews.
//
// The anchor picture has one block per layer, layer 1 first: 20 lines of 34 characters, '#'
// for an anchor, '.' for none; blocks are separated by an empty line.
#pragma once

#include <string>
#include <string_view>

#include "engine/board.h"

namespace sorimo {

// The full anchor picture: 5 blocks of 20 lines of 34 characters, each line ended with '\n'.
std::string LayoutPicture(const LayoutCells& cells);

struct LayoutPictureResult {
  bool ok = false;
  LayoutCells cells{};
  std::string message;  // why the text was not a picture
};

// Reads an anchor picture. Kept easy to write by hand: spaces and tabs around a line are
// ignored, one or more empty lines end a block, a block may have fewer than 20 lines and a
// line fewer than 34 characters (the rest is empty), and layers not given are empty. More than
// 5 blocks, 20 lines or 34 characters, or a character other than '#' and '.', is refused.
LayoutPictureResult LayoutFromPicture(std::string_view text);

// A top view for people: 20 lines of 34 characters (+ '\n'), each cell showing the highest
// layer of a tile covering it ('1'..'5'), '.' where no tile is.
std::string LayoutTopView(const LayoutCells& cells);

}  // namespace sorimo
