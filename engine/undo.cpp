// Taking moves back, one pair at a time or all the way to the deal.
#include "engine/game.h"

namespace sorimo {

void Game::Back() {
  if (TilesLeft == 0 || TilesLeft == TilesTotal) return;
  GoBack();
}

void Game::GoBack() {
  if (GameMode != ModeClassic && GameMode != ModeRivers && GameMode != ModeClicks) return;
  BackHistory();
  FullRedraw();
  if (options_.ShowGirls) host_.ShowPanelHOF();
  host_.RepaintNow();
}

void Game::BackHistory() {
  if (GameMode == ModeClicks) return;  // TODO(Clicks): it keeps a history of its own
  if (TilesLeft >= TilesTotal) return;
  const int k = TilesTotal - (TilesLeft + 2);
  if (k < 0 || k + 1 >= static_cast<int>(MoveHistory.size())) return;
  TilesLeft += 2;
  FirstSelected = SecondSelected = 0;
  HintFirst = HintSecond = 0;
  for (const int i : {k, k + 1}) {
    const HistoryEntry& e = MoveHistory[i];
    if (e.tile < 1 || e.tile > kTileCount) continue;
    Records[e.tile] = {e.x, e.y, e.z};
    Grid.set(e.x, e.y, e.z, e.tile);
  }
}

void Game::Restart() {
  if (TilesLeft == 0 || TilesLeft == TilesTotal) return;
  if (GameMode != ModeClassic && GameMode != ModeRivers && GameMode != ModeClicks) return;
  while (TilesLeft < TilesTotal) {
    const int before = TilesLeft;
    GoBack();  // each step is drawn, so the board visibly fills up again
    if (TilesLeft == before) break;
  }
  ElapsedSeconds = 0;
  PenaltySeconds = 0;
  HoverTile = 0;
  PausedElapsed = PausedPlayerOneOffset = PausedPlayerTwoOffset = 0;
  StartTick = host_.TickCount();
  ShowStatus(RestartedText);
}

}  // namespace sorimo
