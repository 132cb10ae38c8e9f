// The Clicks grid as drawn: one 38 x 38 picture per tile, black being transparent. The
// pictures overlap their neighbours by 6 pixels; drawing the right-most column first and
// each column from the top puts left columns over right ones and lower rows over upper ones.
#include "engine/modes/clicks_grid.h"
#include "view/board_renderer.h"

namespace sorimo {

void BoardRenderer::RedrawClicks(const BoardScene& scene, const PixelRect& clip) {
  if (scene.clicks.size() < size_t(kClicksCells)) return;
  for (int c = kClicksLastColumn; c >= kClicksFirstColumn; --c)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) {
      const uint8_t v = scene.clicks[size_t(ClicksIndex(c, r))];
      if (v < 1 || size_t(v) > clicksTiles_.size()) continue;
      const PixelRect box = ClicksTileBox(c, r, scene.originX, scene.originY);
      if (box.right <= clip.left || box.left >= clip.right || box.bottom <= clip.top || box.top >= clip.bottom)
        continue;
      TransparentTransfer(game_, box.left, box.top, clicksTiles_[v - 1], kBlack, clip);
    }
  if (scene.cursorCell.column != 0) {
    const PixelRect box = ClicksTileBox(scene.cursorCell.column, scene.cursorCell.row, scene.originX, scene.originY);
    DrawKeyCursor(box.left, box.top, box.right - box.left, box.bottom - box.top, clip);
  }
}

}  // namespace sorimo
