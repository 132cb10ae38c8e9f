// The layout editor: the board is the layout being built. A left click places a tile where
// the ghost tile shows, a right click takes the tile under the pointer away, and every change
// goes to the layout cells, the grid and the tile records together. Every tile may be taken
// and a cleared board ends nothing (the editor's traits).
#include "engine/modes/editor.h"

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"
#include "engine/pixel_geometry.h"

namespace sorimo {

namespace {

class EditorRules : public ModeRules {
 public:
  // The editor's board is its layout as it stands, half built or empty: one tile an anchor.
  // Its status line stays blank, and nothing of a deal is drawn.
  DealResult Start(Game& g) const override {
    g.options().RandomSeed1 = false;
    g.host().board.GameChanged();
    g.host().board.ClearBoardBuffer();
    if (g.BoardNumber >= kFirstArcadeColumn) g.BoardNumber = g.options().LayoutChoice;
    PlaceEditorTiles(g);
    ResetGameFields(g);
    g.FullRedraw();
    ShowSidePanel(g);
    g.clock.StartTick = g.host().time.TickCount();
    return DealResult::Dealt;
  }

  void AddToScene(const Game& g, BoardScene& s) const override {
    if (const EditorState* e = g.ModeDataIf<EditorState>()) s.ghost = e->Ghost;
  }

  // Both buttons reach the editor: the left one places, the right one removes.
  void ButtonDown(Game& g, MouseButton button, int px, int py) const override { ChooseAt(g, button, px, py); }
  void ChoisitPai(Game& g, int px, int py, int, int, MouseButton button) const override {
    if (button == MouseButton::Left) EditorPlace(g, px, py);
    if (button == MouseButton::Right) EditorRemove(g, px, py);
  }
};

// The half-tile cell under the point lies on the playfield (divisions toward zero).
bool OnEditorPlayfield(int px, int py) {
  const BoardCell c = CellAt(px, py);
  return c.column >= 0 && c.column <= kColumns && c.row >= 0 && c.row <= kRows;
}

// No tile of layer z is anchored within one column and one row of (x, y).
bool AreaEmpty(const BoardGrid& grid, int x, int y, int z) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (grid.at(x + dx, y + dy, z) != 0) return false;
  return true;
}

}  // namespace

namespace {
const EditorRules kRules;
}  // namespace

std::span<const ModeDescription> DescribeModeEditor() {
  static const ModeDescription d{
      .mode = ModeEditor,
      .traits = {.name = "layout editor", .takesClicks = true, .showsBoard = true, .everyTileFree = true},
      .rules = &kRules,
      .layoutFaces = true,
      .pointer = PointerKind::Ghost,
      .ownMenu = true,
      .newRepeats = true,
  };
  return {&d, 1};
}

void OpenEditor(Game& g, bool create) {
  g.IM(ModeEditor);
  EditorState& e = g.NewModeData<EditorState>();
  e.GhostRect = DirtyRect{};  // the first ghost redraws the whole board
  e.Ghost = kNoGhost;
  e.Changed = false;
  if (create) g.Layout = LayoutCells{};
  e.TilesLeft = kTileCount - g.Layout.count();
  g.board().NewDeal(kTileCount);
}

void PlaceEditorTiles(Game& g) {
  EditorState& e = g.ModeData<EditorState>();
  g.board().NewDeal(kTileCount);
  int n = 0;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (g.Layout.at(x, y, z) != 0 && n < kTileCount) g.board().PlaceTile(++n, {x, y, z});
  e.TilesLeft = kTileCount - g.Layout.count();
}

bool EditorFinished(Game& g) {
  EditorState& e = g.ModeData<EditorState>();
  e.TilesLeft = g.TilesTotal() - g.Layout.count();
  return e.TilesLeft == 0;
}

void CloseEditor(Game& g, uint8_t nextMode) {
  EditorState& e = g.ModeData<EditorState>();
  e.Ghost = kNoGhost;
  g.IM(nextMode);
}

void EditorPlace(Game& g, int px, int py) {
  EditorState& e = g.ModeData<EditorState>();
  if (e.TilesLeft <= 0 || !OnEditorPlayfield(px, py)) return;
  const Cell c = WhatAdd(g.board().Grid(), px, py);
  if (c.z == 0 || !AreaEmpty(g.board().Grid(), c.x, c.y, c.z)) return;
  int n = 1;
  while (n <= kTileCount && g.board().Records()[n] != TileRecord{}) ++n;
  if (n > kTileCount) return;
  g.board().PlaceTile(n, c);
  g.Layout.set(c.x, c.y, c.z, 1);
  --e.TilesLeft;
  e.Changed = true;
  g.FullRedraw();
}

void EditorRemove(Game& g, int px, int py) {
  EditorState& e = g.ModeData<EditorState>();
  if (e.TilesLeft >= kTileCount || !OnEditorPlayfield(px, py)) return;
  const int n = WhatTileThere(g.board().Grid(), px, py);
  if (n == 0) return;
  const TileRecord r = g.board().Records()[n];
  // A tile with a tile resting on it stays; nothing rests on the top layer.
  if (r.z < kLayers && !AreaEmpty(g.board().Grid(), r.x, r.y, r.z + 1)) return;
  g.Layout.set(r.x, r.y, r.z, 0);
  g.board().TakeTile(n);
  ++e.TilesLeft;
  e.Changed = true;
  g.FullRedraw();
}

// The ghost tile shows where a left click would place a tile. Only a change of place
// redraws: the old ghost's box, then the new one's.
void MoveGhost(Game& g, int px, int py) {
  EditorState& e = g.ModeData<EditorState>();
  const Cell c = WhatAdd(g.board().Grid(), px, py);
  const bool placeable = c.z != 0 && AreaEmpty(g.board().Grid(), c.x, c.y, c.z) && e.TilesLeft > 0;
  if (!placeable) {
    // No ghost where a click would place nothing: the last one is wiped at once.
    if (e.Ghost == kNoGhost) return;
    e.Ghost = kNoGhost;
    g.RedrawBox(e.GhostRect);
    return;
  }
  const Cell ghost{c.x - 1, c.y - 1, c.z - 1};
  const DirtyRect box = RedrawTileRect(TileRecord{c.x, c.y, c.z}, g.BoardOrigin.x, g.BoardOrigin.y, g.options().Shadows);
  if (ghost == e.Ghost && box == e.GhostRect) return;
  e.Ghost = kNoGhost;
  g.RedrawBox(e.GhostRect);  // the full value at opening redraws the whole board
  e.Ghost = ghost;
  e.GhostRect = box;
  g.RedrawBox(box);
}

}  // namespace sorimo
