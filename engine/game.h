// The game: one board, one game at a time. Its public face is the commands and events the
// window sends and the state the window and the tests read; the routines every mode shares
// are private, open to the modes' rules through ModeRules (engine/modes/mode_rules.h). Each
// mode's own rules and state are in engine/modes/. Everything the game needs from the outside
// (drawing, sounds, questions, scores, music, time) goes through the interfaces of GameHost;
// every option is read from Options at the moment it matters.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/board_scene.h"
#include "engine/clearing_aid.h"
#include "engine/host.h"
#include "engine/game_parts.h"
#include "engine/keyboard_cursor.h"
#include "engine/modes/clicks.h"
#include "engine/modes/editor.h"
#include "engine/modes/memory.h"
#include "engine/modes/mode_rules.h"
#include "engine/modes/mode_state.h"
#include "engine/modes/rivers.h"
#include "engine/modes/two_players.h"
#include "engine/options.h"
#include "engine/pixel_geometry.h"
#include "engine/random.h"
#include "engine/status_line.h"

namespace sorimo {

// Texts the status line and the dialogs show; the window compares against some of them.
inline constexpr char NoMovesText[] = "      SORRY, NO MORE MOVES !!";
inline constexpr char NewGameText[] = "New game started.";
inline constexpr char TwoPlayerStartedText[] = "Two-Player Solitaire started.";
inline constexpr char MemoryStartedText[] = "Mahjongg Memory started.";
inline constexpr char RestartedText[] = "Game restarted.";
inline constexpr char SpecificBoardText[] = "Specific Board started. Random Seed #";
inline constexpr char FinalTimeText[] = "Your final time is ";
inline constexpr char ClicksTopText[] = "You reached the top ! Great !";
inline constexpr char RiversShuffleText[] = "Tiles shuffled. 40 seconds penalty.";
inline constexpr char NoShuffleMovesText[] = "No moves found. Try to press Back a few times.";
inline constexpr char TimeLimitText[] = "The game reached 100 minutes and stopped, without a score.";
// Why a finished game enters no hall of fame whatever its time.
inline constexpr char SolverUsedNoHallText[] = "The solver played in this game, so it enters no hall of fame.";
inline constexpr char UnlistedLayoutNoHallText[] =
    "This layout was tried from the editor and is not in the Layout menu, so its games enter no hall of fame.";

// How a new deal ended. Anything but Dealt leaves the previous board and game as they were.
enum class DealResult {
  Dealt,
  EmptyLayout,       // the layout has no tile position
  OddLayout,         // an odd number of positions can never be cleared in pairs
  TooManyPositions,  // more positions than the 144 tiles
  NotWinnable,       // the winnable deal found no way to empty the layout in pairs
};
// A sentence for a message box, e.g. for a hand-made layout file the game cannot deal.
const char* DealResultText(DealResult r);

// How a winnable re-deal of the remaining tiles ended; only Shuffled changes the board.
enum class ShuffleResult {
  Shuffled,
  TooFewFree,  // fewer than two free tiles: nothing to start the backwards play with
  GaveUp,      // no complete re-deal within its attempts
  Unpaired,    // the tiles on the board do not form matching pairs (never in a classic game)
};

enum class MouseButton { Left, Right, Middle };

// When a plain deal is drawn tile by tile ("Animate Board while building the tiles"); a
// specific game is always dealt at once.
enum class DealDrawing {
  OverGameUnderWay,  // only when it replaces a game under way (the two-player start)
  UnlessSpecific,    // whatever is on screen (the classic start)
};

// One removed tile: its number and the anchor it was taken from.
struct HistoryEntry {
  uint8_t tile = 0;
  int32_t x = 0, y = 0, z = 0;
  bool operator==(const HistoryEntry&) const = default;
};

// The tiles drawn selected or hinted, to be handed back to RedrawHighlightChanges after the
// selection or the hint changed.
struct Highlights {
  int first = 0, second = 0, hintFirst = 0, hintSecond = 0;
};

// Where the layout in memory came from: a file the Layout menu lists; the editor, written to no
// listed file ("Try it", or a save the menu could not list); or "Create Layout", written
// nowhere yet, so that its "Save" asks for a file name rather than taking the chosen layout's.
// Games on a layout that is not a listed file's are filed in no hall of fame list, not even
// the one of the layout chosen in the menu.
enum class LayoutOrigin : uint8_t { ListedFile, Edited, Created };

class Game {
 public:
  Game(const GameHost& host, Options& options);

