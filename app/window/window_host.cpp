#include "app/window/window_host.h"

#include "app/window/sorimo.h"

namespace sorimo {

void WindowHost::PaintBoard(const DirtyRect& dirty) { w_.PaintBoard(dirty); }
void WindowHost::ShowFond() { w_.ShowFond(); }
void WindowHost::ClearBoardBuffer() { w_.ClearBoardBuffer(); }
void WindowHost::RepaintNow() { w_.RepaintNow(); }
void WindowHost::ProcessEvents() { w_.ProcessEvents(); }
void WindowHost::PauseAnimation() { w_.PauseAnimation(); }
void WindowHost::ShowWelcome(bool visible) { w_.ShowWelcome(visible); }
void WindowHost::ShowPanelHOF() { w_.ShowPanelHOF(); }
void WindowHost::RedrawHOF() { w_.RedrawHOF(); }
void WindowHost::DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                                    const std::string& timeTwo) {
  w_.DrawTwoPlayerPanel(showPlayerOne, showPlayerTwo, timeOne, timeTwo);
}
void WindowHost::GameChanged() { w_.GameChanged(); }

void WindowHost::PlaySound(Sound s) { w_.PlaySound(s); }
void WindowHost::SetStatusLine(const std::string& visibleText) { w_.SetStatusLine(visibleText); }
void WindowHost::SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) {
  w_.SetStatusFields(tiles, moves, time);
}

bool WindowHost::AskOkCancel(const std::string& caption, const std::string& text) {
  return w_.AskOkCancel(caption, text);
}
bool WindowHost::AskYesNo(const std::string& caption, const std::string& text) { return w_.AskYesNo(caption, text); }
void WindowHost::ShowGameOver(const std::string& finalTime, bool entersHall, const std::string& whyNoHall) {
  w_.ShowGameOver(finalTime, entersHall, whyNoHall);
}
void WindowHost::ShowHallAfterWin() { w_.ShowHallAfterWin(); }
void WindowHost::ShowRandomWindow(int32_t& randomSeed, Random& generator) {
  w_.ShowRandomWindow(randomSeed, generator);
}

int WindowHost::HallTenthTotal(int column) { return w_.HallTenthTotal(column); }
void WindowHost::AddHall(int column, int total, int malus) { w_.AddHall(column, total, malus); }

bool WindowHost::MusicEnded() { return w_.MusicEnded(); }
bool WindowHost::MusicPlaying() { return w_.MusicPlaying(); }
int WindowHost::MusicPieceCount() { return w_.MusicPieceCount(); }
void WindowHost::SelectMusicPiece(int k) { w_.SelectMusicPiece(k); }
void WindowHost::ReplayMusicPiece() { w_.ReplayMusicPiece(); }

uint32_t WindowHost::TickCount() { return w_.TickCount(); }
uint32_t WindowHost::TimeOfDayMs() { return w_.TimeOfDayMs(); }

}  // namespace sorimo
