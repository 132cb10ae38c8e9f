// Starts the main window on a program folder, deals a new game as a player would, closes it, and prints what the player was told, one line each:
//   started | not started: <why>
//   message: <text>    (a warning box)
//   question: <text>   (a question, answered yes)
// Usage: damaged_start <program folder>
#include <QAction>
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/window/sorimo.h"
#include "tests/window/window_test_support.h"

namespace {

void Print(const char* kind, const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::printf("%s: %s\n", kind, line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: damaged_start <program folder>\n");
    return 2;
  }
  QApplication app(argc, argv);
  sorimo::InitResources();
  const std::string folder = std::string(argv[1]) + "/";
  sorimo::testing::FakeDesktop desktop;
  {
    sorimo::TSorimo window(sorimo::ProgramFolders{.data = folder, .config = folder, .userLayouts = folder + "Layouts/"},
                           desktop.services());
    if (window.startupFailed()) {
      std::printf("not started: %s\n", window.startupError().c_str());
    } else {
      std::printf("started\n");
      window.show();
      QApplication::processEvents();
      if (QAction* newGame = window.action("RandomSolitaireGame1")) newGame->trigger();
      QApplication::processEvents();
      window.close();
      QApplication::processEvents();
    }
  }
  for (const std::string& m : desktop.messages) Print("message", m);
  for (const std::string& q : desktop.questions) Print("question", q);
  return 0;
}
