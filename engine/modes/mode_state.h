// The base of a mode's own state: what a game of that mode keeps beyond the board, the
// selection and the clock (Clicks its grid and history, Rivers its travelling tile, ...). The
// game holds the running mode's state (Game::ModeData); a start makes it fresh.
#pragma once

namespace sorimo {

struct ModeState {
  virtual ~ModeState() = default;
  // A mode that plays on a grid of its own counts its tiles itself (Clicks); -1 leaves the
  // count to the board.
  virtual int OwnTilesLeft() const { return -1; }
  virtual int OwnTilesTotal() const { return -1; }
};

}  // namespace sorimo
