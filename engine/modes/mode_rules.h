// One game mode's own rules, behind the interface the shared routines dispatch to: the start
// command, the clicks on the board, the counting of moves, taking a move back, the mode's part
// of the tick and of the end of a game. Each mode is a class of its own in its file in
// engine/modes/, which also describes the mode (mode_description.h); its state is a ModeState
// of its own that its start makes (Game::NewModeData), so the rules objects are stateless and
// shared. What a mode merely allows or forbids is a trait (mode_traits.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/modes/mode_traits.h"

namespace sorimo {

class Game;
struct BoardScene;
enum class DealResult;
enum class DealDrawing;
enum class MouseButton;
enum class ShuffleResult;

class ModeRules {
 public:
  virtual ~ModeRules() = default;

  // The mode's start command ("New" repeats it): deals and enters the mode. By default the
  // classic game's: a random deal of the chosen layout.
  virtual DealResult Start(Game& g) const;

  // A released mouse button at board-relative (px, py). By default the right button clears
  // the choice and the left one goes to ChoisitPai.
  virtual void ButtonDown(Game& g, MouseButton button, int px, int py) const;
  // What the right button forgets: the selection and the hint.
  virtual void ClearChoice(Game& g) const;
  // The tile or cell under the pointer has been found by the shared routine; choose it.
  virtual void ChoisitPai(Game& g, int px, int py, int column, int row, MouseButton button) const;

  // Fill FreeTiles, FreeCount and MovesLeft; called only for modes whose trait counts moves,
  // with both counts already zero.
  virtual void CountMoves(Game& g) const;
  // Put the last move back on the board (the undo of Back and Restart).
  virtual void BackHistory(Game& g) const;
  // The shuffle command once the trait allows it: re-deal, penalty and status message.
  virtual void Shuffle(Game& g) const;

  // The mode's part of the 50 ms tick: its clocks.
  virtual void Tick(Game& g) const;
  // How long its clocks can wait for the next tick, in milliseconds at `now`: until the game
  // clock reaches its next whole second, or -1 when no clock of the mode runs.
  virtual int NextTickIn(const Game& g, uint32_t now) const;
  // Timers of the mode that run on under a pause, first thing in every tick (Memory's half
  // second before a turned-up pair is resolved).
  virtual void RunTimers(Game& /*g*/) const {}
  // Whether one of those timers is counting ticks now.
  virtual bool TimersRunning(const Game& /*g*/) const { return false; }
  // The pause command stops and restarts the mode's clocks.
  virtual void StorePauseClocks(Game& g) const;
  virtual void RestartPauseClocks(Game& g) const;

  // No move is left: true when the mode has dealt with that itself (Clicks asks whether the
  // player gives up); false lets the shared status refresh warn as usual.
  virtual bool OfferGiveUp(Game& g) const;
  // A question of the game itself is open (the give-up question): the focus it takes must not
  // pause the game it asks about, which has to stay in sight and answer to its reply.
  virtual bool AsksThePlayer(const Game& /*g*/) const { return false; }

  // The mode's part of what the renderer draws (its own grid, a travelling tile, a ghost).
  virtual void AddToScene(const Game& /*g*/, BoardScene& /*scene*/) const {}

  // The end of a game: the board left on screen or covered, the final score, what the player
  // is told and whether the hall of fame takes the result.
  virtual bool BoardStaysAtEnd() const { return false; }
  virtual void FinalScore(Game& /*g*/) const {}
  // The game-over text of a result in this mode's lists; empty shows no dialog.
  virtual std::string ResultText(const Game& g) const;
  virtual void AnnounceResult(Game& g) const;

 protected:
  // The shared routines a mode's rules build on; the game keeps them from everyone else.
  // The shared step of a click: the cell under the board-relative point goes to ChoisitPai.
  static void ChooseAt(Game& g, MouseButton button, int px, int py);
  static DealResult DealOnChosenLayout(Game& g, DealDrawing drawing);
  static void ResetGameFields(Game& g);
  static void SonOK(Game& g, int n);
  static void TestStile2(Game& g);
  static void RemovePair(Game& g, int first, int second, std::optional<Cell> firstFrom = std::nullopt);
  static ShuffleResult ShuffleBoard(Game& g);
  static void PlainShuffle(Game& g, bool keepLayers);
  static void GoBack(Game& g);
  static void ShowSidePanel(Game& g);
};

// The rules of a GameMode value. Idle, game over, the welcome panel and pause share one
// set that does nothing; the paused game's own rules are RulesOf(ModeBeforePause).
const ModeRules& RulesOf(uint8_t gameMode);

}  // namespace sorimo
