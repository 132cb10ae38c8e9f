// Entering a game mode and starting new games.
#include <string>

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

Game::Game(const GameHost& host, Options& options) : host_(host), options_(options) {}

void Game::IM(uint8_t mode) {
  host_.board.ShowWelcome(false);
  GameMode = mode;
  if (!Describe(mode).solverPlays) StopSolving();  // a pause or another game ends the solver's play
  if (mode == ModeStopped || mode == ModePaused) host_.board.ShowFond();
  if (mode == ModeGameOver || mode == ModeStopped) host_.board.ShowWelcome(true);
  host_.board.GameChanged();
}

DealResult Game::DealOnChosenLayout(DealDrawing drawing) {
  // A layout the game cannot deal is refused before anything changes, so the game in
  // progress (or the paused one) goes on as if nothing had been asked.
  if (const DealResult problem = LayoutCheck(); problem != DealResult::Dealt) return problem;

  host_.board.GameChanged();  // the highlight pen is the one the style chooses now
  host_.board.ClearBoardBuffer();
  const int32_t previousBoardNumber = BoardNumber;
  // After an arcade game the list is the chosen layout's again.
  if (BoardNumber >= kFirstArcadeColumn) BoardNumber = options_.LayoutChoice;

  if (const DealResult r = DealStep(drawing); r != DealResult::Dealt) {
    BoardNumber = previousBoardNumber;
    return r;
  }
  ResetGameFields();
  NewModeData<ModeState>();  // the classic games keep nothing of their own
  return DealResult::Dealt;
}

DealResult Game::BeginGame() {
  if (const DealResult r = DealOnChosenLayout(DealDrawing::UnlessSpecific); r != DealResult::Dealt) return r;
  IM(ModeClassic);
  if (RandomSeed > 0 && options_.RandomSeed1) status.ShowStatus(SpecificBoardText + std::to_string(RandomSeed));
  FullRedraw();
  ShowSidePanel();
  // A message still sliding in (the specific-board one, a layout choice) is left alone.
  if (status.StatusPosition <= 1 || status.StatusMessage == NoMovesText) status.ShowStatus(NewGameText);
  clock.StartTick = host_.time.TickCount();
  return DealResult::Dealt;
}

void Game::ResetGameFields() {
  GameFinished = false;
  GameOverHandled = false;
  choice.ClickConsumed = false;
  choice.HintIndex = 0;
  choice.HintFirst = choice.HintSecond = 0;
  clock.ElapsedSeconds = 0;
  clock.PenaltySeconds = 0;
  choice.FirstSelected = choice.SecondSelected = 0;
  choice.HoverTile = 0;
  Cursor = KeyboardCursor{};
  clock.PausedElapsed = 0;
  status.StatusBounce = false;
  aid.ClearableWatch = ClearableWatchState{};
  aid.SolvePlay = SolvePlayState{};
}

// "New" repeats the game being played, or the game whose list is shown (the arcade games
// keep their list after the game), or else deals a random classic game: a specific game is
// never repeated by "New".
DealResult Game::NewGame() {
  if (Describe(GameMode).newRepeats) return Rules().Start(*this);
  if (IsArcadeColumn(BoardNumber)) return RulesOf(ModeOfColumn(BoardNumber)).Start(*this);
  return RandomSolitaireGame1Click();
}

DealResult Game::StartMode(uint8_t mode, int32_t column) {
  // "New" after a game whose list is not this game's: its easy list.
  if (column == 0 && ModeOfColumn(BoardNumber) != mode) column = Describe(mode).easy.column;
  EnterArcadeList(column);
  return RulesOf(mode).Start(*this);
}
void Game::EnterArcadeList(int32_t column) {
  if (column == 0) return;
  if (BoardNumber < kFirstArcadeColumn) SavedBoardNumber = BoardNumber;
  BoardNumber = column;
}


DealResult Game::RandomSolitaireGame1Click() {
  options_.RandomSeed1 = false;
  return BeginGame();
}

DealResult Game::NewSpecificGame1Click() {
  options_.RandomSeed1 = true;
  host_.questions.ShowRandomWindow(RandomSeed, Generator);
  Generator.SeedFromClock(host_.time);
  return BeginGame();
}

}  // namespace sorimo
