// The window as the game sees it: the six host interfaces of engine/host.h, each call passed
// to the main window's own routine. Keeping them here leaves the window's public face to what
// a window offers, and lets tests call the host as the game does.
#pragma once

#include "engine/host.h"

namespace sorimo {

class TSorimo;

class WindowHost final : public BoardOutput,
                         public Feedback,
                         public Questions,
                         public Scores,
                         public MusicControl,
                         public TimeSource {
 public:
  explicit WindowHost(TSorimo& window) : w_(window) {}

  void PaintBoard(const DirtyRect& dirty) override;
  void ShowFond() override;
  void ClearBoardBuffer() override;
  void RepaintNow() override;
  void ProcessEvents() override;
  void PauseAnimation() override;
  void ShowWelcome(bool visible) override;
  void ShowPanelHOF() override;
  void RedrawHOF() override;
  void DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                          const std::string& timeTwo) override;
  void GameChanged() override;

  void PlaySound(Sound s) override;
  void SetStatusLine(const std::string& visibleText) override;
  void SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) override;

  bool AskOkCancel(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void ShowGameOver(const std::string& finalTime, bool entersHall, const std::string& whyNoHall) override;
  void ShowHallAfterWin() override;
  void ShowRandomWindow(int32_t& randomSeed, Random& generator) override;

  int HallTenthTotal(int column) override;
  void AddHall(int column, int total, int malus) override;

  bool MusicEnded() override;
  bool MusicPlaying() override;
  int MusicPieceCount() override;
  void SelectMusicPiece(int k) override;
  void ReplayMusicPiece() override;

  uint32_t TickCount() override;
  uint32_t TimeOfDayMs() override;

 private:
  TSorimo& w_;
};

}  // namespace sorimo
