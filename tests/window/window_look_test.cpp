// The Background and Tileset menus: which file each item loads, "Load from disk", bad files.
#include <gtest/gtest.h>

#include <QAction>
#include <fstream>

#include "app/dialogs/picture_dialog.h"
#include "app/window/choice_tables.h"
#include "assets/background_fill.h"
#include "assets/bmp_reader.h"
#include "assets/picture_file.h"
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

void Spoil(const fs::path& file) {
  std::ofstream bad(file, std::ios::binary | std::ios::trunc);
  bad << "BM this is not a bitmap";
}

PixelBuffer TilesetOf(const fs::path& file) {
  std::string error;
  const auto bytes = ReadPictureBytes(file.string(), error);
  return bytes ? ReadBmp(*bytes).picture : PixelBuffer();
}

// A picture that cannot be read is reported with its name, and neither shown nor chosen: the
// board and the menu keep what they had, so nothing names a file that is not in use.
TEST(WindowLook, ABadPictureIsReportedAndTheChoiceInUseStays) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  ASSERT_TRUE(w->action("MahJongg3")->isChecked());
  const PixelBuffer tileset = w->renderer().tileset();
  Spoil(folder.path() / "Tilesets" / "pai.bmp");
  w->action("MahJongg1")->trigger();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_NE(desktop.messages[0].find(folder.exeDir() + "Tilesets/pai.bmp"), std::string::npos) << desktop.messages[0];
  EXPECT_EQ(w->renderer().tileset(), tileset);
  EXPECT_TRUE(w->action("MahJongg3")->isChecked());
  EXPECT_FALSE(w->action("MahJongg1")->isChecked());

  // From disk: the refused file is not remembered, the file loaded before it is.
  const std::string kanji = folder.exeDir() + "Backgrounds/kanji.bmp";
  const std::string bad = folder.exeDir() + "Backgrounds/bad.jpg";
  Spoil(bad);
  desktop.files = {kanji};
  w->action("LoadBackground")->trigger();
  const PixelBuffer background = w->renderer().background();
  desktop.files = {bad};
  w->action("LoadBackground")->trigger();
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_NE(desktop.messages[1].find(bad), std::string::npos) << desktop.messages[1];
  EXPECT_EQ(w->renderer().background(), background);
  EXPECT_TRUE(w->action("LoadBackground")->isChecked());
  EXPECT_EQ(w->settingsValues().LastLoadedBackground, kanji);
}

// The remembered pictures cannot be read any more: one message each, then the default
// pictures, which the next start takes without a word.
std::string ReadIni(const ProgramFolder& folder);

TEST(WindowLook, RememberedPicturesThatCannotBeReadAreReportedAndKept) {
  ProgramFolder folder;
  const std::string bad = folder.exeDir() + "bad.bmp";
  Spoil(bad);
  {
    std::ofstream ini(folder.path() / "Sorimo.ini", std::ios::binary);
    ini << "[Sorimo]\r\nBackground=3\r\nLastLoadedBackground=" << bad << "\r\nTileset=0\r\nLastLoadedTileset=" << bad
        << "\r\n";
  }
  FakeDesktop desktop;
  {
    Window w(folder, desktop);
    EXPECT_EQ(desktop.messages.size(), 2u);
    EXPECT_TRUE(w->action("Andromeda")->isChecked());
    EXPECT_TRUE(w->action("MahJongg3")->isChecked());
    EXPECT_TRUE(w->settingsValues().LastLoadedBackground.empty());
    EXPECT_TRUE(w->settingsValues().LastLoadedTileset.empty());
    PixelBuffer andromeda(kBoardWidth, kBoardHeight);
    FillBackground(andromeda, LoadPictureFile(folder.exeDir() + "Backgrounds/andromeda.jpg").picture);
    EXPECT_EQ(w->renderer().background(), andromeda);
    EXPECT_EQ(w->renderer().tileset(), TilesetOf(folder.path() / "Tilesets" / "bluepai.bmp"));
  }
  // The choices stay in the settings, for when the file is mended: until then each start
  // names it again and shows the stand-in.
  EXPECT_NE(ReadIni(folder).find("LastLoadedBackground=" + bad), std::string::npos) << ReadIni(folder);
  Window again(folder, desktop);
  EXPECT_EQ(desktop.messages.size(), 4u);
  EXPECT_TRUE(again->action("Andromeda")->isChecked());
}

