// Play by keyboard: the arrow keys move the cursor, Space or Enter click where it stands and
// Escape clicks the right button. Every key does exactly what the mouse would do there, so
// each mode's rules need nothing of their own.
#include "engine/game.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

namespace {

// Where a cursor starts when it has never been shown: the middle of the board.
constexpr PixelPoint kBoardMiddle{352 - 36, 234 - 25};

DirtyRect ClicksCellRect(ClicksCell c, int originX, int originY) {
  const PixelRect b = ClicksTileBox(c.column, c.row, originX, originY);
  return {b.left, b.top, b.right, b.bottom};
}

}  // namespace

bool KeysPlay(const Game& g) { return Traits(g.GameMode).takesClicks && Describe(g.GameMode).cursor != CursorKind::None; }

DirtyRect KeyCursorRect(const Game& g) {
  if (Describe(g.GameMode).cursor == CursorKind::Cell) return ClicksCellRect(g.Cursor.cell, g.BoardOrigin.x, g.BoardOrigin.y);
  return TileFaceRect(g, g.Cursor.tile);
}

void MoveKeyCursor(Game& g, CursorStep step) {
  if (!KeysPlay(g)) return;
  if (Describe(g.GameMode).cursor == CursorKind::Cell) {
    const ClicksCell old = g.Cursor.cell;
    // The first key shows the cursor on the bottom row, in the middle, where the tiles are.
    g.Cursor.cell = old.column == 0 ? ClicksCell{(kClicksFirstColumn + kClicksLastColumn) / 2, kClicksBottomRow}
                                  : NextClicksCell(old, step);
    if (old.column != 0) g.RedrawBox(ClicksCellRect(old, g.BoardOrigin.x, g.BoardOrigin.y));
    g.RedrawBox(KeyCursorRect(g));
    return;
  }
  const int old = g.Cursor.tile != 0 && g.board().Records()[g.Cursor.tile].present() ? g.Cursor.tile : 0;
  int next = 0;
  if (old != 0) {
    next = NextClickableTile(g.board().Grid(), g.board().Records(), old, FaceMiddle(g.board().Records()[old]), step);
  } else if (g.Cursor.at.x >= 0) {
    // Its tile went: on from where it stood, or to the nearest tile when none lies that way.
    next = NextClickableTile(g.board().Grid(), g.board().Records(), 0, g.Cursor.at, step);
    if (next == 0) next = NearestClickableTile(g.board().Grid(), g.board().Records(), g.Cursor.at);
  } else {
    next = NearestClickableTile(g.board().Grid(), g.board().Records(), kBoardMiddle);
  }
  if (next == 0 || next == old) return;
  g.Cursor.tile = next;
  g.Cursor.at = FaceMiddle(g.board().Records()[next]);
  if (old != 0) g.HLRedrawTile(old);
  g.HLRedrawTile(next);
}

void PressKeyCursor(Game& g) {
  if (!KeysPlay(g)) return;
  if (Describe(g.GameMode).cursor == CursorKind::Cell) {
    if (g.Cursor.cell.column == 0) return;
    const PixelPoint p = ClicksCellPoint(g.Cursor.cell);
    g.ButtonDown(MouseButton::Left, p.x + g.BoardOrigin.x, p.y + g.BoardOrigin.y);
    // The group fell: the cursor is drawn again over what stands there now.
    if (g.Cursor.cell.column != 0 && Describe(g.GameMode).cursor == CursorKind::Cell) g.RedrawBox(KeyCursorRect(g));
    return;
  }
  if (g.Cursor.tile == 0) return;
  const std::optional<PixelPoint> p = ClickPointOf(g.board().Grid(), g.board().Records(), g.Cursor.tile);
  if (!p) return;
  g.ButtonDown(MouseButton::Left, p->x + g.BoardOrigin.x, p->y + g.BoardOrigin.y);
}

void EscapeKey(Game& g) {
  if (!KeysPlay(g)) return;
  // Off the board: the right button's choice-clearing, never a tile's own right click.
  g.ButtonDown(MouseButton::Right, -1000, -1000);
}

}  // namespace sorimo
