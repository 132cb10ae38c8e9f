// Entering a game mode and starting new games.
#include <string>

#include "engine/game.h"

namespace sorimo {

Game::Game(GameHost& host, Options& options) : host_(host), options_(options) {}

void Game::IM(uint8_t mode) {
  host_.ShowWelcome(false);
  GameMode = mode;
  if (mode == ModeStopped || mode == ModePaused) host_.ShowFond();
  if (mode == ModeGameOver || mode == ModeStopped) host_.ShowWelcome(true);
}

DealResult Game::BeginGame() {
  // A layout the game cannot deal is refused before anything changes, so the game in
  // progress (or the paused one) goes on as if nothing had been asked.
  if (const DealResult problem = LayoutCheck(); problem != DealResult::Dealt) return problem;

  host_.ApplyHighlightColour();
  host_.SetPauseCaptions(false);
  host_.SetPauseButtons();
  host_.ClearBoardBuffer();
  const int32_t previousBoardNumber = BoardNumber;
  if (BoardNumber >= 100) BoardNumber = host_.CheckedLayoutIndex();

  if (const DealResult r = DealStep(true); r != DealResult::Dealt) {
    BoardNumber = previousBoardNumber;
    if (GameMode == ModePaused) host_.SetPauseCaptions(true);
    host_.SetPauseButtons();
    return r;
  }

  GameFinished = false;
  GameOverHandled = false;
  ClickConsumed = false;
  HintIndex = 0;
  HintFirst = HintSecond = 0;
  ElapsedSeconds = 0;
  PenaltySeconds = 0;
  FirstSelected = SecondSelected = 0;
  HoverTile = 0;
  PausedElapsed = PausedPlayerOneOffset = PausedPlayerTwoOffset = 0;
  RevealCountdown = 0;
  StatusBounce = false;

  if (GameMode == ModePaused) {
    host_.SetPauseCaptions(false);
    host_.SetPauseButtons();
  }
  // The editor deals its layout with this routine too, and stays the editor.
  if (GameMode != ModeEditor) IM(ModeClassic);
  if (RandomSeed > 0 && options_.RandomSeed1) ShowStatus(SpecificBoardText + std::to_string(RandomSeed));
  FullRedraw();
  host_.ShowPanelHOF();
  // A message still sliding in (the specific-board one, a layout choice) is left alone.
  if (StatusPosition <= 1 || StatusMessage == NoMovesText) ShowStatus(NewGameText);
  StartTick = host_.TickCount();
  return DealResult::Dealt;
}

DealResult Game::NewGame() {
  if (GameMode == ModeClicks || BoardNumber == 120 || BoardNumber == 121) return MahJonggClicks();
  if (GameMode == ModeMemory || BoardNumber == 110 || BoardNumber == 111) return Memory();
  if (GameMode == ModeRivers || BoardNumber == 100 || BoardNumber == 101) return FourRivers();
  if (GameMode == ModeTwoPlayer) return TwoPlayers();
  return RandomSolitaireGame1Click();  // a specific game is never repeated by "New"
}

// TODO(arcade games, two players): these games are not built yet. Until they are, each
// start falls back to a random classic game, so "New" always gives the player a game.
DealResult Game::MahJonggClicks() { return RandomSolitaireGame1Click(); }
DealResult Game::Memory() { return RandomSolitaireGame1Click(); }
DealResult Game::FourRivers() { return RandomSolitaireGame1Click(); }
DealResult Game::TwoPlayers() { return RandomSolitaireGame1Click(); }

DealResult Game::RandomSolitaireGame1Click() {
  options_.RandomSeed1 = false;
  return BeginGame();
}

DealResult Game::NewSpecificGame1Click() {
  options_.RandomSeed1 = true;
  host_.ShowRandomWindow(RandomSeed, Generator);
  Generator.SeedFromClock(host_);
  return BeginGame();
}

}  // namespace sorimo
