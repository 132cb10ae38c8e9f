// The masked sprite drawn fast for the one mask every tile shares.
//
// A tile mask is black over almost all of the tile; only its corners are white. Where the
// mask is black, "AND mask, OR sprite" simply yields the sprite, so those pixels can be
// copied instead of combined. The stamp finds, once per tileset, the run of black pixels in
// every mask row; drawing then copies that run and combines only the pixels around it. The
// picture is exactly the one the two transfers make, whatever the mask holds.
#pragma once

#include <vector>

#include "view/pixel_buffer.h"
#include "view/pixel_transfer.h"

namespace sorimo {

class SpriteStamp {
 public:
  SpriteStamp() = default;
  // The mask is the w x h region of `picture` at (mx, my), kept by reference: the picture
  // must outlive the stamp and not change without a new Build.
  void Build(const PixelBuffer& picture, int mx, int my, int w, int h);

  // AND the mask's top `rows` rows onto (x, y) of the target, then OR the same rows of the
  // sprite at (sx, sy) of `sprite`: MaskedTransfer(target, x, y, w, rows, mask..., sprite, sx, sy).
  // Target pixels outside `clip` are left alone.
  void Draw(PixelBuffer& target, int x, int y, int rows, const PixelBuffer& sprite, int sx, int sy,
            const PixelRect& clip = kWholeTarget) const;

 public:
  struct Run {
    int begin = 0, end = 0;  // mask pixels [begin, end) of the row are black
  };
  // The pixels of mask row `row` that Draw sets to the sprite's whatever lay beneath: the
  // row's longest black run; empty for a row outside the mask or a mask not wholly inside
  // its picture.
  Run OpaqueRun(int row) const { return row >= 0 && size_t(row) < runs_.size() ? runs_[size_t(row)] : Run{}; }

 private:
  const PixelBuffer* picture_ = nullptr;
  int mx_ = 0, my_ = 0, w_ = 0, h_ = 0;
  bool whole_ = false;  // the mask lies entirely inside its picture
  std::vector<Run> runs_;
};

}  // namespace sorimo