  const GameHost& host() const { return host_; }
  // The program's options, which the game reads at the moment they matter (it does not own them).
  Options& options() const { return options_; }
  // The rules of the running mode; of the game under the pause while paused is RulesOf(ModeBeforePause).
  const ModeRules& Rules() const { return RulesOf(GameMode); }

  // The board: its grid, records and count, and the only three changes it undergoes.
  const Board& board() const { return board_; }
  Board& board() { return board_; }
  // The tiles of the game in play, and those it dealt: the board's, or the mode's own grid's.
  int TilesLeft() const;
  int TilesTotal() const;
  // The positions of the last winnable deal in the order its backwards play took them off
  // (1-based, in pairs): taking the pairs in this order clears the deal.
  const std::array<Cell, kTileCount + 1>& PairList() const { return pairList_; }
  // The removed pairs, in order: the pair removed at TilesTotal - TilesLeft = k sits at k, k + 1.
  const std::array<HistoryEntry, kTileCount>& MoveHistory() const { return moveHistory_; }
  // What is wrong with the game's board, in one sentence (empty when nothing): grid, records
  // and count disagree, the selections are off the board, or a removed pair's place is taken.
  std::string Inconsistency() const;

  // The running mode's own state (engine/modes/): a start makes it afresh (NewModeData), and it
  // stays through a pause and the end of the game until another game starts. ModeData finds it;
  // a mode that finds none of its own there (a board set up by hand) is given a fresh one.
  template <class State>
  State& NewModeData() {
    modeData_ = std::make_unique<State>();
    return static_cast<State&>(*modeData_);
  }
  template <class State>
  State& ModeData() {
    if (auto* s = dynamic_cast<State*>(modeData_.get())) return *s;
    return NewModeData<State>();
  }
  // The running mode's state when it is a State; null when it belongs to another mode.
  template <class State>
  const State* ModeDataIf() const {
    return dynamic_cast<const State*>(modeData_.get());
  }

  // ---- State (the names are those of the glossary in docs/architecture.md) ----
  uint8_t GameMode = ModeIdle;
  uint8_t ModeBeforePause = ModeStopped;
  LayoutCells Layout;  // the layout every new classic deal is built from
  Choice choice;       // the selection, the hint and the tile under the pointer
  bool GameFinished = false;
  bool GameOverHandled = false;
  GameClock clock;
  StatusLine status;
  MoveCount moves;  // as IsItFree counted them last
  int32_t RandomSeed = 0;   // the game number of a specific game; only > 0 seeds a deal
  int32_t BoardNumber = 1;  // hall column: 1..99 a layout, 100.. the arcade games
  int32_t SavedBoardNumber = 1;
  // Where the layout in memory came from; only a listed file's games enter its hall list.
  LayoutOrigin LayoutFrom = LayoutOrigin::ListedFile;
  KeyboardCursor Cursor;  // play by keyboard (keyboard_play.cpp)
  ClearingAid aid;        // the warning of an unclearable board and "Solve this board"
  PixelPoint BoardOrigin{36, 25};  // where the board's pixel (0, 0) is in the board buffer
  bool HofRefreshPending = false;  // the side panel is redrawn before the next board redraw
  Random Generator;

