// The small picture of a layout that the layout chooser shows: the background scaled down to
// the picture, and one 13 x 15 mini tile for each anchor, each layer 3 pixels further up and
// right than the one below it.
#pragma once

#include "engine/board.h"
#include "view/pixel_buffer.h"

namespace sorimo {

inline constexpr int kMiniBoardWidth = 206, kMiniBoardHeight = 138;

// The picture scaled to width x height, each pixel the average of the pixels it covers (so a
// starry background keeps its stars as a glow instead of losing most of them). An empty
// picture gives black.
PixelBuffer ScaledDown(const PixelBuffer& picture, int width, int height);

// `MinusRedraw`: composes the mini-board of `cells` into `out` (kMiniBoardWidth x
// kMiniBoardHeight). Layers are drawn from the lowest; within a layer, columns from the right
// and rows from the top, so upper layers lie over lower ones, left columns over right ones and
// lower rows over upper ones. The mini tile's black pixels are transparent.
void MinusRedraw(const LayoutCells& cells, const PixelBuffer& scaledBackground, const PixelBuffer& miniTile,
                 PixelBuffer& out);

}  // namespace sorimo
