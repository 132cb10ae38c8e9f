// Block transfers between pixel buffers in copy, AND, OR and XOR modes, the masked sprite,
// filled and hollow rectangles.
//
// Clipping: a transfer only touches target pixels whose source pixel exists. The rectangle
// asked for is cut to the target and to the source alike; target pixels whose source would
// lie outside the source picture are left as they are. So a picture smaller than the region
// a caller reads (a tileset smaller than its expected layout, say) is never read past its
// edge, and the part it cannot supply simply keeps the target's colour.
#pragma once

#include <climits>
#include <optional>

#include "engine/board.h"
#include "view/pixel_buffer.h"

namespace sorimo {

enum class RasterOp { Copy, And, Or, Xor };

// An optional further limit on the target pixels a transfer may touch; the default is the
// whole target.
constexpr PixelRect kWholeTarget{INT_MIN, INT_MIN, INT_MAX, INT_MAX};

// A transfer after clipping: w x h pixels from (sx, sy) of the source onto (x, y) of the target.
struct ClippedTransfer {
  int x = 0, y = 0, sx = 0, sy = 0, w = 0, h = 0;
  bool operator==(const ClippedTransfer&) const = default;
};
std::optional<ClippedTransfer> ClipTransfer(int targetWidth, int targetHeight, int x, int y, int w, int h,
                                            int sourceWidth, int sourceHeight, int sx, int sy,
                                            const PixelRect& clip = kWholeTarget);

// target(x.., y..) op= source(sx.., sy..) over w x h pixels, clipped as above.
void BlockTransfer(PixelBuffer& target, int x, int y, int w, int h, const PixelBuffer& source, int sx, int sy,
                   RasterOp op, const PixelRect& clip = kWholeTarget);

// The masked sprite: AND the mask (black where the sprite is opaque, white elsewhere), then
// OR the sprite (black where transparent). Same result as the two transfers one after the
// other, each clipped to its own source, in one pass when both clip alike.
void MaskedTransfer(PixelBuffer& target, int x, int y, int w, int h, const PixelBuffer& mask, int mx, int my,
                    const PixelBuffer& sprite, int sx, int sy, const PixelRect& clip = kWholeTarget);

// Draws the whole sprite at (x, y) except its pixels of the colour `transparent`.
void TransparentTransfer(PixelBuffer& target, int x, int y, const PixelBuffer& sprite,
                         uint32_t transparent = kBlack, const PixelRect& clip = kWholeTarget);

// Fills [left, right) x [top, bottom), clipped to the target.
void FillRect(PixelBuffer& target, const PixelRect& r, uint32_t colour, const PixelRect& clip = kWholeTarget);

struct Pen {
  uint32_t colour = kBlack;
  int width = 1;
};

// A hollow rectangle drawn like a GDI Rectangle with a solid pen and a hollow brush: the
// outline runs through the pixels from (left, top) to (right - 1, bottom - 1), right and
// bottom exclusive as everywhere else, and a pen of width w is centred on it: (w - 1) / 2
// pixels outside and the rest inside. A width-3 pen on (fx + 1, fy + 1)-(fx + 39, fy + 49)
// therefore paints exactly the outer three pixels of the 40 x 50 face at (fx, fy).
// Widths below 1 draw as 1.
void HollowRect(PixelBuffer& target, const PixelRect& outline, const Pen& pen, const PixelRect& clip = kWholeTarget);

}  // namespace sorimo
