// The editor's four moves of the whole layout by one half-tile. A move towards an edge that a
// tile touches does nothing at all; otherwise the layout cells, the grid and the tile records
// move together, so the board keeps telling the same story as the layout.
#include "engine/game.h"
#include "engine/modes/editor.h"

namespace sorimo {

namespace {

struct Step {
  int dx = 0, dy = 0;
};

constexpr Step StepOf(BoardShift s) {
  switch (s) {
    case BoardShift::Left: return {-1, 0};
    case BoardShift::Right: return {1, 0};
    case BoardShift::Top: return {0, -1};
    case BoardShift::Bottom: return {0, 1};
  }
  return {};
}

// A tile is anchored on the column or row the layout moves towards.
bool TouchesEdge(const LayoutCells& layout, const BoardGrid& grid, Step s) {
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        if (layout.at(x, y, z) == 0 && grid.at(x, y, z) == 0) continue;
        if ((s.dx < 0 && x == 1) || (s.dx > 0 && x == kColumns) || (s.dy < 0 && y == 1) || (s.dy > 0 && y == kRows))
          return true;
      }
  return false;
}

}  // namespace

bool MoveLayout(Game& g, BoardShift shift) {
  const Step s = StepOf(shift);
  if (TouchesEdge(g.Layout, g.board().Grid(), s)) return false;

  LayoutCells moved;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (const uint8_t v = g.Layout.at(x, y, z)) moved.set(x + s.dx, y + s.dy, z, v);
  g.Layout = moved;
  // Every tile leaves, then comes back one step over: no tile lands where another still stands.
  const TileRecords before = g.board().Records();
  g.board().NewDeal(g.board().TilesTotal());
  for (int n = 1; n <= kTileCount; ++n)
    if (before[n].present()) g.board().PlaceTile(n, {before[n].x + s.dx, before[n].y + s.dy, before[n].z});
  g.ModeData<EditorState>().Changed = true;
  g.FullRedraw();
  g.host().board.RepaintNow();
  return true;
}

}  // namespace sorimo
