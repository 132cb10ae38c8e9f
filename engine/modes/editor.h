// The layout editor: the board is the layout being built, one tile per anchor. Its state.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/host.h"

namespace sorimo {

inline constexpr char EditorUnfinishedText[] = "You haven't finished building the layout yet !";
inline constexpr char NewLayoutName[] = "New Layout";

// The four moves of the whole layout, by one half-tile.
enum class BoardShift { Left, Right, Top, Bottom };

// Where no ghost tile is shown.
inline constexpr Cell kNoGhost{-1, -1, -1};

struct EditorState {
  int32_t TilesLeft = kTileCount;  // EditorTilesLeft: 144 minus the anchors placed
  Cell Ghost = kNoGhost;           // GhostCell: zero-based (col - 1, row - 1, layer - 1)
  DirtyRect GhostRect;             // the box of the ghost last drawn; the full value at opening
  bool Changed = false;            // a tile placed or removed, or the layout moved, since opening
};

}  // namespace sorimo
