// What the game logic asks of the world around it, in six small interfaces grouped by
// concern. The main window implements them; tests implement them with a recorder and
// scripted answers, and time comes from here too, so no test ever sleeps.
//
// Window chrome (menu captions, toolbar pictures and states, the highlight pen) is not asked
// for here: the window redraws it from the game's state when it hears `GameChanged`.
#pragma once

#include <cstdint>
#include <string>

namespace sorimo {

class Random;

enum class Sound { Select, NoWay, Done };

// Board-buffer pixels, right and bottom exclusive; bottom == -1 means the whole board.
struct DirtyRect {
  int left = -1, top = -1, right = -1, bottom = -1;
  bool full() const { return bottom == -1; }
  bool operator==(const DirtyRect&) const = default;
};

// What the board area and the side panel show.
class BoardOutput {
 public:
  virtual ~BoardOutput() = default;
  // Composes the board inside the rectangle and shows it; the game has already made the
  // finished-game and pause checks that come first in every redraw.
  virtual void PaintBoard(const DirtyRect& dirty) = 0;
  virtual void ShowFond() = 0;          // the background alone over the board
  virtual void ClearBoardBuffer() = 0;  // copy the background picture over the whole board buffer
  virtual void RepaintNow() = 0;        // put the finished picture on screen at once
  virtual void ProcessEvents() = 0;     // let pending window events run
  // Holds a repainted frame of an animation on screen for a moment before the next one.
  virtual void PauseAnimation() {}
  virtual void ShowWelcome(bool visible) = 0;
  virtual void ShowPanelHOF() = 0;      // redraw the side panel
  virtual void RedrawHOF() = 0;         // copy the side panel's working image to the screen
  // The two-player side panel of the tick: which labels are lit this tick, and both clocks as MM:SS.
  virtual void DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                                  const std::string& timeTwo) = 0;
  // The game mode, the pause state or the game itself changed: the window brings its chrome
  // (pause captions and pictures, highlight pen, enabled commands) in line with the game.
  virtual void GameChanged() = 0;
};

// Sounds and the status bar.
class Feedback {
 public:
  virtual ~Feedback() = default;
  virtual void PlaySound(Sound s) = 0;
  virtual void SetStatusLine(const std::string& visibleText) = 0;
  virtual void SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) = 0;
};

// Message boxes and the modal windows a game opens.
class Questions {
 public:
  virtual ~Questions() = default;
  // True for OK (or Yes).
  virtual bool AskOkCancel(const std::string& caption, const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // The game-over dialog: the result's line, whether it enters the hall of fame, and why it
  // enters none whatever its result (empty when only the result decides).
  virtual void ShowGameOver(const std::string& finalTime, bool entersHall, const std::string& whyNoHall) = 0;
  virtual void ShowHallAfterWin() = 0;
  // "New Specific (Seed) Game": edits the game number; "New random game seed" draws from generator.
  virtual void ShowRandomWindow(int32_t& randomSeed, Random& generator) = 0;
};

// The hall of fame, kept by the window's store.
class Scores {
 public:
  virtual ~Scores() = default;
  virtual int HallTenthTotal(int column) = 0;
  virtual void AddHall(int column, int total, int malus) = 0;
};

// The music, checked by the tick while "Play music" is on.
class MusicControl {
 public:
  virtual ~MusicControl() = default;
  virtual bool MusicEnded() = 0;             // true once the piece has played out
  virtual bool MusicPlaying() = 0;           // a piece plays on and may end: the tick watches it
  virtual int MusicPieceCount() = 0;         // number of pieces in the Music menu
  virtual void SelectMusicPiece(int k) = 0;  // play piece k (0-based) as if chosen from the Music menu
  virtual void ReplayMusicPiece() = 0;       // rewind the current piece and play it again
};

// Time: a 32-bit millisecond counter, and the UTC time of day in milliseconds.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual uint32_t TickCount() = 0;
  virtual uint32_t TimeOfDayMs() = 0;
};

// The six as the game holds them. One object may serve several (the main window serves all).
struct GameHost {
  BoardOutput& board;
  Feedback& feedback;
  Questions& questions;
  Scores& scores;
  MusicControl& music;
  TimeSource& time;

  // One object that implements all six.
  template <class All>
  static GameHost Of(All& all) {
    return GameHost{all, all, all, all, all, all};
  }
};

}  // namespace sorimo
