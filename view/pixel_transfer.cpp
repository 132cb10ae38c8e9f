#include "view/pixel_transfer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace sorimo {

std::optional<ClippedTransfer> ClipTransfer(int targetWidth, int targetHeight, int x, int y, int w, int h,
                                            int sourceWidth, int sourceHeight, int sx, int sy, const PixelRect& clip) {
  // 64-bit arithmetic so that no offset or size a caller passes can overflow.
  int64_t X = x, Y = y, SX = sx, SY = sy, W = w, H = h;
  if (W <= 0 || H <= 0) return std::nullopt;
  const int64_t minX = std::max(0, clip.left), minY = std::max(0, clip.top);
  const int64_t maxX = std::min(targetWidth, clip.right), maxY = std::min(targetHeight, clip.bottom);
  const int64_t left = std::max<int64_t>({0, minX - X, -SX});
  X += left, SX += left, W -= left;
  const int64_t top = std::max<int64_t>({0, minY - Y, -SY});
  Y += top, SY += top, H -= top;
  W = std::min<int64_t>({W, maxX - X, int64_t(sourceWidth) - SX});
  H = std::min<int64_t>({H, maxY - Y, int64_t(sourceHeight) - SY});
  if (W <= 0 || H <= 0) return std::nullopt;
  return ClippedTransfer{int(X), int(Y), int(SX), int(SY), int(W), int(H)};
}

namespace {

// The inner loops are kept trivial so the compiler vectorises them. Row pointers and strides
// are taken out of the pictures first: a store through a uint32_t pointer could otherwise
// change a picture's size, as far as the compiler knows, and force reloads in every row.
struct Rows {
  uint32_t* d;
  const uint32_t* s;
  size_t dStride, sStride;
};
Rows RowsOf(PixelBuffer& target, const PixelBuffer& source, const ClippedTransfer& c) {
  return {target.row(c.y) + c.x, source.row(c.sy) + c.sx, size_t(target.width()), size_t(source.width())};
}

template <typename Op>
void RowLoop(PixelBuffer& target, const PixelBuffer& source, const ClippedTransfer& c, Op op) {
  const Rows r = RowsOf(target, source, c);
  const int w = c.w;
  for (int i = 0; i < c.h; ++i) {
    uint32_t* __restrict d = r.d + size_t(i) * r.dStride;
    const uint32_t* __restrict s = r.s + size_t(i) * r.sStride;
    for (int j = 0; j < w; ++j) d[j] = op(d[j], s[j]);
  }
}

void TransferClipped(PixelBuffer& target, const PixelBuffer& source, const ClippedTransfer& c, RasterOp op) {
  switch (op) {
    case RasterOp::Copy: {
      const Rows r = RowsOf(target, source, c);
      for (int i = 0; i < c.h; ++i)
        std::memcpy(r.d + size_t(i) * r.dStride, r.s + size_t(i) * r.sStride, size_t(c.w) * sizeof(uint32_t));
      break;
    }
    case RasterOp::And:
      RowLoop(target, source, c, [](uint32_t d, uint32_t s) { return d & s; });
      break;
    case RasterOp::Or:
      RowLoop(target, source, c, [](uint32_t d, uint32_t s) { return d | s; });
      break;
    case RasterOp::Xor:
      RowLoop(target, source, c, [](uint32_t d, uint32_t s) { return d ^ s; });
      break;
  }
}

// A transfer within one picture reads a private copy of the source rectangle, so overlapping
// rectangles behave as if the source had been read whole before the target was written.
PixelBuffer CopyOfRegion(const PixelBuffer& source, const ClippedTransfer& c) {
  PixelBuffer part(c.w, c.h);
  for (int i = 0; i < c.h; ++i)
    std::memcpy(part.row(i), source.row(c.sy + i) + c.sx, size_t(c.w) * sizeof(uint32_t));
  return part;
}

// The masked sprite, row by row.
void MaskedRows(PixelBuffer& target, const PixelBuffer& mask, const PixelBuffer& sprite, const ClippedTransfer& m,
                const ClippedTransfer& s) {
  const Rows dm = RowsOf(target, mask, m);
  const uint32_t* const sprite0 = sprite.row(s.sy) + s.sx;
  const size_t spriteStride = size_t(sprite.width());
  const int w = m.w;
  for (int i = 0; i < m.h; ++i) {
    uint32_t* __restrict d = dm.d + size_t(i) * dm.dStride;
    const uint32_t* __restrict a = dm.s + size_t(i) * dm.sStride;
    const uint32_t* __restrict o = sprite0 + size_t(i) * spriteStride;
    for (int j = 0; j < w; ++j) d[j] = (d[j] & a[j]) | o[j];
  }
}

}  // namespace

