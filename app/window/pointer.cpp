// Pointer feedback: the tile under the pointer is highlighted in the chosen style and, with
// "Show Current Tile", shown in the side panel; and the decorative cursor.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>

#include "app/window/side_panel.h"
#include "app/window/sorimo.h"
#include "engine/modes/mode_description.h"
#include "view/board_geometry.h"

namespace sorimo {

void TSorimo::FormMouseMove(int X, int Y) {
  const ModeDescription& mode = Describe(game_.GameMode);
  if (mode.pointer == PointerKind::None) return;
  const bool ghost = mode.pointer == PointerKind::Ghost;
  if (options_.HighlightMode == HighlightNone && !ghost) return;
  const BoardPointer p = PointerOnBoard(X, Y, game_.BoardOrigin.x, game_.BoardOrigin.y);
  if (ghost && p.onBoard) {
    MoveGhost(game_, p.x, p.y);
    return;
  }

  if (!p.onBoard || ghost) return;  // off the board the frame stays where it is
  const int t = WhatTileThere(game_.board().Grid(), p.x, p.y);
  const bool eligible = t > 0 && (!options_.OnlyPossibleMoves || mode.hoverAnyTile || game_.IsFreeNow(t));
  if (options_.ShowCurrentTile && mode.tilePreview) {
    // A tile with another exactly on top of it is never shown: only its edge is visible.
    const TileRecord& r = game_.board().Records()[size_t(t)];
    if (!eligible || (r.z < kLayers && game_.board().Grid().at(r.x, r.y, r.z + 1) != 0))
      sidePanel_->ClearTilePreview();
    else
      sidePanel_->DrawTilePreview(t, renderer_.textureGeneration(),
                            [this](PixelBuffer& area, int tile) { renderer_.DrawTileSprite(area, 0, 0, tile); });
  }
  game_.HoverOver(eligible ? t : 0);
}

// Off the picture (onto the side panel, the status bar, another window) the pointer is over
// no tile: its frame goes with it.
void TSorimo::PointerLeft() {
  if (Describe(game_.GameMode).pointer == PointerKind::None) return;
  game_.HoverOver(0);
}

bool TSorimo::BoardKey(int key) {
  if (!KeysPlay(game_)) return false;
  switch (key) {
    case Qt::Key_Left: MoveKeyCursor(game_, CursorStep::Left); return true;
    case Qt::Key_Right: MoveKeyCursor(game_, CursorStep::Right); return true;
    case Qt::Key_Up: MoveKeyCursor(game_, CursorStep::Up); return true;
    case Qt::Key_Down: MoveKeyCursor(game_, CursorStep::Down); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: PressKeyCursor(game_); return true;
    case Qt::Key_Escape: EscapeKey(game_); return true;
    default: return false;
  }
}

// Keys the focused control does not take come here: the board's keys.
void TSorimo::keyPressEvent(QKeyEvent* event) {
  // A held arrow walks on; a held Space or Enter clicks once.
  const bool click = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!(click && event->isAutoRepeat()) && BoardKey(event->key())) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TSorimo::ApplyCursor() {
  static bool applied = false;
  if (options_.CoolMouse == applied) return;
  if (options_.CoolMouse)
    QApplication::setOverrideCursor(QCursor(QPixmap(":/techno_cursor.png"), 0, 0));
  else
    QApplication::restoreOverrideCursor();
  applied = options_.CoolMouse;
}

}  // namespace sorimo
