// The board renderer: composes the background and the tiles of the board grid into the board
// image `Game`, which the window shows once a redraw is done.
//
// Order of a redraw: the background is copied into the dirty rectangle (or everywhere); the
// tiles are drawn back to front, layer 1 first, within a layer the right-most column first,
// within a column the top row first; each tile whose sprite touches the dirty rectangle is
// drawn, cut to the rectangle. So pixels outside a partial redraw's rectangle never change,
// and inside it the picture is exactly what a whole redraw would show there.
//
// There is no separate composing buffer to copy from: `Game` is already off-screen (the window
// paints it only after the redraw returns), so the screen never shows a half-drawn board, and
// cutting every drawing to the rectangle means nothing outside it is touched. Composing
// straight into `Game` saves a copy of the whole board on every full redraw.
#pragma once

#include <array>
#include <unordered_map>
#include <utility>

#include "engine/board.h"
#include "engine/host.h"
#include "view/board_geometry.h"
#include "view/board_scene.h"
#include "view/pixel_buffer.h"
#include "view/pixel_transfer.h"
#include "view/shadow_pieces.h"
#include "view/sprite_stamp.h"
#include "view/tileset_layout.h"

namespace sorimo {

class BoardRenderer {
 public:
  // Creates the pictures: background and Game of 704 x 468, a black 800 x 600 tileset with its
  // texture, and the all-white 40 x 50 `Filled`.
  BoardRenderer();
  // The tile stamp refers to the tileset held here, so a renderer stays where it was made.
  BoardRenderer(const BoardRenderer&) = delete;
  BoardRenderer& operator=(const BoardRenderer&) = delete;

  // The background the renderer starts every frame from; the owner fills it (a picture, a
  // colour) and never the renderer.
  PixelBuffer& background() { return background_; }
  const PixelBuffer& background() const { return background_; }
  const PixelBuffer& boardPicture() const { return game_; }
  PixelBuffer& boardPicture() { return game_; }
  const PixelBuffer& tileset() const { return tileset_; }
  const PixelBuffer& texture() const { return texture_; }

  // Replaces the tileset picture, whatever its size, and rebuilds the texture (ChangeTexture).
  void setTileset(PixelBuffer tileset);
  void ChangeTexture();
  // Counts the texture builds: a picture drawn from the sprites is out of date when the
  // count has moved since.
  int textureGeneration() const { return textureGeneration_; }
  // The six 38 x 38 Clicks pictures for colours 1..6, black being transparent.
  void setClicksTiles(std::array<PixelBuffer, 6> tiles) { clicksTiles_ = std::move(tiles); }

  // Draws the dirty rectangle (or everything when it is the full value) and shows it in Game.
  // The finished-game and pause checks that come before are the game's.
  void Redraw(const BoardScene& scene, const DirtyRect& dirty);
  void FullRedraw(const BoardScene& scene) { Redraw(scene, DirtyRect{}); }
  // Partial redraws of one tile at its record's cell: its box (with the shadow margin when
  // shadows are on) or only its face.
  void RedrawTile(const BoardScene& scene, const TileRecord& tile);
  void HLRedrawTile(const BoardScene& scene, const TileRecord& tile);
  // The background alone in Game, hiding the board.
  void ShowFond();
  // A new game starts from a board buffer that holds the background. Here every redraw
  // composes its rectangle from the background afresh, so no earlier board survives into a
  // picture and there is nothing to clear.
  void ClearBoardBuffer() {}

  // Draws one grid cell into Game: zero-based (x, y, z) = (col - 1, row - 1,
  // layer - 1) and the grid byte, if its sprite touches the dirty rectangle.
  void ShowIt(const BoardScene& scene, const DirtyRect& dirty, int x, int y, int z, uint8_t tile);
  // Draws the Clicks grid of the scene into Game, inside `clip`.
  void RedrawClicks(const BoardScene& scene, const PixelRect& clip = kWholeTarget);
  void DrawKeyCursor(int x, int y, int width, int height, const PixelRect& clip);

  // A tile's sprite drawn masked at (x, y) of another picture (the side panel's preview).
  void DrawTileSprite(PixelBuffer& target, int x, int y, int tile) const;

 private:
  // The tile at zero-based (x, y, z) is drawn with its bottom edge cut short, because the
  // tile half a tile to its right and one tile lower was drawn before it.
  bool Notched(const BoardScene& scene, int x, int y, int z) const;
  // Marks in `hidden` the cells of a small partial redraw whose every pixel there is drawn
  // over by tiles that come later; see the .cpp.
  struct Visit {  // no initializers: a redraw's list is filled before it is read
    int x, y, z;
    uint8_t tile;
  };
  // The largest rectangle searched for hidden tiles, and the most tiles listed for it (its
  // cells near the rectangle number about 5 x 12 x 11; a grid that holds more is drawn
  // without the search).
  static constexpr int kMaxCulledSide = 128;
  static constexpr size_t kMaxVisits = 5 * 14 * 13;
  void FindHidden(const BoardScene& scene, const PixelRect& area, const Visit* visits, size_t count,
                  bool* hidden) const;
  void DrawDecorations(const BoardScene& scene, const Options& options, int tile, int fx, int fy,
                       const PixelRect& clip);
  void DrawFaceOn(int tile, const TilesetPoint& background, int fx, int fy, const PixelRect& clip);
  void DrawShadows(const BoardScene& scene, int x, int y, int z, int fx, int fy, const PixelRect& clip);

  PixelBuffer background_, game_;
  PixelBuffer tileset_, texture_;
  PixelBuffer filled_;
  SpriteStamp tileStamp_;  // the tile mask of the tileset
  // Per sprite row, the pixels a tile drawn whole, and one drawn notched, surely covers.
  std::array<SpriteStamp::Run, kSpriteHeight> opaque_{}, opaqueNotched_{};
  // The texture's sprites again, one below the other (face f at row 56 (f - 1)), so that
  // drawing a tile reads consecutive memory.
  PixelBuffer sprites_;
  // Stencils of the shadow-rule sets met so far, keyed by their rule bits.
  std::unordered_map<uint16_t, ShadowStencil> shadowStencils_;
  std::array<PixelBuffer, 6> clicksTiles_;
  int textureGeneration_ = 0;
};

// A grid byte the renderer draws: 1..154 (tile numbers are 1..144; 0 is empty and 155, the
// marker of a layout position not dealt yet, is never drawn).
constexpr bool IsDrawnByte(uint8_t b) { return b >= 1 && b <= 154; }

}  // namespace sorimo
