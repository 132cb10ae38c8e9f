// Starts the real main window on the offscreen platform in a temporary program folder, with
// a desktop whose screen, clock and dialogs the test controls.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/window/board_image.h"
#include "app/window/sorimo.h"
#include "app/window/window_host.h"
#include "tests/support/window_test_peer.h"

namespace sorimo::testing {

// A copy of the shipped data in a fresh folder, removed at the end.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  const std::filesystem::path& path() const { return path_; }
  std::string exeDir() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// What the desktop was asked, and the answers it gives.
struct FakeDesktop {
  int width = 1024, height = 768;
  QMargins frame;  // the window manager's frame around the window
  uint32_t now = 100000;  // the millisecond counter; tests move it
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<EnterAnswers> enterAnswers;  // the default button of each question
  std::deque<bool> answers;  // next answers to questions; true when empty
  std::function<void()> duringQuestion;  // runs while a question is open, before its answer
  std::deque<std::string> files;  // next files chosen in file dialogs; "" cancels
  std::vector<std::string> fileDialogs;  // the folder or file each file dialog opened on
  std::vector<std::string> gameOvers;
  std::function<void()> duringGameOver;  // runs while the game-over dialog is open
  int hallWindows = 0;
  int32_t seedToType = -1;  // what the specific-game dialog leaves; -1 keeps the number
  // The layout chooser's answer (the entry to play, 0-based, or -1); unset cancels.
  std::function<int(const ChooseLayoutModel&)> chooseLayout;
  // What the window played, in order: "effect DONE", "piece <the file's bytes>", "pause",
  // "resume"; a stop is "piece " with nothing after it.
  std::vector<std::string> sounds;
  bool pieceEnded = false;  // what the sound answers when the tick asks
  std::string pieceError;   // the synthesizer's complaint, taken by the first question

  DesktopServices services();
};

// The window, made and shown; Close() closes it as the player would.
struct Window {
  explicit Window(const ProgramFolder& folder, FakeDesktop& desktop);
  // An installed program: its data in the folder, the player's files where `folders` says.
  Window(const ProgramFolders& folders, FakeDesktop& desktop);
  ~Window();
  TSorimo& operator*() { return *window; }
  TSorimo* operator->() { return window.get(); }
  void Close();
  void Tick(int times = 1);  // timer ticks, moving the clock 50 ms each
  // Clicks the board image where a tile's face is, with a real mouse release.
  void ClickTile(int tile);

  std::unique_ptr<TSorimo> window;
  FakeDesktop& desktop;
};

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::filesystem::path& p);

// "Mah-Jongg Solitaire (Random Game)" from the menu; the game must be running afterwards.
void StartClassic(Window& w);
// The "&Layout" menu of the window's menu bar, or null.
QMenu* LayoutMenu(TSorimo& w);

}  // namespace sorimo::testing
