// The Background and Tileset menus: which file each item loads, "Load from disk", bad files.
#include <gtest/gtest.h>

#include <QAction>
#include <fstream>

#include "app/dialogs/picture_dialog.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

namespace fs = std::filesystem;

TEST(WindowLook, LoadFromDiskReloadsTheLastFileFirstAndAsksWhenAlreadyChosen) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  ASSERT_TRUE(w->action("Andromeda")->isChecked());
  w->settingsValues().LastLoadedBackground = folder.exeDir() + "Backgrounds/kanji.bmp";
  const PixelBuffer before = w->renderer().background();

  // Chosen after another background: the file loaded last comes back without a dialog.
  desktop.files = {folder.exeDir() + "Backgrounds/dragons.bmp"};
  w->action("LoadBackground")->trigger();
  EXPECT_EQ(desktop.files.size(), 1u);
  EXPECT_TRUE(w->action("LoadBackground")->isChecked());
  EXPECT_FALSE(w->action("Andromeda")->isChecked());
  EXPECT_NE(w->renderer().background(), before);

  // Chosen again while it is the choice: it asks for another file.
  w->action("LoadBackground")->trigger();
  EXPECT_TRUE(desktop.files.empty());
  EXPECT_EQ(w->settingsValues().LastLoadedBackground, folder.exeDir() + "Backgrounds/dragons.bmp");
  EXPECT_TRUE(w->action("LoadBackground")->isChecked());

  // A chosen file that is not there asks again, until one exists.
  desktop.files = {folder.exeDir() + "Backgrounds/missing.bmp", folder.exeDir() + "Backgrounds/kanji.bmp"};
  w->action("LoadBackground")->trigger();
  EXPECT_TRUE(desktop.files.empty());
  EXPECT_EQ(w->settingsValues().LastLoadedBackground, folder.exeDir() + "Backgrounds/kanji.bmp");
}

TEST(WindowLook, ABadPictureIsReportedAndTheTilesetStays) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const PixelBuffer tileset = w->renderer().tileset();
  {
    std::ofstream bad(folder.path() / "Tilesets" / "pai.bmp", std::ios::binary | std::ios::trunc);
    bad << "BM this is not a bitmap";
  }
  w->action("MahJongg1")->trigger();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(w->renderer().tileset(), tileset);
  EXPECT_TRUE(w->action("MahJongg1")->isChecked());  // the choice already names the new file
}

TEST(WindowLook, AMissingBuiltInFileAsksForAnotherAndCancelKeepsThePicture) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  fs::remove(folder.path() / "Backgrounds" / "catpats.jpg");
  const PixelBuffer before = w->renderer().background();
  desktop.files = {""};
  w->action("Catpats")->trigger();
  EXPECT_TRUE(desktop.files.empty());  // the dialog was shown
  EXPECT_EQ(w->renderer().background(), before);
}

TEST(WindowLook, NoneTakesTheStoredColourWithoutADialogAtStartUp) {
  ProgramFolder folder;
  {
    std::ofstream ini(folder.path() / "Sorimo.ini", std::ios::binary);
    ini << "[Sorimo]\r\nBackground=9\r\nColorBackground=255\r\nTileset=9\r\n";
  }
  FakeDesktop desktop;
  {
    Window w(folder, desktop);
    EXPECT_TRUE(w->action("None1")->isChecked());
    EXPECT_TRUE(w->action("MahJongg2")->isChecked());  // no tileset item: "Dark borders"
    EXPECT_EQ(w->renderer().background().pixel(10, 10), Rgb(255, 0, 0));  // 0x0000FF is red
  }
  std::ifstream in(folder.path() / "Sorimo.ini", std::ios::binary);
  const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(ini.find("Background=2"), std::string::npos);
  EXPECT_NE(ini.find("Tileset=2"), std::string::npos);
}

TEST(WindowLook, FileFiltersUseQtsForm) {
  EXPECT_EQ(QtFileFilter("Background files (*.bmp; *.jpg)|*.bmp;*.jpg"), "Background files (*.bmp *.jpg)");
  EXPECT_EQ(QtFileFilter("Tileset files (*.bmp)|*.bmp"), "Tileset files (*.bmp)");
  EXPECT_EQ(QtFileFilter("LAY Layout files (*.lay)|*.lay"), "LAY Layout files (*.lay)");
}

}  // namespace
}  // namespace sorimo::testing
