// The stippled drop shadows a tile of the layer above casts on the tile beneath: six small
// checkerboard pieces of grey (128, 128, 128) whose other pixels are transparent, and the
// sixteen rules that place them.
//
// How a piece is drawn: as a masked sprite, AND with the piece's mask (black under the grey
// pixels, white elsewhere) and then OR with the piece (grey, black elsewhere). Every grey pixel
// therefore becomes exactly grey and every other pixel keeps its colour: on the light face of
// a tile this reads as a half-tone shadow, and drawing a piece twice (two rules that overlap,
// or a redraw) gives the same picture as drawing it once. That is also why the renderer may
// draw all the pieces a tile receives in one go, as a stencil (below).
#pragma once

#include <array>
#include <cstdint>

#include "view/pixel_buffer.h"
#include "view/pixel_transfer.h"

namespace sorimo {

constexpr uint32_t kShadowGrey = Rgb(128, 128, 128);

enum class ShadowPiece : uint8_t { SquareTop, BandTall, TriangleUpperRight, TriangleLowerLeft, BandMid, BandWide };
constexpr int kShadowPieceCount = 6;

int ShadowPieceWidth(ShadowPiece p);   // 20 for BandWide, else 10
int ShadowPieceHeight(ShadowPiece p);  // 10 for BandWide, else 20
// Whether pixel (x, y) inside the piece is grey.
bool ShadowPieceIsGrey(ShadowPiece p, int x, int y);

// Draws the piece with its top-left corner at (x, y), clipped to the target and to `clip`.
void DrawShadowPiece(PixelBuffer& target, ShadowPiece p, int x, int y, const PixelRect& clip = kWholeTarget);

struct PlacedPiece {
  ShadowPiece piece = ShadowPiece::SquareTop;
  int ox = 0, oy = 0;  // from the face corner of the tile that receives the shadow
};

// When the cell (col + dc, row + dr) on the layer above holds a tile, its pieces are drawn.
struct ShadowRule {
  int dc = 0, dr = 0;
  int count = 0;
  std::array<PlacedPiece, 3> pieces{};
};

// The rules in the order they are applied.
const std::array<ShadowRule, 16>& ShadowRules();

// All the grey pixels of a set of rules at once (bit i of `rules` for rule i), as a bit per
// pixel relative to the face corner: bit x of row y. Since a piece only ever turns pixels
// grey, drawing the union is drawing the pieces one by one, without painting a pixel twice.
struct ShadowStencil {
  static constexpr int kRows = 56;  // pieces reach 55 rows down and 40 columns across
  std::array<uint64_t, kRows> rows{};
};
ShadowStencil MakeShadowStencil(uint16_t rules);
// Turns the stencil's pixels grey with (x, y) as the face corner, inside the target and `clip`.
void DrawShadowStencil(PixelBuffer& target, const ShadowStencil& stencil, int x, int y,
                       const PixelRect& clip = kWholeTarget);

}  // namespace sorimo
