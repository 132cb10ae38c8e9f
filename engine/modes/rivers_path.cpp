// The Rivers path rule: two tiles join when a path of at most three straight segments runs
// between them through empty places of their layer. Which path is found when several exist
// decides where the sliding tile travels, so the search order is fixed: the first segment
// horizontal (right, then left), turning vertical (down, then up), turning horizontal again;
// then the same with the first segment vertical. Every walk stops at the first occupied
// place, which is the end of the path only if it is the target.
#include "engine/modes/rivers.h"

#include "engine/game.h"

namespace sorimo {

namespace {

struct Path {
  Game& g;
  int z;
  int targetX, targetY;
  bool animate;
};

using Turn = bool (*)(Path&, int, int);

// A walk from (x, y) by (dx, dy) may take one more step. With tiles on even columns and odd
// rows, paths use columns 2..32 and rows 1..19: one or two places beyond the tiles on every
// side, so pairs on the outside join around it.
bool CanStep(int x, int y, int dx, int dy) {
  if (dx > 0) return x < 32;
  if (dx < 0) return x > 2;
  if (dy > 0) return y < 18;
  return y > 2;
}

// The occupied place (x, y) ends a walk; it ends the search when it is the target's place.
void IsIt(Path& s, int x, int y) {
  if (x != s.targetX || y != s.targetY) return;
  RiversState& r = s.g.ModeData<RiversState>();
  r.RiverFound = true;
  r.RiverTile = s.g.board().Grid().at(x, y, s.z);
  r.RiverCol = s.g.board().Records()[r.RiverTile].x;
  r.RiverRow = s.g.board().Records()[r.RiverTile].y;
}

// One straight segment from (x, y) by (dx, dy). At every empty place it passes, `turn` (if
// any) runs the next segment from there. When the target is found, this segment moves the
// tile over the places it passed, from where it stopped or turned back to the place after
// its own start: the innermost segment moves first, so the tile travels the path in order.
bool Walk(Path& s, int x, int y, int dx, int dy, Turn turn) {
  // The last segment can only end on the target's own row or column, ahead of it: a walk
  // anywhere else would stop at a tile that is not the target. Skipping it finds the same.
  if (turn == nullptr) {
    const bool ahead = dx != 0 ? y == s.targetY && (s.targetX - x) * dx > 0 : x == s.targetX && (s.targetY - y) * dy > 0;
    if (!ahead) return false;
  }
  const RiversState& r = s.g.ModeData<RiversState>();
  int cx = x, cy = y;
  while (CanStep(cx, cy, dx, dy)) {
    cx += dx;
    cy += dy;
    if (s.g.board().Grid().at(cx, cy, s.z) != 0) {
      IsIt(s, cx, cy);
      break;
    }
    if (turn != nullptr && turn(s, cx, cy)) break;
  }
  if (!r.RiverFound) return false;
  if (s.animate)
    for (int px = cx, py = cy; px != x || py != y; px -= dx, py -= dy) MoveRiverTiles(s.g, px, py, s.z);
  return true;
}

// The third segment, from the second corner: only its first occupied place is looked at.
bool TestHorizontal2(Path& s, int x, int y) {
  return Walk(s, x, y, 2, 0, nullptr) || Walk(s, x, y, -2, 0, nullptr);
}
bool TestVertical2(Path& s, int x, int y) {
  return Walk(s, x, y, 0, 2, nullptr) || Walk(s, x, y, 0, -2, nullptr);
}

// The second segment, from the first corner, turning into the third at every empty place.
bool TestVertical(Path& s, int x, int y) {
  return Walk(s, x, y, 0, 2, TestHorizontal2) || Walk(s, x, y, 0, -2, TestHorizontal2);
}
bool TestHorizontal(Path& s, int x, int y) {
  return Walk(s, x, y, 2, 0, TestVertical2) || Walk(s, x, y, -2, 0, TestVertical2);
}

// The search from start for target, which slides along the path found when `animate` is set.
bool Search(Game& g, int start, int target, bool animate) {
  if (start < 1 || start > kTileCount || target < 1 || target > kTileCount || start == target) return false;
  const TileRecord a = g.board().Records()[start], b = g.board().Records()[target];
  if (!a.present() || !b.present()) return false;  // a removed tile never pairs
  if (a.z != b.z) return false;
  RiversState& r = g.ModeData<RiversState>();
  r.RiverFound = false;
  Path s{g, a.z, b.x, b.y, animate};
  const bool found = Walk(s, a.x, a.y, 2, 0, TestVertical) || Walk(s, a.x, a.y, -2, 0, TestVertical) ||
                     Walk(s, a.x, a.y, 0, 2, TestHorizontal) || Walk(s, a.x, a.y, 0, -2, TestHorizontal);
  r.RiverFound = false;
  return found;
}

}  // namespace

bool CanBeReached(Game& g, int start, int target) { return Search(g, start, target, g.options().AnimateTileRivers); }

bool CanBeReachedStill(Game& g, int start, int target) { return Search(g, start, target, false); }

void MoveRiverTiles(Game& g, int col, int row, int z) {
  RiversState& r = g.ModeData<RiversState>();
  const DirtyRect old = TileRedrawRect(g, r.RiverTile);
  g.board().TakeTile(r.RiverTile);
  r.RiverCol = col;
  r.RiverRow = row;
  g.RedrawBox(old);  // the tile has left its old place: this erases it there
  g.board().PlaceTile(r.RiverTile, {col, row, z});
  g.RedrawTile(r.RiverTile);
  g.host().board.RepaintNow();
  g.host().board.PauseAnimation();
}

}  // namespace sorimo