void BlockTransfer(PixelBuffer& target, int x, int y, int w, int h, const PixelBuffer& source, int sx, int sy,
                   RasterOp op, const PixelRect& clip) {
  const auto c =
      ClipTransfer(target.width(), target.height(), x, y, w, h, source.width(), source.height(), sx, sy, clip);
  if (!c) return;
  if (&target == &source) {
    const PixelBuffer part = CopyOfRegion(source, *c);
    TransferClipped(target, part, ClippedTransfer{c->x, c->y, 0, 0, c->w, c->h}, op);
    return;
  }
  TransferClipped(target, source, *c, op);
}

void MaskedTransfer(PixelBuffer& target, int x, int y, int w, int h, const PixelBuffer& mask, int mx, int my,
                    const PixelBuffer& sprite, int sx, int sy, const PixelRect& clip) {
  const auto m = ClipTransfer(target.width(), target.height(), x, y, w, h, mask.width(), mask.height(), mx, my, clip);
  const auto s =
      ClipTransfer(target.width(), target.height(), x, y, w, h, sprite.width(), sprite.height(), sx, sy, clip);
  const bool sameArea = m && s && m->x == s->x && m->y == s->y && m->w == s->w && m->h == s->h;
  if (!sameArea || &target == &mask || &target == &sprite) {
    BlockTransfer(target, x, y, w, h, mask, mx, my, RasterOp::And, clip);
    BlockTransfer(target, x, y, w, h, sprite, sx, sy, RasterOp::Or, clip);
    return;
  }
  MaskedRows(target, mask, sprite, *m, *s);
}

void TransparentTransfer(PixelBuffer& target, int x, int y, const PixelBuffer& sprite, uint32_t transparent,
                         const PixelRect& clip) {
  const auto c = ClipTransfer(target.width(), target.height(), x, y, sprite.width(), sprite.height(),
                              sprite.width(), sprite.height(), 0, 0, clip);
  if (!c || &target == &sprite) return;
  transparent &= kColourMask;
  const Rows r = RowsOf(target, sprite, *c);
  const int w = c->w;
  for (int i = 0; i < c->h; ++i) {
    uint32_t* __restrict d = r.d + size_t(i) * r.dStride;
    const uint32_t* __restrict s = r.s + size_t(i) * r.sStride;
    for (int j = 0; j < w; ++j) d[j] = s[j] != transparent ? s[j] : d[j];
  }
}

void FillRect(PixelBuffer& target, const PixelRect& r, uint32_t colour, const PixelRect& clip) {
  const int left = std::max({r.left, clip.left, 0}), top = std::max({r.top, clip.top, 0});
  const int right = std::min({r.right, clip.right, target.width()});
  const int bottom = std::min({r.bottom, clip.bottom, target.height()});
  if (left >= right || top >= bottom) return;
  colour &= kColourMask;
  for (int y = top; y < bottom; ++y) std::fill(target.row(y) + left, target.row(y) + right, colour);
}

void HollowRect(PixelBuffer& target, const PixelRect& outline, const Pen& pen, const PixelRect& clip) {
  const int width = std::max(pen.width, 1);
  const int outside = (width - 1) / 2, inside = width - 1 - outside;
  // The outline's pixels are left..right-1 and top..bottom-1.
  const PixelRect outer{outline.left - outside, outline.top - outside, outline.right + outside,
                        outline.bottom + outside};
  const PixelRect inner{outline.left + inside + 1, outline.top + inside + 1, outline.right - 1 - inside,
                        outline.bottom - 1 - inside};
  if (outer.left >= outer.right || outer.top >= outer.bottom) return;
  if (inner.left >= inner.right || inner.top >= inner.bottom) {
    FillRect(target, outer, pen.colour, clip);  // the pen is wider than the hole it would leave
    return;
  }
  FillRect(target, {outer.left, outer.top, outer.right, inner.top}, pen.colour, clip);
  FillRect(target, {outer.left, inner.bottom, outer.right, outer.bottom}, pen.colour, clip);
  FillRect(target, {outer.left, inner.top, inner.left, inner.bottom}, pen.colour, clip);
  FillRect(target, {inner.right, inner.top, outer.right, inner.bottom}, pen.colour, clip);
}

}  // namespace sorimo
