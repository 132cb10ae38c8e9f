#include "view/shadow_pieces.h"

#include <algorithm>
#include <bit>

#include "view/pixel_transfer.h"

namespace sorimo {

int ShadowPieceWidth(ShadowPiece p) { return p == ShadowPiece::BandWide ? 20 : 10; }
int ShadowPieceHeight(ShadowPiece p) { return p == ShadowPiece::BandWide ? 10 : 20; }

bool ShadowPieceIsGrey(ShadowPiece p, int x, int y) {
  if (x < 0 || y < 0 || x >= ShadowPieceWidth(p) || y >= ShadowPieceHeight(p)) return false;
  const bool even = (x + y) % 2 == 0;
  switch (p) {
    case ShadowPiece::SquareTop: return y < 10 && even;
    case ShadowPiece::BandTall: return !even;
    case ShadowPiece::TriangleUpperRight: return y < 10 && x >= y && even;
    case ShadowPiece::TriangleLowerLeft: return y < 10 && x <= y && even;
    case ShadowPiece::BandMid: return y < 15 && !even;
    case ShadowPiece::BandWide: return even;
  }
  return false;
}

namespace {

struct PieceImages {
  PixelBuffer sprite, mask;
};

std::array<PieceImages, kShadowPieceCount> MakePieces() {
  std::array<PieceImages, kShadowPieceCount> all;
  for (int i = 0; i < kShadowPieceCount; ++i) {
    const auto p = ShadowPiece(i);
    const int w = ShadowPieceWidth(p), h = ShadowPieceHeight(p);
    all[i].sprite = PixelBuffer(w, h, kBlack);
    all[i].mask = PixelBuffer(w, h, kWhite);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (ShadowPieceIsGrey(p, x, y)) {
          all[i].sprite.setPixel(x, y, kShadowGrey);
          all[i].mask.setPixel(x, y, kBlack);
        }
  }
  return all;
}

}  // namespace

void DrawShadowPiece(PixelBuffer& target, ShadowPiece p, int x, int y, const PixelRect& clip) {
  static const std::array<PieceImages, kShadowPieceCount> pieces = MakePieces();
  const PieceImages& images = pieces[size_t(p)];
  MaskedTransfer(target, x, y, images.sprite.width(), images.sprite.height(), images.mask, 0, 0, images.sprite, 0, 0,
                 clip);
}

const std::array<ShadowRule, 16>& ShadowRules() {
  using P = ShadowPiece;
  // Light falls from the upper left: a tile above darkens a band along its right and bottom
  // sides on the tile beneath; the upper tile, drawn later, covers what lies under it.
  static const std::array<ShadowRule, 16> rules{{
      {+1, -2, 2, {{{P::TriangleUpperRight, 20, 0}, {P::SquareTop, 30, 0}}}},
      {0, -2, 3, {{{P::TriangleUpperRight, 0, 0}, {P::BandWide, 10, 0}, {P::SquareTop, 30, 0}}}},
      {-1, -2, 2, {{{P::BandWide, 0, 0}, {P::TriangleLowerLeft, 20, 0}}}},
      {-2, -2, 1, {{{P::TriangleLowerLeft, 0, 0}}}},
      {+1, -1, 2, {{{P::TriangleUpperRight, 20, 25}, {P::SquareTop, 30, 25}}}},
      {0, -1, 3, {{{P::TriangleUpperRight, 0, 25}, {P::BandWide, 10, 25}, {P::SquareTop, 30, 25}}}},
      {-1, -1, 2, {{{P::BandWide, 0, 25}, {P::TriangleLowerLeft, 20, 25}}}},
      {-2, -1, 1, {{{P::TriangleLowerLeft, 0, 25}}}},
      {-2, +1, 2, {{{P::TriangleLowerLeft, 0, 25}, {P::BandMid, 0, 35}}}},
      {-2, 0, 3, {{{P::TriangleLowerLeft, 0, 0}, {P::BandTall, 0, 10}, {P::BandTall, 0, 30}}}},
      {-2, -1, 3, {{{P::BandMid, 0, 0}, {P::SquareTop, 0, 15}, {P::TriangleUpperRight, 0, 25}}}},
      {-2, -2, 1, {{{P::TriangleUpperRight, 0, 0}}}},
      {-1, +1, 2, {{{P::TriangleLowerLeft, 20, 25}, {P::BandMid, 20, 35}}}},
      {-1, 0, 3, {{{P::TriangleLowerLeft, 20, 0}, {P::BandTall, 20, 10}, {P::BandTall, 20, 30}}}},
      {-1, -1, 3, {{{P::BandMid, 20, 0}, {P::SquareTop, 20, 15}, {P::TriangleUpperRight, 20, 25}}}},
      {-1, -2, 1, {{{P::TriangleUpperRight, 20, 0}}}},
  }};
  return rules;
}

ShadowStencil MakeShadowStencil(uint16_t rules) {
  ShadowStencil stencil;
  const auto& all = ShadowRules();
  for (size_t i = 0; i < all.size(); ++i) {
    if (!(rules >> i & 1)) continue;
    for (int k = 0; k < all[i].count; ++k) {
      const PlacedPiece& p = all[i].pieces[size_t(k)];
      for (int y = 0; y < ShadowPieceHeight(p.piece); ++y)
        for (int x = 0; x < ShadowPieceWidth(p.piece); ++x)
          if (ShadowPieceIsGrey(p.piece, x, y) && p.oy + y < ShadowStencil::kRows && p.ox + x < 64)
            stencil.rows[size_t(p.oy + y)] |= uint64_t(1) << (p.ox + x);
    }
  }
  return stencil;
}

void DrawShadowStencil(PixelBuffer& target, const ShadowStencil& stencil, int x, int y, const PixelRect& clip) {
  const long long X = x, Y = y;
  const long long c0 = std::max<long long>({0, clip.left - X, -X});
  const long long c1 = std::min<long long>({64, clip.right - X, target.width() - X});
  const long long r0 = std::max<long long>({0, clip.top - Y, -Y});
  const long long r1 = std::min<long long>({ShadowStencil::kRows, clip.bottom - Y, target.height() - Y});
  if (c0 >= c1 || r0 >= r1) return;
  // The columns [c0, c1) as bits.
  const uint64_t columns = (c1 - c0 == 64 ? ~uint64_t(0) : ((uint64_t(1) << (c1 - c0)) - 1)) << c0;
  for (int row = int(r0); row < int(r1); ++row) {
    uint64_t bits = stencil.rows[size_t(row)] & columns;
    if (!bits) continue;
    uint32_t* d = target.row(y + row) + x;
    for (; bits; bits &= bits - 1) d[std::countr_zero(bits)] = kShadowGrey;
  }
}

}  // namespace sorimo
