// A board with the synthetic tileset, a plain background and a scene bound to it.
#pragma once

#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/options.h"
#include "synthetic_tileset.h"
#include "view/board_renderer.h"

namespace sorimo::testing {

class RendererTest : public ::testing::Test {
 protected:
  RendererTest() {
    renderer.setTileset(MakeSyntheticTileset());
    renderer.background().fill(kBoardColour);
    options.Shadows = false;
    scene.grid = &grid;
    scene.options = &options;
  }

  void Put(int col, int row, int layer, int tile) { grid.set(col, row, layer, uint8_t(tile)); }
  PixelPoint Face(int col, int row, int layer) const {
    return FaceCorner(col, row, layer, scene.originX, scene.originY);
  }
  uint32_t At(int x, int y) const { return renderer.boardPicture().pixel(x, y); }
  uint32_t AtFace(int col, int row, int layer, int dx, int dy) const {
    const PixelPoint f = Face(col, row, layer);
    return At(f.x + dx, f.y + dy);
  }
  // The 40 x 50 face of a tile as it is on screen, row by row.
  PixelBuffer FaceOnScreen(int col, int row, int layer) const {
    const PixelPoint f = Face(col, row, layer);
    PixelBuffer p(kFaceWidth, kFaceHeight);
    for (int y = 0; y < kFaceHeight; ++y)
      for (int x = 0; x < kFaceWidth; ++x) p.setPixel(x, y, At(f.x + x, f.y + y));
    return p;
  }
  // The face a plain tile of `face` shows on `background`.
  static PixelBuffer ExpectedFace(int face, uint32_t background) {
    PixelBuffer p(kFaceWidth, kFaceHeight, background);
    for (int y = 0; y < kFaceHeight; ++y)
      for (int x = 0; x < kFaceWidth; ++x)
        if (InEngraving(x, y)) p.setPixel(x, y, FaceColour(face));
    return p;
  }

  BoardGrid grid;
  Options options;
  BoardScene scene;
  BoardRenderer renderer;
};

}  // namespace sorimo::testing
