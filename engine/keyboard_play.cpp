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

bool Game::KeysPlay() const { return Traits(GameMode).takesClicks && Describe(GameMode).cursor != CursorKind::None; }

DirtyRect Game::KeyCursorRect() const {
  if (Describe(GameMode).cursor == CursorKind::Cell) return ClicksCellRect(Cursor.cell, BoardOriginX, BoardOriginY);
  return TileFaceRect(Cursor.tile);
}

void Game::MoveKeyCursor(CursorStep step) {
  if (!KeysPlay()) return;
  if (Describe(GameMode).cursor == CursorKind::Cell) {
    const ClicksCell old = Cursor.cell;
    // The first key shows the cursor on the bottom row, in the middle, where the tiles are.
    Cursor.cell = old.column == 0 ? ClicksCell{(kClicksFirstColumn + kClicksLastColumn) / 2, kClicksBottomRow}
                                  : NextClicksCell(old, step);
    if (old.column != 0) RedrawBox(ClicksCellRect(old, BoardOriginX, BoardOriginY));
    RedrawBox(KeyCursorRect());
    return;
  }
  const int old = Cursor.tile != 0 && board_.Records()[Cursor.tile].present() ? Cursor.tile : 0;
  int next = 0;
  if (old != 0) {
    next = NextClickableTile(board_.Grid(), board_.Records(), old, FaceMiddle(board_.Records()[old]), step);
  } else if (Cursor.at.x >= 0) {
    // Its tile went: on from where it stood, or to the nearest tile when none lies that way.
    next = NextClickableTile(board_.Grid(), board_.Records(), 0, Cursor.at, step);
    if (next == 0) next = NearestClickableTile(board_.Grid(), board_.Records(), Cursor.at);
  } else {
    next = NearestClickableTile(board_.Grid(), board_.Records(), kBoardMiddle);
  }
  if (next == 0 || next == old) return;
  Cursor.tile = next;
  Cursor.at = FaceMiddle(board_.Records()[next]);
  if (old != 0) HLRedrawTile(old);
  HLRedrawTile(next);
}

void Game::PressKeyCursor() {
  if (!KeysPlay()) return;
  if (Describe(GameMode).cursor == CursorKind::Cell) {
    if (Cursor.cell.column == 0) return;
    const PixelPoint p = ClicksCellPoint(Cursor.cell);
    ButtonDown(MouseButton::Left, p.x + BoardOriginX, p.y + BoardOriginY);
    // The group fell: the cursor is drawn again over what stands there now.
    if (Cursor.cell.column != 0 && Describe(GameMode).cursor == CursorKind::Cell) RedrawBox(KeyCursorRect());
    return;
  }
  if (Cursor.tile == 0) return;
  const std::optional<PixelPoint> p = ClickPointOf(board_.Grid(), board_.Records(), Cursor.tile);
  if (!p) return;
  ButtonDown(MouseButton::Left, p->x + BoardOriginX, p->y + BoardOriginY);
}

void Game::EscapeKey() {
  if (!KeysPlay()) return;
  // Off the board: the right button's choice-clearing, never a tile's own right click.
  ButtonDown(MouseButton::Right, -1000, -1000);
}

}  // namespace sorimo
