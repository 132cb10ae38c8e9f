// The game's board as the shared routines see it: the tile counts of the game in play, and
// the check that board, selections and history tell one story.
#include "engine/game.h"

namespace sorimo {

int Game::TilesLeft() const {
  const int own = modeData_->OwnTilesLeft();
  return own >= 0 ? own : board_.TilesLeft();
}

int Game::TilesTotal() const {
  const int own = modeData_->OwnTilesTotal();
  return own >= 0 ? own : board_.TilesTotal();
}

std::string Game::Inconsistency() const {
  if (std::string why = board_.Inconsistency(); !why.empty()) return why;
  const int left = board_.TilesLeft(), total = board_.TilesTotal();
  if (left % 2 != 0 || left > total) return "TilesLeft out of range";
  const TileRecords& records = board_.Records();
  for (const int s : {static_cast<int>(choice.FirstSelected), static_cast<int>(choice.SecondSelected)})
    if (s != 0 && !records[s].present()) return "a selected tile is not on the board";
  for (int k = 0; k < total - left; ++k) {
    const HistoryEntry& e = moveHistory_[size_t(k)];
    if (e.tile == 0 || records[e.tile].present()) return "history entry " + std::to_string(k) + " names a tile on the board";
    if (board_.Grid().at(e.x, e.y, e.z) != 0) return "the place of history entry " + std::to_string(k) + " is taken";
  }
  return "";
}

}  // namespace sorimo
