#include "view/sprite_stamp.h"

#include <algorithm>
#include <cstring>

#include "view/pixel_transfer.h"

namespace sorimo {

void SpriteStamp::Build(const PixelBuffer& picture, int mx, int my, int w, int h) {
  picture_ = &picture;
  mx_ = mx, my_ = my, w_ = w, h_ = h;
  whole_ = w > 0 && h > 0 && mx >= 0 && my >= 0 && mx + w <= picture.width() && my + h <= picture.height();
  runs_.assign(whole_ ? size_t(h) : 0, Run{});
  for (int y = 0; whole_ && y < h; ++y) {
    const uint32_t* row = picture.row(my + y) + mx;
    Run best, current;
    for (int x = 0; x <= w; ++x) {
      if (x < w && row[x] == kBlack) {
        if (current.end != x) current.begin = x;
        current.end = x + 1;
        if (current.end - current.begin > best.end - best.begin) best = current;
      }
    }
    runs_[size_t(y)] = best;
  }
}

void SpriteStamp::Draw(PixelBuffer& target, int x, int y, int rows, const PixelBuffer& sprite, int sx, int sy,
                       const PixelRect& clip) const {
  if (!picture_) return;
  rows = std::min(rows, h_);
  const bool sources = whole_ && rows > 0 && sx >= 0 && sy >= 0 && sx + w_ <= sprite.width() &&
                       sy + rows <= sprite.height() && &target != &sprite && &target != picture_;
  if (!sources) {  // unusual pictures: the general transfer does it the long way
    MaskedTransfer(target, x, y, w_, rows, *picture_, mx_, my_, sprite, sx, sy, clip);
    return;
  }
  // The sprite's columns [c0, c1) and rows [r0, r1) that land inside the target and the clip.
  const long long X = x, Y = y;
  const long long c0 = std::max<long long>({0, clip.left - X, -X});
  const long long c1 = std::min<long long>({w_, clip.right - X, target.width() - X});
  const long long r0 = std::max<long long>({0, clip.top - Y, -Y});
  const long long r1 = std::min<long long>({rows, clip.bottom - Y, target.height() - Y});
  if (c0 >= c1 || r0 >= r1) return;
  const int from = int(c0), to = int(c1);
  for (int i = int(r0); i < int(r1); ++i) {
    uint32_t* __restrict d = target.row(y + i) + x;
    const uint32_t* __restrict m = picture_->row(my_ + i) + mx_;
    const uint32_t* __restrict s = sprite.row(sy + i) + sx;
    const Run run = runs_[size_t(i)];
    const int copyFrom = std::max(run.begin, from), copyTo = std::min(run.end, to);
    for (int j = from; j < std::min(run.begin, to); ++j) d[j] = (d[j] & m[j]) | s[j];
    if (copyFrom < copyTo) std::memcpy(d + copyFrom, s + copyFrom, size_t(copyTo - copyFrom) * sizeof(uint32_t));
    for (int j = std::max(run.end, from); j < to; ++j) d[j] = (d[j] & m[j]) | s[j];
  }
}

}  // namespace sorimo
