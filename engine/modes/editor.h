// The layout editor: the board is the layout being built, one tile per anchor. Its state.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/host.h"
#include "engine/modes/mode_state.h"

namespace sorimo {

inline constexpr char EditorUnfinishedText[] = "You haven't finished building the layout yet !";
inline constexpr char NewLayoutName[] = "New Layout";

// The four moves of the whole layout, by one half-tile.
enum class BoardShift { Left, Right, Top, Bottom };

// Where no ghost tile is shown.
inline constexpr Cell kNoGhost{-1, -1, -1};

struct EditorState : ModeState {
  int32_t TilesLeft = kTileCount;  // EditorTilesLeft: 144 minus the anchors placed
  Cell Ghost = kNoGhost;           // GhostCell: zero-based (col - 1, row - 1, layer - 1)
  DirtyRect GhostRect;             // the box of the ghost last drawn; the full value at opening
  bool Changed = false;            // a tile placed or removed, or the layout moved, since opening
};

class Game;

// "Create Layout" (an empty layout) and "Edit Layout" (the layout in memory): the editor mode,
// its counter and no ghost yet. The start command ("New" in the editor) then puts one tile on
// each anchor (PlaceEditorTiles).
void OpenEditor(Game& g, bool create);
void PlaceEditorTiles(Game& g);
// Counts the tiles still to place again; true when the layout has all 144.
bool EditorFinished(Game& g);
// Leaves the editor for `nextMode`; the ghost goes.
void CloseEditor(Game& g, uint8_t nextMode);
void EditorPlace(Game& g, int px, int py);   // left click, board-relative
void EditorRemove(Game& g, int px, int py);  // right click
void MoveGhost(Game& g, int px, int py);     // pointer move over the board
bool MoveLayout(Game& g, BoardShift shift);  // false when a tile touches that edge (editor_moves.cpp)

}  // namespace sorimo
