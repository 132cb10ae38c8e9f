// The game's outside world for tests: records every call in order as a short line of text,
// answers questions from a script, and keeps a clock that only moves when a test moves it.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/host.h"
#include "engine/random.h"

namespace sorimo::test {

// The log entry of a board paint: "paint full" or "paint left,top,right,bottom".
inline std::string PaintOf(const DirtyRect& d) {
  return d.full() ? "paint full"
                  : "paint " + std::to_string(d.left) + "," + std::to_string(d.top) + "," + std::to_string(d.right) +
                        "," + std::to_string(d.bottom);
}

class RecorderHost : public BoardOutput,
                     public Feedback,
                     public Questions,
                     public Scores,
                     public MusicControl,
                     public TimeSource {
 public:
  std::vector<std::string> log;

  // Scripted answers and values.
  std::deque<bool> answers;   // next answers to AskOkCancel / AskYesNo; empty means "OK"
  int tenthTotal = 840;       // the hall column's tenth total
  uint32_t now = 100000;      // the millisecond counter
  uint32_t timeOfDay = 4242;  // seeds clock-seeded deals
  int seedTyped = -1;  // the game number typed into the specific-game dialog; -1 keeps it
  bool musicEnded = false;
  bool musicPlaying = false;
  int musicPieces = 0;
  // Run while a modal window is open, as the ticks and focus events of a nested loop would.
  std::function<void()> duringGameOverDialog, duringHallWindow, duringQuestion;
  std::function<void()> duringPaint;  // sees the game as the renderer would

  void PaintBoard(const DirtyRect& d) override {
    if (duringPaint) duringPaint();
    log.push_back(PaintOf(d));
  }
  void ShowFond() override { log.push_back("fond"); }
  void RepaintNow() override { log.push_back("repaint"); }
  void ProcessEvents() override { log.push_back("events"); }
  void ShowWelcome(bool visible) override { log.push_back(visible ? "welcome on" : "welcome off"); }
  void ShowPanelHOF() override { log.push_back("panel"); }
  void RedrawHOF() override { log.push_back("panel copy"); }
  void GameChanged() override { log.push_back("changed"); }
  void ClearBoardBuffer() override { log.push_back("clear buffer"); }
  void DrawTwoPlayerPanel(bool one, bool two, const std::string& t1, const std::string& t2) override {
    log.push_back(std::string("players ") + (one ? "1" : "-") + (two ? "2" : "-") + " " + t1 + " " + t2);
  }
  void PlaySound(Sound s) override {
    log.push_back(s == Sound::Select ? "sound select" : s == Sound::NoWay ? "sound noway" : "sound done");
  }
  void SetStatusLine(const std::string& text) override {
    statusLine = text;
    log.push_back("status '" + text + "'");
  }
  void SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) override {
    fields = tiles + "|" + moves + "|" + time;
  }
  bool AskOkCancel(const std::string& caption, const std::string&) override {
    return Answer("ask " + caption);
  }
  bool AskYesNo(const std::string& caption, const std::string&) override { return Answer("ask " + caption); }
  void ShowGameOver(const std::string& text, bool entersHall, const std::string& whyNoHall) override {
    log.push_back("game over '" + text + "'" + (entersHall ? " +hall" : "") + (whyNoHall.empty() ? "" : " no hall: " + whyNoHall));
    if (duringGameOverDialog) duringGameOverDialog();
    log.push_back("game over closed");
  }
  void ShowHallAfterWin() override {
    log.push_back("hall window");
    if (duringHallWindow) duringHallWindow();
    log.push_back("hall window closed");
  }
  void ShowRandomWindow(int32_t& seed, Random&) override {
    log.push_back("seed dialog");
    if (seedTyped >= 0) seed = seedTyped;
  }
  int HallTenthTotal(int) override { return tenthTotal; }
  void AddHall(int column, int total, int malus) override {
    log.push_back("add hall " + std::to_string(column) + " " + std::to_string(total) + " " +
                  std::to_string(malus));
  }
  bool MusicEnded() override { return musicEnded; }
  bool MusicPlaying() override { return musicPlaying; }
  int MusicPieceCount() override { return musicPieces; }
  void SelectMusicPiece(int k) override { log.push_back("music piece " + std::to_string(k)); }
  void ReplayMusicPiece() override { log.push_back("music again"); }
  uint32_t TickCount() override { return now; }
  uint32_t TimeOfDayMs() override { return timeOfDay; }

  // What the player sees last.
  std::string statusLine;
  std::string fields;

  int Count(const std::string& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
  }
  bool Has(const std::string& entry) const { return Count(entry) > 0; }
  // The entries that are one of `kinds`, in order: the part of the log a test is about.
  std::vector<std::string> Only(const std::vector<std::string>& kinds) const {
    std::vector<std::string> out;
    for (const std::string& e : log)
      for (const std::string& k : kinds)
        if (e.rfind(k, 0) == 0) {
          out.push_back(e);
          break;
        }
    return out;
  }
  std::vector<std::string> Sounds() const { return Only({"sound"}); }

 private:
  bool Answer(const std::string& entry) {
    log.push_back(entry);
    if (duringQuestion) duringQuestion();
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace sorimo::test
