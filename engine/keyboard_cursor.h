// Play by keyboard: a cursor the arrow keys move from tile to tile (in Clicks, from cell to
// cell), which Space or Enter clicks. The cursor goes only to tiles a player could click: a
// tile with some point where it is the one drawn on top.
#pragma once

#include <optional>

#include "engine/board.h"
#include "engine/host.h"
#include "engine/modes/clicks_grid.h"
#include "engine/pixel_geometry.h"

namespace sorimo {

enum class CursorStep { Left, Right, Up, Down };

struct KeyboardCursor {
  int tile = 0;              // the tile it stands on; 0 while not shown
  PixelPoint at{-1, -1};     // board-relative middle of the face it stood on last (-1: never)
  ClicksCell cell{0, 0};     // Clicks: the cell it stands on; column 0 while not shown
  bool operator==(const KeyboardCursor&) const = default;
};

// A board-relative point where a click reaches tile n (the tile drawn on top there), the
// middle of its face when nothing covers that; nothing when the tile cannot be clicked at all.
std::optional<PixelPoint> ClickPointOf(const BoardGrid& grid, const TileRecords& records, int n);

// The cursor stands on tile n: a click reaches it, and no tile lies exactly on top of it.
bool CursorCanStandOn(const BoardGrid& grid, const TileRecords& records, int n);

// The middle of tile n's face, board-relative.
PixelPoint FaceMiddle(const TileRecord& r);

// The tile the cursor can stand on whose face middle is nearest to `near`; 0 when none.
int NearestClickableTile(const BoardGrid& grid, const TileRecords& records, PixelPoint near);

// The tile the cursor goes to from tile `current` (whose face middle is `from`; 0 when its tile
// is gone, `from` then being where it stood) one step towards `step`. Up and Down: among the
// tiles it can stand on lying that way (more than a stack's 6 pixels), the nearest, counting a
// distance across twice. Left and Right from a tile: the previous or next tile in reading
// order (by anchor row, then left to right), so every tile can be reached. `current` stays
// when there is none.
int NextClickableTile(const BoardGrid& grid, const TileRecords& records, int current, PixelPoint from,
                      CursorStep step);

class Game;

// Play by keyboard in every game mode but the editor (keyboard_play.cpp): the arrow keys move
// the cursor, Space or Enter click where it stands, Escape clicks the right button.
bool KeysPlay(const Game& g);
void MoveKeyCursor(Game& g, CursorStep step);
void PressKeyCursor(Game& g);
void EscapeKey(Game& g);
DirtyRect KeyCursorRect(const Game& g);  // where the cursor is drawn, to redraw it

// Clicks: the neighbouring cell of the play area that way; the same cell at the border.
ClicksCell NextClicksCell(ClicksCell from, CursorStep step);
// A board-relative point inside a Clicks cell, where a click chooses it.
PixelPoint ClicksCellPoint(ClicksCell cell);

}  // namespace sorimo
