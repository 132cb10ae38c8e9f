// Everything the game logic asks of the world around it. The main window implements this;
// tests implement it with a recorder and scripted answers, and time comes from here too,
// so no test ever sleeps.
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

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Drawing. PaintBoard composes the board inside the rectangle and shows it; the game has
  // already made the finished-game and pause checks that come first in every redraw.
  virtual void PaintBoard(const DirtyRect& dirty) = 0;
  virtual void ShowFond() = 0;         // the background alone over the board
  virtual void RepaintNow() = 0;       // put the finished picture on screen at once
  virtual void ProcessEvents() = 0;    // let pending window events run
  virtual void ShowWelcome(bool visible) = 0;
  virtual void ShowPanelHOF() = 0;     // redraw the side panel
  virtual void RedrawHOF() = 0;        // copy the side panel's working image to the screen
  virtual void ApplyHighlightColour() = 0;
  // false: "&Pause"/"Pause" and the pause command enabled; true: "&Continue"/"Play".
  virtual void SetPauseCaptions(bool paused) = 0;
  virtual void SetPauseButtons() = 0;   // menu pictures of Back, Hint, Shuffle, Pause from the toolbar glyphs
  virtual void ClearBoardBuffer() = 0;  // copy the background picture over the whole board buffer
  // The two-player side panel of the tick: which labels are lit this tick, and both clocks as MM:SS.
  virtual void DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                                  const std::string& timeTwo) = 0;

  // Feedback.
  virtual void PlaySound(Sound s) = 0;
  virtual void SetStatusLine(const std::string& visibleText) = 0;
  virtual void SetStatusFields(const std::string& tiles, const std::string& moves,
                               const std::string& time) = 0;

  // Questions; true for OK (or Yes).
  virtual bool AskOkCancel(const std::string& caption, const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;

  // Modal windows of the game's end.
  virtual void ShowGameOver(const std::string& finalTime, bool entersHall) = 0;
  virtual void ShowHallAfterWin() = 0;
  // "New Specific (Seed) Game": edits the game number; "New random game seed" draws from generator.
  virtual void ShowRandomWindow(int32_t& randomSeed, Random& generator) = 0;

  // Hall of fame (kept by the window's store).
  virtual int HallTenthTotal(int column) = 0;
  virtual void AddHall(int column, int total, int malus) = 0;

  // Music, checked by the tick while "Play music" is on.
  virtual bool MusicEnded() = 0;             // ask for the completion notice; true once the piece has played out
  virtual int MusicPieceCount() = 0;         // number of pieces in the Music menu
  virtual void SelectMusicPiece(int k) = 0;  // play piece k (0-based) as if chosen from the Music menu
  virtual void ReplayMusicPiece() = 0;       // rewind the current piece and play it again

  // The position, counted from 1, of the checked layout entry of the Layout menu.
  virtual int CheckedLayoutIndex() = 0;

  // Time: a 32-bit millisecond counter, and the UTC time of day in milliseconds.
  virtual uint32_t TickCount() = 0;
  virtual uint32_t TimeOfDayMs() = 0;
};

}  // namespace sorimo
