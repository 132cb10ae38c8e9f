#include "view/board_renderer.h"

#include "view/pixel_transfer.h"
#include "view/shadow_pieces.h"
#include "view/tile_texture.h"
#include "view/tileset_layout.h"

namespace sorimo {

namespace {

const Options& OptionsOf(const BoardScene& scene) {
  static const Options defaults;
  return scene.options ? *scene.options : defaults;
}

bool Intersects(const PixelRect& box, const DirtyRect& dirty) {
  return box.left < dirty.right && box.right > dirty.left && box.top < dirty.bottom && box.bottom > dirty.top;
}

// Where a face's sprite starts in the renderer's column of sprites. Anything that is no face
// shows texture cell (0, 0), face 19's, as the editor's tiles do.
constexpr int kFirstCellFace = 19;
static_assert(FaceCellOf(kFirstCellFace) == FaceCell{0, 0});
int SpriteRow(int face) {
  if (face < 1 || face > kFaceCount) face = kFirstCellFace;
  return kSpriteHeight * (face - 1);
}

// The 1-based columns and rows of one layer whose sprites may touch the dirty rectangle,
// a little generously; ShowIt makes the exact test. Visiting only these, in the usual order,
// draws what visiting all 680 cells would, and a one-tile redraw skips most of the board.
struct CellRange {
  int firstColumn = 1, lastColumn = kColumns, firstRow = 1, lastRow = kRows;
};
CellRange CellsNear(const DirtyRect& dirty, int layer, int originX, int originY) {
  CellRange r;
  if (dirty.full()) return r;
  // A sprite touches the rectangle when 20 col > left - 6 layer - originX + 6,
  // 20 col < right - 6 layer - originX + 52, and likewise 25 row against top and bottom.
  const long long dx = 6LL * layer + originX, dy = -6LL * layer + originY;
  auto clamp = [](long long v, int lo, int hi) { return int(v < lo ? lo : v > hi ? hi : v); };
  r.firstColumn = clamp((dirty.left - dx + 6) / 20 - 1, 1, kColumns + 1);
  r.lastColumn = clamp((dirty.right - dx + 52) / 20 + 1, 0, kColumns);
  r.firstRow = clamp((dirty.top - dy + 3) / 25 - 1, 1, kRows + 1);
  r.lastRow = clamp((dirty.bottom - dy + 59) / 25 + 1, 0, kRows);
  return r;
}

}  // namespace

BoardRenderer::BoardRenderer()
    : background_(kBoardWidth, kBoardHeight),
      game_(kBoardWidth, kBoardHeight),
      tileset_(kTilesetWidth, kTilesetHeight),
      filled_(kFaceWidth, kFaceHeight, kWhite) {
  ChangeTexture();
}

void BoardRenderer::setTileset(PixelBuffer tileset) {
  tileset_ = std::move(tileset);
  ChangeTexture();
}

void BoardRenderer::ChangeTexture() {
  sorimo::ChangeTexture(tileset_, texture_);
  sprites_ = PixelBuffer(kSpriteWidth, kSpriteHeight * kFaceCount);
  for (int face = 1; face <= kFaceCount; ++face) {
    const TilesetPoint at = TextureSprite(FaceCellOf(face));
    BlockTransfer(sprites_, 0, SpriteRow(face), kSpriteWidth, kSpriteHeight, texture_, at.x, at.y, RasterOp::Copy);
  }
  tileStamp_.Build(tileset_, kTileMask.x, kTileMask.y, kSpriteWidth, kSpriteHeight);
}

void BoardRenderer::Redraw(const BoardScene& scene, const DirtyRect& dirty) {
  const PixelRect area = dirty.full() ? kWholeTarget : PixelRect{dirty.left, dirty.top, dirty.right, dirty.bottom};
  BlockTransfer(game_, 0, 0, kBoardWidth, kBoardHeight, background_, 0, 0, RasterOp::Copy, area);
  if (scene.gameMode == ModeClicks) {
    RedrawClicks(scene, area);
    return;
  }
  if (scene.grid) {
    const BoardGrid& grid = *scene.grid;
    for (int z = 0; z < kLayers; ++z) {
      const CellRange r = CellsNear(dirty, z + 1, scene.originX, scene.originY);
      for (int x = r.lastColumn - 1; x >= r.firstColumn - 1; --x)
        for (int y = r.firstRow - 1; y < r.lastRow; ++y) {
          const uint8_t b = grid.at(x + 1, y + 1, z + 1);
          if (IsDrawnByte(b) || scene.isGhost(x, y, z)) ShowIt(scene, dirty, x, y, z, b);
        }
    }
  }
}

void BoardRenderer::RedrawTile(const BoardScene& scene, const TileRecord& tile) {
  Redraw(scene, RedrawTileRect(tile, scene.originX, scene.originY, OptionsOf(scene).Shadows));
}

void BoardRenderer::HLRedrawTile(const BoardScene& scene, const TileRecord& tile) {
  Redraw(scene, HLRedrawTileRect(tile, scene.originX, scene.originY));
}

void BoardRenderer::ShowFond() {
  BlockTransfer(game_, 0, 0, background_.width(), background_.height(), background_, 0, 0, RasterOp::Copy);
}

void BoardRenderer::ShowIt(const BoardScene& scene, const DirtyRect& dirty, int x, int y, int z, uint8_t tile) {
  const PixelPoint f = FaceCorner(x + 1, y + 1, z + 1, scene.originX, scene.originY);
  const PixelRect box{f.x - kEdge, f.y, f.x + kFaceWidth, f.y + kSpriteHeight};
  if (!dirty.full() && !Intersects(box, dirty)) return;
  const PixelRect clip = dirty.full() ? kWholeTarget : PixelRect{dirty.left, dirty.top, dirty.right, dirty.bottom};

  const bool editor = scene.gameMode == ModeEditor;
  // The editor shows every tile with the sprite of texture cell (0, 0).
  const int sy = SpriteRow(editor ? kFirstCellFace : FaceOfTile(tile));

  // A tile half a tile to the right and one tile lower on the same layer was drawn earlier;
  // the notched edge stops short of its face instead of covering it.
  const uint8_t lowerRight = scene.grid ? scene.grid->at(x + 2, y + 3, z + 1) : 0;
  if (IsDrawnByte(lowerRight) || scene.isGhost(x + 1, y + 2, z)) {
    tileStamp_.Draw(game_, box.left, f.y, kFaceHeight, sprites_, 0, sy, clip);
    BlockTransfer(game_, box.left, f.y + kFaceHeight, 21, kEdge, sprites_, 0, sy + kFaceHeight, RasterOp::Copy, clip);
    MaskedTransfer(game_, f.x + 15, f.y + kFaceHeight, kEdge, kEdge, tileset_, kMaskCorner.x, kMaskCorner.y,
                   sprites_, kFaceWidth, sy + kFaceHeight, clip);
  } else {
    tileStamp_.Draw(game_, box.left, f.y, kSpriteHeight, sprites_, 0, sy, clip);
  }

  const Options& options = OptionsOf(scene);
  if (editor) {
    const TilesetPoint face = scene.isGhost(x, y, z) ? kSelectedFace : kBlankFace;
    BlockTransfer(game_, f.x, f.y, kFaceWidth, kFaceHeight, tileset_, face.x, face.y, RasterOp::Copy, clip);
  } else if (scene.gameMode == ModeMemory && tile != scene.firstSelected && tile != scene.secondSelected) {
    // Face down; only the pointer's frame shows which tile is meant.
    BlockTransfer(game_, f.x, f.y, kFaceWidth, kFaceHeight, tileset_, kBlankFace.x, kBlankFace.y, RasterOp::Copy,
                  clip);
    if (tile == scene.hoverTile && options.HighlightMode != HighlightColoredTile)
      HollowRect(game_, {f.x + 1, f.y + 1, f.x + 39, f.y + 49}, Pen{scene.penColour, scene.penWidth}, clip);
  } else {
    DrawDecorations(scene, options, tile, f.x, f.y, clip);
  }

  if (options.Shadows && z < kLayers - 1 && x >= 1 && y >= 1) DrawShadows(scene, x, y, z, f.x, f.y, clip);
}

void BoardRenderer::DrawShadows(const BoardScene& scene, int x, int y, int z, int fx, int fy, const PixelRect& clip) {
  if (!scene.grid) return;
  const int c = x + 1, r = y + 1, above = z + 2;
  const auto& rules = ShadowRules();
  uint16_t met = 0;
  for (size_t i = 0; i < rules.size(); ++i)
    if (IsDrawnByte(scene.grid->at(c + rules[i].dc, r + rules[i].dr, above))) met |= uint16_t(1u << i);
  if (!met) return;
  auto it = shadowStencils_.find(met);
  if (it == shadowStencils_.end()) it = shadowStencils_.emplace(met, MakeShadowStencil(met)).first;
  DrawShadowStencil(game_, it->second, fx, fy, clip);
}

void BoardRenderer::DrawTileSprite(PixelBuffer& target, int x, int y, int tile) const {
  tileStamp_.Draw(target, x, y, kSpriteHeight, sprites_, 0, SpriteRow(FaceOfTile(tile)));
}

}  // namespace sorimo