// With no readable tileset on disk the copy built into the program gives the tiles their
// faces; a spoiled default background gives way to the plain colour.
TEST(WindowLook, WithoutAnyReadableTilesetTheBuiltInOneIsUsed) {
  ProgramFolder folder;
  const PixelBuffer blue = TilesetOf(folder.path() / "Tilesets" / "bluepai.bmp");
  ASSERT_GT(blue.width(), 0);
  for (const char* name : {"pai.bmp", "darkpai.bmp", "pai256.bmp"}) fs::remove(folder.path() / "Tilesets" / name);
  Spoil(folder.path() / "Tilesets" / "bluepai.bmp");
  Spoil(folder.path() / "Backgrounds" / "andromeda.jpg");
  FakeDesktop desktop;
  {
    Window w(folder, desktop);
    EXPECT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(w->renderer().tileset(), blue);
    EXPECT_TRUE(w->action("MahJongg3")->isChecked());
    EXPECT_TRUE(w->action("None1")->isChecked());
  }
  // Every file gone and the dialog cancelled: the built-in set again, without a message.
  fs::remove(folder.path() / "Tilesets" / "bluepai.bmp");
  {
    std::ofstream ini(folder.path() / "Sorimo.ini", std::ios::binary);
    ini << "[Sorimo]\r\nBackground=2\r\nTileset=1\r\n";
  }
  desktop.messages.clear();
  desktop.files = {""};
  Window w(folder, desktop);
  EXPECT_TRUE(desktop.files.empty()) << "the missing file asks for another";
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(w->renderer().tileset(), blue);
  StartClassic(w);
  EXPECT_EQ(w->renderer().tileset(), blue);
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

std::string ReadIni(const ProgramFolder& folder) {
  std::ifstream in(folder.path() / "Sorimo.ini", std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The value of a key of the settings file as written, "" when it is not there.
std::string IniValue(const ProgramFolder& folder, const std::string& key) {
  const std::string ini = ReadIni(folder);
  const size_t at = ini.find("\n" + key + "=");
  if (at == std::string::npos) return "";
  const size_t from = at + key.size() + 2;
  return ini.substr(from, ini.find_first_of("\r\n", from) - from);
}

// The names of the checked items among "Load from disk" and the built-in items.
std::vector<std::string> Checked(TSorimo& w, std::initializer_list<const char*> extra, std::span<const ChoiceRow> rows) {
  std::vector<std::string> on;
  for (const char* name : extra)
    if (w.action(name)->isChecked()) on.emplace_back(name);
  for (const ChoiceRow& r : rows)
    if (w.action(r.name)->isChecked()) on.emplace_back(r.name);
  return on;
}

// The items, files and numbers written out here by hand rather than taken from the table.
struct Item {
  const char* name;
  const char* file;
  int32_t number;
};
constexpr Item kBackgrounds[] = {{"None1", nullptr, 2},          {"Dragons1", "dragons.bmp", 1},
                                 {"Andromeda", "andromeda.jpg", 4}, {"Kanji1", "kanji.bmp", 0},
                                 {"Catpats", "catpats.jpg", 5}};
constexpr Item kTilesets[] = {{"MahJongg1", "pai.bmp", 1},
                              {"MahJongg2", "darkpai.bmp", 2},
                              {"MahJongg3", "bluepai.bmp", 3},
                              {"Lowcolor1", "pai256.bmp", 4}};

TEST(WindowLook, EachBuiltInItemLoadsItsFileAndIsSavedAsItsNumber) {
  ProgramFolder folder;
  FakeDesktop desktop;
  ASSERT_EQ(BackgroundChoices().size(), std::size(kBackgrounds));
  ASSERT_EQ(TilesetChoices().size(), std::size(kTilesets));
  for (const Item& item : kBackgrounds) {
    {
      Window w(folder, desktop);
      w->action(item.name)->trigger();
      EXPECT_EQ(w->options().Background, item.number) << item.name;
      EXPECT_EQ(Checked(*w, {"LoadBackground"}, BackgroundChoices()), std::vector<std::string>{item.name});
      PixelBuffer expected(kBoardWidth, kBoardHeight);
      if (item.file) {
        const PictureOrError picture = LoadPictureFile(folder.exeDir() + "Backgrounds/" + item.file);
        ASSERT_TRUE(picture.ok()) << item.file;
        FillBackground(expected, picture.picture);
      } else {
        expected.fill(Rgb(0, 0x80, 0x80));  // the default colour, 0x808000 as 0x00BBGGRR: teal
      }
      EXPECT_EQ(w->renderer().background(), expected) << item.name;
    }
    EXPECT_EQ(IniValue(folder, "Background"), std::to_string(item.number)) << item.name;
    // The next start checks the item again.
    Window again(folder, desktop);
    EXPECT_TRUE(again->action(item.name)->isChecked()) << item.name;
  }
  for (const Item& item : kTilesets) {
    {
      Window w(folder, desktop);
      w->action(item.name)->trigger();
      EXPECT_EQ(w->options().Tileset, item.number) << item.name;
      EXPECT_EQ(Checked(*w, {"Load1"}, TilesetChoices()), std::vector<std::string>{item.name});
      std::string error;
      const auto bytes = ReadPictureBytes(folder.exeDir() + "Tilesets/" + item.file, error);
      ASSERT_TRUE(bytes) << error;
      EXPECT_EQ(w->renderer().tileset(), ReadBmp(*bytes).picture) << item.name;
    }
    EXPECT_EQ(IniValue(folder, "Tileset"), std::to_string(item.number)) << item.name;
  }
  EXPECT_TRUE(desktop.messages.empty());
}

TEST(WindowLook, AStoredLoadFromDiskReloadsItsFileOrAsksWhenItIsGone) {
  ProgramFolder folder;
  const std::string kanji = folder.exeDir() + "Backgrounds/kanji.bmp";
  const std::string pai = folder.exeDir() + "Tilesets/pai.bmp";
  {
    std::ofstream ini(folder.path() / "Sorimo.ini", std::ios::binary);
    ini << "[Sorimo]\r\nBackground=3\r\nTileset=0\r\nLastLoadedBackground=" << kanji
        << "\r\nLastLoadedTileset=" << folder.exeDir() << "Tilesets/gone.bmp\r\n";
  }
  FakeDesktop desktop;
  desktop.files = {pai};  // asked for the tileset only
  {
    Window w(folder, desktop);
    EXPECT_TRUE(desktop.files.empty());
    EXPECT_TRUE(w->action("LoadBackground")->isChecked());
    EXPECT_TRUE(w->action("Load1")->isChecked());
    EXPECT_EQ(w->options().Background, kLoadBackgroundNumber);
    EXPECT_EQ(w->options().Tileset, kLoadTilesetNumber);
    EXPECT_EQ(w->settingsValues().LastLoadedTileset, pai);
  }
  EXPECT_EQ(IniValue(folder, "Background"), "3");
  EXPECT_EQ(IniValue(folder, "Tileset"), "0");
}

TEST(WindowLook, FileFiltersUseQtsForm) {
  EXPECT_EQ(QtFileFilter("Background files (*.bmp; *.jpg)|*.bmp;*.jpg"), "Background files (*.bmp *.jpg)");
  EXPECT_EQ(QtFileFilter("Tileset files (*.bmp)|*.bmp"), "Tileset files (*.bmp)");
  EXPECT_EQ(QtFileFilter("LAY Layout files (*.lay)|*.lay"), "LAY Layout files (*.lay)");
}

}  // namespace
}  // namespace sorimo::testing