  // ---- Game mode and starting games (start.cpp) ----
  void IM(uint8_t mode);
  DealResult BeginGame();
  DealResult NewGame();
  DealResult RandomSolitaireGame1Click();
  DealResult NewSpecificGame1Click();
  // The start command of a game mode (engine/modes/). An arcade game's command names its list,
  // easy or hard; 0, as "New" sends, keeps the list shown when it is the game's, else its easy one.
  DealResult StartMode(uint8_t mode, int32_t column = 0);

  // ---- Commands and events of a game ----
  void ButtonDown(MouseButton button, int x, int y);  // selection.cpp
  // The tile under the pointer, framed as the highlight options say; 0 for none (hover.cpp).
  void HoverOver(int tile);
  bool IsFreeNow(int n) const;  // the free rule the Vertical option selects (free_rule.cpp)
  void IsItFree();              // counts the free tiles and moves again (free_rule.cpp)
  void VerticalClick();
  void Back();  // undo.cpp
  void Restart();
  void Hint();           // hint.cpp
  void Shuffle1Click();  // shuffle.cpp
  // clock.cpp: the 50 ms tick. It answers how many milliseconds may pass before the next tick
  // changes anything: kTickMs while something moves, the time to the clock's next whole
  // second, or -1 when only an event can change what is shown.
  int Temps();
  void SolveThisBoard();  // the Play menu's command; while the solver plays, it stops it
  bool StopSolving();     // any key or click; true when the solver was playing
  void PauseClick();     // pause.cpp
  void GameOver();       // game_over.cpp
  void Stop();

  // ---- Drawing (redraw.cpp, scene.cpp) ----
  BoardScene Scene() const;  // what the renderer draws now; the window adds its highlight pen
  void FullRedraw();
  void RedrawTile(int n);
  void HLRedrawTile(int n);
  void RedrawBox(const DirtyRect& box);

 private:
  friend class ModeRules;  // the routines a mode's rules build on (mode_rules.h)
  friend struct GameTestPeer;  // the tests' way to the deals' work (tests/engine/test_support.h)

  // The side panel's portrait reads the moves left: they are counted again (the board may have
  // just changed), then the window draws the panel from the figures (free_rule.cpp).
  void ShowSidePanel();

  // Starts (start.cpp). What the classic and two-player starts share: the layout checked, the
  // list set back to the chosen layout's, a new deal on it, and the game fields reset. A layout
  // that cannot be dealt changes nothing.
  DealResult DealOnChosenLayout(DealDrawing drawing);
  // What every start command clears: the end flags, the selection and hint, the clock and
  // penalties, the pause offset and the no-moves warning. (The mode's own state is its start's.)
  void ResetGameFields();
  // An arcade game's list becomes the current one; a layout's list is kept to come back to.
  void EnterArcadeList(int32_t column);

  // Deals (deal.cpp).
  DealResult LayoutCheck() const;            // can Layout be dealt at all? Dealt when it can
  DealResult DealStep(DealDrawing drawing);  // fill, count and deal a new game from Layout
  void FillSlots();
  bool CanBeTaken(int x, int y, int z) const;  // on the positions still to deal
  DealResult CreateBoard();
  // The winnable shuffle and its steps (shuffle_board.cpp).
  ShuffleResult ShuffleBoard();
  BoardGrid OccupiedSlots() const;
  void UseSlots(const BoardGrid& slots);
  int TilesInPairs(std::array<uint8_t, kTileCount + 1>& tiles) const;
  bool PlayPlacesBackwards(const BoardGrid& occupied, int m, int& k);
  void DealPairsBack(const std::array<uint8_t, kTileCount + 1>& tiles, int m, int k);
  void PlainShuffle(bool keepLayers);  // every tile swaps places with a random one
  bool DrawsDealOverGame() const;
  bool DrawsDeal(DealDrawing drawing) const;
  bool DrawsShuffle() const;
  void SeedDeal();
  void RefreshAfterFailedDeal();
  int CountFreeSlots() const;
  Cell DrawFreeSlot(int n, const Cell* different);
  void TakeFreePair(int n, int k);
  void RestoreSlotsFromLayout();

