#include "view/board_renderer.h"

#include <algorithm>
#include <cstdint>

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

// A notched tile's edge: the 21 pixels of its bottom edge left of the lower-right neighbour.
constexpr int kNotchedEdge = 21;

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
  ++textureGeneration_;
  sorimo::ChangeTexture(tileset_, texture_);
  sprites_ = PixelBuffer(kSpriteWidth, kSpriteHeight * kFaceCount);
  for (int face = 1; face <= kFaceCount; ++face) {
    const TilesetPoint at = TextureSprite(FaceCellOf(face));
    BlockTransfer(sprites_, 0, SpriteRow(face), kSpriteWidth, kSpriteHeight, texture_, at.x, at.y, RasterOp::Copy);
  }
  tileStamp_.Build(tileset_, kTileMask.x, kTileMask.y, kSpriteWidth, kSpriteHeight);
  for (int row = 0; row < kSpriteHeight; ++row) {
    opaque_[size_t(row)] = tileStamp_.OpaqueRun(row);
    // A notched tile stamps only the face's rows, then copies the left part of its edge.
    opaqueNotched_[size_t(row)] = row < kFaceHeight ? opaque_[size_t(row)] : SpriteStamp::Run{0, kNotchedEdge};
  }
}

void BoardRenderer::Redraw(const BoardScene& scene, const DirtyRect& dirty) {
  const PixelRect area = dirty.full() ? kWholeTarget : PixelRect{dirty.left, dirty.top, dirty.right, dirty.bottom};
  BlockTransfer(game_, 0, 0, kBoardWidth, kBoardHeight, background_, 0, 0, RasterOp::Copy, area);
  if (!scene.clicks.empty()) {
    RedrawClicks(scene, area);
    return;
  }
  if (!scene.grid) return;
  const BoardGrid& grid = *scene.grid;
  // A small rectangle (a tile's box, a face) lies over a few stacked tiles; those the tiles
  // drawn after them cover completely there are left out.
  const bool small = !dirty.full() && area.right - area.left <= kMaxCulledSide && area.bottom - area.top <= kMaxCulledSide;
  std::array<Visit, kMaxVisits> visits;
  size_t count = 0;
  bool listed = small;
  for (int z = 0; z < kLayers && listed; ++z) {
    const CellRange r = CellsNear(dirty, z + 1, scene.originX, scene.originY);
    for (int x = r.lastColumn - 1; x >= r.firstColumn - 1 && listed; --x)
      for (int y = r.firstRow - 1; y < r.lastRow && listed; ++y) {
        const uint8_t b = grid.at(x + 1, y + 1, z + 1);
        if (!IsDrawnByte(b) && !scene.isGhost(x, y, z)) continue;
        listed = count < visits.size();
        if (listed) visits[count++] = {x, y, z, b};
      }
  }
  if (listed) {
    std::array<bool, kMaxVisits> hidden;
    FindHidden(scene, area, visits.data(), count, hidden.data());
    for (size_t i = 0; i < count; ++i)
      if (!hidden[i]) ShowIt(scene, dirty, visits[i].x, visits[i].y, visits[i].z, visits[i].tile);
    return;
  }
  for (int z = 0; z < kLayers; ++z) {
    const CellRange r = CellsNear(dirty, z + 1, scene.originX, scene.originY);
    for (int x = r.lastColumn - 1; x >= r.firstColumn - 1; --x)
      for (int y = r.firstRow - 1; y < r.lastRow; ++y) {
        const uint8_t b = grid.at(x + 1, y + 1, z + 1);
        if (IsDrawnByte(b) || scene.isGhost(x, y, z)) ShowIt(scene, dirty, x, y, z, b);
      }
  }
}

bool BoardRenderer::Notched(const BoardScene& scene, int x, int y, int z) const {
  const uint8_t lowerRight = scene.grid ? scene.grid->at(x + 2, y + 3, z + 1) : 0;
  return IsDrawnByte(lowerRight) || scene.isGhost(x + 1, y + 2, z);
}

