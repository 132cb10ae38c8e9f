// A game host that shows, plays and asks nothing: the benchmarks drive the game without a
// window and measure only what they time.
#pragma once

#include <cstdint>
#include <string>

#include "engine/host.h"

namespace sorimo::bench {

class QuietHost : public BoardOutput,
                  public Feedback,
                  public Questions,
                  public Scores,
                  public MusicControl,
                  public TimeSource {
 public:
  void PaintBoard(const DirtyRect&) override {}
  void ShowFond() override {}
  void RepaintNow() override {}
  void ProcessEvents() override {}
  void ShowWelcome(bool) override {}
  void ShowPanelHOF() override {}
  void RedrawHOF() override {}
  void GameChanged() override {}
  void ClearBoardBuffer() override {}
  void DrawTwoPlayerPanel(bool, bool, const std::string&, const std::string&) override {}
  void PlaySound(Sound) override {}
  void SetStatusLine(const std::string&) override {}
  void SetStatusFields(const std::string&, const std::string&, const std::string&) override {}
  bool AskOkCancel(const std::string&, const std::string&) override { return true; }
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void ShowGameOver(const std::string&, bool, const std::string&) override {}
  void ShowHallAfterWin() override {}
  void ShowRandomWindow(int32_t&, Random&) override {}
  int HallTenthTotal(int) override { return 840; }
  void AddHall(int, int, int) override {}
  bool MusicEnded() override { return false; }
  bool MusicPlaying() override { return false; }
  int MusicPieceCount() override { return 0; }
  void SelectMusicPiece(int) override {}
  void ReplayMusicPiece() override {}
  uint32_t TickCount() override { return ++tick_; }
  uint32_t TimeOfDayMs() override { return 123456; }

 private:
  uint32_t tick_ = 0;
};

}  // namespace sorimo::bench