  // The free rule (free_rule.cpp; the cell test itself is in free_rule.h).
  bool Dispo(int n) const;
  bool Dispo_Vertical(int n) const;

  // Choosing and taking tiles (selection.cpp).
  void ChoisitPai(int px, int py, int column, int row, MouseButton button);
  void SonOK(int n);
  void TestStile2();
  // Off the board and onto the history; `firstFrom`, where undo puts the first tile back
  // (Rivers: where it stood before it slid), by default where it stands.
  void RemovePair(int first, int second, std::optional<Cell> firstFrom = std::nullopt);

  // Undo (undo.cpp).
  void GoBack();
  void BackHistory();
  void UndoPair();  // the last pair of the history back onto the board, choice cleared
  // What UndoPair puts back, on any board of this game's history (the game's own, or a
  // copy); false when no pair is left.
  bool PutBackPairOn(Board& board) const;

  // What the solver does for the player (clearable_warning.cpp, solve_this_board.cpp): the
  // status refresh's judgement of a new position, with the warning on; how many presses of
  // Back reach a position that can be cleared, judged on copies; the tick's next step of the
  // solver's play.
  void WatchClearable();
  BacksNeeded BacksToClearable() const;
  // Puts the warning's sentence on the status line ("" takes it away), remembered as its own.
  void SayClearable(const std::string& text);
  void StepSolving();

  // Redraws (redraw.cpp). Whether a redraw may notice that the board was cleared and end the game.
  enum class EndCheck { Now, Later };
  void Redraw(const DirtyRect& dirty, EndCheck check);
  // The finished-game and pause test that opens every redraw; true when the board is not drawn.
  bool RedrawEntryEndsGame(EndCheck check);
  Highlights HighlightsNow() const;
  // Redraws the faces of the tiles whose highlight is not what it was `before`: the picture
  // a whole redraw would give, for two to four faces. The redraw entry runs once, as it would
  // for a whole redraw, even when no face changed.
  void RedrawHighlightChanges(const Highlights& before);

  // The clock and the status refresh (clock.cpp, status.cpp).
  void RunGameClock();  // elapsed seconds from the millisecond counter; the 100-minute stop
  void WriteScore();
  void AnimateStatus();
  int NextTickIn();  // what Temps answers
  void EndNoMovesWarning();
  // The mode whose game is on the board: the running one, or the one under the pause.
  uint8_t PlayedMode() const { return GameMode == ModePaused ? ModeBeforePause : GameMode; }

  GameHost host_;
  Options& options_;
  Board board_;
  // A stack without a counter: the pair removed at TilesTotal - TilesLeft = k sits at k, k + 1.
  std::array<HistoryEntry, kTileCount> moveHistory_{};
  std::unique_ptr<ModeState> modeData_ = std::make_unique<ModeState>();
  // Work of the deals and shuffles: the positions still to deal as slot markers, and the
  // lists of the winnable deals, 1-based (pairList_ in removal order).
  BoardGrid slots_;
  std::array<Cell, kTileCount + 1> slotList_{};
  int32_t slotCount_ = 0;
  std::array<Cell, kTileCount + 1> pairList_{};
};

// The box RedrawTile repaints, and the face HLRedrawTile repaints, of tile n where it stands.
DirtyRect TileRedrawRect(const Game& g, int n);
DirtyRect TileFaceRect(const Game& g, int n);

// Pause and resume around the window's focus and the program's own modal windows (pause.cpp).
void FormActivate(Game& g);
void FormDeactivate(Game& g);
void CheckPause(Game& g);
void UnCheckPause(Game& g);

// MM:SS of a count of seconds: two-digit minutes, colon, two-digit seconds (00:00..99:59).
std::string TimeText(int seconds);

}  // namespace sorimo
