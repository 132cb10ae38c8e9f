// Taking moves back, one at a time or all the way to the deal.
#include "engine/game.h"

namespace sorimo {

void Game::Back() {
  if (TilesLeft() == 0 || TilesLeft() == TilesTotal()) return;
  GoBack();
}

void Game::GoBack() {
  if (!Traits(GameMode).allowsUndo) return;
  BackHistory();
  IsItFree();  // the moves left are the board's again: Hint and the panel read them
  // The tiles under the pointer have changed: its rectangle waits for the pointer's next move.
  choice.HoverTile = 0;
  FullRedraw();
  if (options_.ShowGirls) host_.board.ShowPanelHOF();  // the moves were counted just above
  host_.board.RepaintNow();
}

void Game::BackHistory() { Rules().BackHistory(*this); }

// The pair games' history: the pair removed at TilesTotal - TilesLeft = k sits at k, k + 1.
void Game::UndoPair() {
  if (!PutBackPairOn(board_)) return;
  choice.FirstSelected = choice.SecondSelected = 0;
  choice.HintFirst = choice.HintSecond = 0;
}

bool Game::PutBackPairOn(Board& board) const {
  if (board.TilesLeft() >= board.TilesTotal()) return false;
  const int k = board.TilesTotal() - (board.TilesLeft() + 2);
  if (k < 0 || k + 1 >= static_cast<int>(moveHistory_.size())) return false;
  for (const int i : {k, k + 1}) {
    const HistoryEntry& e = moveHistory_[size_t(i)];
    board.PlaceTile(e.tile, {e.x, e.y, e.z});
  }
  return true;
}

void Game::Restart() {
  if (TilesLeft() == 0 || TilesLeft() == TilesTotal()) return;
  if (!Traits(GameMode).allowsUndo) return;
  while (TilesLeft() < TilesTotal()) {
    const int before = TilesLeft();
    GoBack();  // each step is drawn, so the board visibly fills up again
    if (TilesLeft() == before) break;
  }
  clock.ElapsedSeconds = 0;
  clock.PenaltySeconds = 0;
  choice.HoverTile = 0;
  clock.PausedElapsed = 0;
  clock.StartTick = host_.time.TickCount();
  status.ShowStatus(RestartedText);
}

}  // namespace sorimo