// Going from the last tile drawn back to the first, `covered` collects the pixels of the
// rectangle that the tiles met so far surely draw over (their sprites' opaque runs, copied
// whatever lies beneath). A tile whose every pixel in the rectangle is covered that way
// would be drawn only to be drawn over, and is hidden. Every covered pixel is drawn over by
// a tile that is not hidden: either the tile that covered it, or, if that one is hidden too,
// the later tiles that cover it in turn. So the picture is the same without the hidden ones.
void BoardRenderer::FindHidden(const BoardScene& scene, const PixelRect& area, const Visit* visits, size_t count,
                               bool* hidden) const {
  static_assert(kMaxCulledSide <= 128);
  using Row = unsigned __int128;  // the rectangle's columns as bits
  auto span = [](int from, int to) {  // columns [from, to), 0 <= from < to <= 128
    const Row ones = ~Row(0);
    return (to - from == 128 ? ones : (Row(1) << (to - from)) - 1) << from;
  };
  const int height = area.bottom - area.top;
  std::array<Row, kMaxCulledSide> covered;
  std::fill_n(covered.begin(), height, Row(0));
  for (size_t i = count; i-- > 0;) {
    const Visit& v = visits[i];
    const PixelPoint f = FaceCorner(v.x + 1, v.y + 1, v.z + 1, scene.originX, scene.originY);
    const int left = f.x - kEdge, top = f.y;
    const int l = std::max(left, area.left), r = std::min(left + kSpriteWidth, area.right);
    const int t = std::max(top, area.top), b = std::min(top + kSpriteHeight, area.bottom);
    if (l >= r || t >= b) {
      hidden[i] = true;  // drawn nowhere in the rectangle
      continue;
    }
    const auto& runs = Notched(scene, v.x, v.y, v.z) ? opaqueNotched_ : opaque_;
    const Row box = span(l - area.left, r - area.left);
    bool all = true;
    for (int y = t; y < b; ++y) {
      Row& c = covered[size_t(y - area.top)];
      all = all && (c & box) == box;
      const SpriteStamp::Run run = runs[size_t(y - top)];
      const int from = std::max(left + run.begin, l), to = std::min(left + run.end, r);
      if (from < to) c |= span(from - area.left, to - area.left);
    }
    hidden[i] = all;
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

  const bool editor = scene.layoutFaces;
  // The editor shows every tile with the sprite of texture cell (0, 0).
  const int sy = SpriteRow(editor ? kFirstCellFace : FaceOfTile(tile));

  // A tile half a tile to the right and one tile lower on the same layer was drawn earlier;
  // the notched edge stops short of its face instead of covering it.
  if (Notched(scene, x, y, z)) {
    tileStamp_.Draw(game_, box.left, f.y, kFaceHeight, sprites_, 0, sy, clip);
    BlockTransfer(game_, box.left, f.y + kFaceHeight, kNotchedEdge, kEdge, sprites_, 0, sy + kFaceHeight,
                  RasterOp::Copy, clip);
    MaskedTransfer(game_, f.x + 15, f.y + kFaceHeight, kEdge, kEdge, tileset_, kMaskCorner.x, kMaskCorner.y,
                   sprites_, kFaceWidth, sy + kFaceHeight, clip);
  } else {
    tileStamp_.Draw(game_, box.left, f.y, kSpriteHeight, sprites_, 0, sy, clip);
  }

  const Options& options = OptionsOf(scene);
  if (editor) {
    const TilesetPoint face = scene.isGhost(x, y, z) ? kSelectedFace : kBlankFace;
    BlockTransfer(game_, f.x, f.y, kFaceWidth, kFaceHeight, tileset_, face.x, face.y, RasterOp::Copy, clip);
  } else if (scene.facesHidden && tile != scene.firstSelected && tile != scene.secondSelected) {
    // Face down; only the pointer's frame shows which tile is meant.
    BlockTransfer(game_, f.x, f.y, kFaceWidth, kFaceHeight, tileset_, kBlankFace.x, kBlankFace.y, RasterOp::Copy,
                  clip);
    if (tile == scene.hoverTile && options.HighlightMode != HighlightColoredTile)
      HollowRect(game_, {f.x + 1, f.y + 1, f.x + 39, f.y + 49}, Pen{scene.penColour, scene.penWidth}, clip);
  } else {
    DrawDecorations(scene, options, tile, f.x, f.y, clip);
  }

  if (options.Shadows && z < kLayers - 1 && x >= 1 && y >= 1) DrawShadows(scene, x, y, z, f.x, f.y, clip);
  if (!editor && tile != 0 && tile == scene.cursorTile) DrawKeyCursor(f.x, f.y, kFaceWidth, kFaceHeight, clip);
}

// The keyboard cursor: four corner brackets inside the face, clear of the pointer's frame
// (1 to 4 pixels in), so the two can mark one tile together.
void BoardRenderer::DrawKeyCursor(int x, int y, int width, int height, const PixelRect& clip) {
  constexpr int kInset = 5, kLength = 10, kThickness = 3;
  const int left = x + kInset, top = y + kInset, right = x + width - kInset, bottom = y + height - kInset;
  for (const int cx : {left, right - kLength})
    for (const int cy : {top, bottom - kThickness}) FillRect(game_, {cx, cy, cx + kLength, cy + kThickness}, kKeyCursorColour, clip);
  for (const int cx : {left, right - kThickness})
    for (const int cy : {top, bottom - kLength}) FillRect(game_, {cx, cy, cx + kThickness, cy + kLength}, kKeyCursorColour, clip);
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
