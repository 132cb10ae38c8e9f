// The highlight decorations of one tile: selected and hinted tiles, and the tile under the
// pointer, in the style the player chose.
#include "view/board_renderer.h"
#include "view/pixel_transfer.h"
#include "view/tileset_layout.h"

namespace sorimo {

// The face engraving redrawn on another background of the tileset.
void BoardRenderer::DrawFaceOn(int tile, const TilesetPoint& background, int fx, int fy, const PixelRect& clip) {
  const FaceCell cell = FaceCellOf(FaceOfTile(tile));
  const TilesetPoint picture = FacePicture(cell), mask = FaceMask(cell);
  BlockTransfer(game_, fx, fy, kFaceWidth, kFaceHeight, tileset_, background.x, background.y, RasterOp::Copy, clip);
  MaskedTransfer(game_, fx, fy, kFaceWidth, kFaceHeight, tileset_, mask.x, mask.y, tileset_, picture.x, picture.y,
                 clip);
}

void BoardRenderer::DrawDecorations(const BoardScene& scene, const Options& options, int tile, int fx, int fy,
                                    const PixelRect& clip) {
  if (scene.riverFound || tile == 0) return;
  const bool selected = tile == scene.firstSelected || tile == scene.secondSelected;
  const bool hinted = tile == scene.hintFirst || tile == scene.hintSecond;
  const bool hover = tile == scene.hoverTile;
  if (!selected && !hinted && !hover) return;

  const bool colouredHover = hover && options.HighlightMode == HighlightColoredTile;
  if (selected || hinted || colouredHover) {
    if (options.Invert)
      BlockTransfer(game_, fx, fy, kFaceWidth, kFaceHeight, filled_, 0, 0, RasterOp::Xor, clip);
    else
      DrawFaceOn(tile, selected ? kSelectedFace : kHintFace, fx, fy, clip);
  }
  // A selected tile under the pointer keeps its selected face and gets the frame as well.
  if (hover && options.HighlightMode != HighlightColoredTile)
    HollowRect(game_, {fx + 1, fy + 1, fx + 39, fy + 49}, Pen{scene.penColour, scene.penWidth}, clip);
}

}  // namespace sorimo
