// The base of a mode's own state: what a game of that mode keeps beyond the board, the
// selection and the clock (Clicks its grid and history, Rivers its travelling tile, ...). The
// game holds the running mode's state (Game::ModeData); a start makes it fresh.
#pragma once

namespace sorimo {

struct ModeState {
  virtual ~ModeState() = default;
};

}  // namespace sorimo
