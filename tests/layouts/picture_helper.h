// Layouts for tests, written as anchor pictures ('#' an anchor, '.' none; a block per layer).
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "layouts/layout_picture.h"

namespace sorimo::testing {

inline LayoutCells Picture(std::string_view text) {
  const LayoutPictureResult r = LayoutFromPicture(text);
  EXPECT_TRUE(r.ok) << r.message;
  return r.cells;
}

// A valid 144-tile layout: a 12 x 6 block of tiles with a second block of the same size on it.
inline LayoutCells TwoBlocks() {
  LayoutCells cells;
  for (int z = 1; z <= 2; ++z)
    for (int j = 0; j < 6; ++j)
      for (int i = 0; i < 12; ++i) cells.set(6 + 2 * i, 4 + 2 * j, z, 1);
  return cells;
}

}  // namespace sorimo::testing
