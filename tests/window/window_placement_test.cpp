// Where the window opens and where the board sits, by the width of the screen.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

void WriteSettings(const ProgramFolder& folder, const std::string& lines) {
  std::ofstream out(folder.path() / "Sorimo.ini", std::ios::binary | std::ios::trunc);
  out << "[Sorimo]\r\n" << lines;
}

TEST(WindowPlacement, FirstRunOpensAtTheSavedCornerNotCentred) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  // Without settings the last screen width is this one, so the saved position (0, 0) applies.
  EXPECT_EQ(w->pos(), QPoint(0, 0));
  EXPECT_EQ(w->game().BoardOrigin.x, 36);
  EXPECT_EQ(w->game().BoardOrigin.y, 25);
}

// A position from another screen arrangement, or typed by hand, never hides the window, nor
// the status bar below the window manager's title bar; the file gets the position back on the
// screen.
TEST(WindowPlacement, AStoredPositionOffTheScreenIsBroughtBack) {
  for (const char* where : {"XPos=-5000\r\nYPos=-300\r\n", "XPos=99999\r\nYPos=99999\r\n",
                            "XPos=1000\r\nYPos=760\r\n"}) {
    ProgramFolder folder;
    WriteSettings(folder, std::string("PreviousRes=1024\r\n") + where);
    FakeDesktop desktop;
    desktop.frame = QMargins(4, 20, 4, 4);
    Window w(folder, desktop);
    EXPECT_GE(w->x(), 0) << where;
    EXPECT_GE(w->y(), 0) << where;
    EXPECT_LE(w->x() + 4 + w->width() + 4, 1024) << where;
    EXPECT_LE(w->y() + 20 + w->height() + 4, 768) << where;
    const std::string written = "XPos=" + std::to_string(w->x()) + "\r\nYPos=" + std::to_string(w->y()) + "\r\n";
    w.Close();
    EXPECT_NE(ReadFile(folder.path() / "Sorimo.ini").find(written), std::string::npos) << where;
  }
}

TEST(WindowPlacement, AnotherScreenWidthCentresTheWindow) {
  ProgramFolder folder;
  WriteSettings(folder, "PreviousRes=1280\r\nXPos=300\r\nYPos=200\r\n");
  FakeDesktop desktop;
  Window w(folder, desktop);
  // Centred as the bare 704 x 468 board, before the bars and the panel were put around it.
  EXPECT_EQ(w->x(), (1024 - 704) / 2);
  EXPECT_EQ(w->y(), (768 - 468) / 2);
}

TEST(WindowPlacement, TheSameScreenWidthRestoresThePosition) {
  ProgramFolder folder;
  WriteSettings(folder, "PreviousRes=1024\r\nXPos=30\r\nYPos=20\r\n");
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_EQ(w->pos(), QPoint(30, 20));
}

TEST(WindowPlacement, ASmallScreenDropsPanelAndToolbarAndMovesTheBoard) {
  ProgramFolder folder;
  WriteSettings(folder, "PreviousRes=1024\r\n");
  FakeDesktop desktop;
  desktop.width = 640;
  desktop.height = 480;
  {
    Window w(folder, desktop);
    EXPECT_FALSE(w->options().ShowHallFame);
    EXPECT_FALSE(w->options().Toolbar1);
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    EXPECT_EQ(w->width(), 640);
    EXPECT_EQ(w->game().BoardOrigin.x, -5);
    EXPECT_EQ(w->game().BoardOrigin.y, 0);
  }
  // The next run at 640 keeps the saved position and the (now off) panel and toolbar.
  Window again(folder, desktop);
  EXPECT_FALSE(again->options().ShowHallFame);
  EXPECT_FALSE(again->options().Toolbar1);
}

TEST(WindowPlacement, TheBoardOriginChangesAtEightHundredPixels) {
  for (const auto& [width, x] : {std::pair{800, 36}, std::pair{799, -5}}) {
    ProgramFolder folder;
    FakeDesktop desktop;
    desktop.width = width;
    Window w(folder, desktop);
    EXPECT_EQ(w->game().BoardOrigin.x, x) << width;
  }
}

}  // namespace
}  // namespace sorimo::testing
