// The layout editor in the real window: its menu and panel, building a layout with the mouse,
// saving it and finding it again, trying it, dropping the changes, and the chooser's buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <unistd.h>

#include <fstream>
#include <set>

#include "app/window/editor_panel.h"
#include "app/window/tool_panel.h"
#include "layouts/layout_reader.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

namespace fs = std::filesystem;

QStringList VisibleMenus(TSorimo& w) {
  QStringList titles;
  for (QAction* a : w.menuBar()->actions())
    if (a->isVisible()) titles << a->text();
  return titles;
}

// Places a tile at `c` the way a player does: a mouse release over a point of the board
// where the editor chooses exactly that spot.
void PlaceByClick(Window& w, const Cell& c) {
  const Game& g = w->game();
  const PixelRect b = TileBox(c.x, c.y, c.z);
  for (int py = b.top; py < b.top + 35; ++py)
    for (int px = b.left; px < b.left + 30; ++px)
      if (WhatAdd(g.board().Grid(), px, py) == c) {
        QTest::mouseClick(w->boardImage(), Qt::LeftButton, Qt::NoModifier, QPoint(px + g.BoardOrigin.x, py + g.BoardOrigin.y));
        return;
      }
  FAIL() << "no point of the board chooses " << c.x << "," << c.y << "," << c.z;
}

// A layout of 144 tiles built as a player would: 96 on the table in a 12 x 8 block, 48 on top
// of its upper half. The list is in building order.
std::vector<Cell> StepsLayout() {
  std::vector<Cell> cells;
  for (int y = 2; y <= 16; y += 2)
    for (int x = 2; x <= 24; x += 2) cells.push_back({x, y, 1});
  for (int y = 2; y <= 8; y += 2)
    for (int x = 2; x <= 24; x += 2) cells.push_back({x, y, 2});
  return cells;
}

void BuildSteps(Window& w) {
  for (const Cell& c : StepsLayout()) {
    PlaceByClick(w, c);
    ASSERT_NE(w->game().board().Grid().at(c.x, c.y, c.z), 0) << c.x << "," << c.y << "," << c.z;
  }
}

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

// Plays the winnable deal to its end: its positions in the order the deal freed them.
void WinTheWinnableDeal(Window& w) {
  const Game& g = w->game();
  const int n = g.TilesTotal();
  std::vector<Cell> order(g.PairList().begin() + 1, g.PairList().begin() + 1 + n);
  for (const Cell& c : order) w.ClickTile(g.board().Grid().at(c.x, c.y, c.z));
  ASSERT_EQ(g.TilesLeft(), 0);
  w.desktop.now += 5000;
  w.Tick(2);
}

TEST(WindowEditor, CreateLayoutShowsTheEditorsMenuAndPanelAndBuildsWithTheMouse) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  const int shuffleBefore = w->action("Shuffle1")->isEnabled();
  ASSERT_TRUE(shuffleBefore);
  EXPECT_FALSE(w->action("Movetoleft1")->isEnabled()) << "Ctrl+S belongs to Shuffle outside the editor";

  w->action("CreateLayout1")->trigger();
  EXPECT_EQ(w->game().GameMode, ModeEditor);
  EXPECT_EQ(VisibleMenus(*w), (QStringList{"Exit", "Move Board"}));
  EXPECT_FALSE(w->toolPanel()->isVisible());
  EXPECT_TRUE(w->editorPanel()->isVisible());
  EXPECT_EQ(w->editorPanel()->tilesLeftLabel()->text(), "144");
  EXPECT_EQ(w->editorPanel()->nameField()->text(), "New Layout");
  EXPECT_FALSE(w->action("Shuffle1")->isEnabled());
  EXPECT_TRUE(w->action("Movetoleft1")->isEnabled());
  EXPECT_EQ(w->action("Movetoleft1")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(w->action("Movetobottom1")->shortcut(), QKeySequence("Ctrl+X"));
  EXPECT_TRUE(w->action("Toolbar1")->isEnabled()) << "Show Toolbar shows the editor's panel instead";

  PlaceByClick(w, {10, 6, 1});
  PlaceByClick(w, {11, 7, 2});
  EXPECT_EQ(w->game().Layout.count(), 2);
  EXPECT_EQ(w->editorPanel()->tilesLeftLabel()->text(), "142");
  // The ghost has moved on from the spot just filled: it is never on a tile.
  const Cell ghost = w->game().ModeData<EditorState>().Ghost;
  if (ghost.x >= 0) {
    EXPECT_EQ(w->game().board().Grid().at(ghost.x + 1, ghost.y + 1, ghost.z + 1), 0);
  }
  // A right click on the lower tile removes nothing: the other rests on it.
  w.ClickTile(1);  // left on a tile: a tile goes on top if there is room, never under
  const int placed = w->game().Layout.count();
  QTest::mouseClick(w->boardImage(), Qt::RightButton, Qt::NoModifier,
                    QPoint(CoordX(9, 0, w->game().BoardOrigin.x) + 3, CoordY(5, 0, w->game().BoardOrigin.y) + 45));
  EXPECT_EQ(w->game().Layout.count(), placed);

  w->action("Toolbar1")->trigger();
  EXPECT_FALSE(w->editorPanel()->isVisible());
  EXPECT_FALSE(w->toolPanel()->isVisible());
  w->action("Toolbar1")->trigger();
  EXPECT_TRUE(w->editorPanel()->isVisible());

  w->action("Movetoright1")->trigger();
  EXPECT_NE(w->game().board().Grid().at(11, 6, 1), 0);
  // Ctrl+X moves the board down even from the name field, and leaves the name alone.
  w->editorPanel()->nameField()->setFocus();
  w->editorPanel()->nameField()->selectAll();
  QTest::keyClick(w->editorPanel()->nameField(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_NE(w->game().board().Grid().at(11, 7, 1), 0);
  EXPECT_EQ(w->editorPanel()->nameField()->text(), "New Layout");

  // Unfinished: the message, and the editor stays.
  w->action("Cancel1")->trigger();
  ASSERT_FALSE(desktop.messages.empty());
  EXPECT_EQ(desktop.messages.back(), "Sorimo: You haven't finished building the layout yet !");
  EXPECT_EQ(w->game().GameMode, ModeEditor);
  EXPECT_EQ(w->editorPanel()->tilesLeftLabel()->text(), QString::number(144 - w->game().Layout.count()));
}

TEST(WindowEditor, ANewLayoutIsSavedUnderANameOfItsOwnPlayedWonAndFiledAfterARestart) {
  ProgramFolder folder;
  FakeDesktop desktop;
  const fs::path saved = folder.path() / "Layouts" / "Steps.lay";
  int column = 0;
  {
    Window w(folder, desktop);
    w->options().Winnable = true;
    const std::string chosenBefore = w->currentLayoutFile();
    const std::string traditionalBytes = [&] {
      std::ifstream in(chosenBefore, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    w->action("CreateLayout1")->trigger();
    BuildSteps(w);
    EXPECT_EQ(w->editorPanel()->tilesLeftLabel()->text(), "0");
    w->editorPanel()->nameField()->setText("Steps");

    // "Save" of a new layout asks for a file, proposing the layout's name.
    desktop.files = {folder.exeDir() + "Layouts/Steps"};
    w->action("Saveandexit")->trigger();
    ASSERT_EQ(desktop.fileDialogs.size(), 1u);
    EXPECT_EQ(desktop.fileDialogs[0], folder.exeDir() + "Layouts/Steps.lay");
    ASSERT_TRUE(fs::exists(saved));
    const LayoutReadResult back = LoadLayoutFile(saved);
    EXPECT_EQ(back.name, "Steps");
    EXPECT_EQ(back.cells.count(), 144);
    {
      std::ifstream in(chosenBefore, std::ios::binary);
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), traditionalBytes) << "the chosen layout's file is untouched";
    }

    // Listed, chosen, and played.
    QMenu* menu = LayoutMenu(*w);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().back()->text(), "Steps");
    EXPECT_TRUE(menu->actions().back()->isChecked());
    EXPECT_EQ(VisibleMenus(*w).size(), 10);
    EXPECT_TRUE(w->toolPanel()->isVisible());
    EXPECT_FALSE(w->editorPanel()->isVisible());
    EXPECT_EQ(w->game().GameMode, ModeClassic);
    EXPECT_EQ(w->game().Layout, back.cells);
    column = w->game().BoardNumber;
    EXPECT_EQ(w->layouts().names[size_t(column - 1)], "Steps");

    WinTheWinnableDeal(w);
    ASSERT_EQ(desktop.gameOvers.size(), 1u);
    EXPECT_NE(w->hallTable().At(1, column).find("Player1"), std::string::npos);
    w.Close();
  }
  // After a restart the layout is listed among the others and its list holds the win.
  Window again(folder, desktop);
  const auto& names = again->layouts().names;
  const auto it = std::find(names.begin(), names.end(), "Steps");
  ASSERT_NE(it, names.end());
  const int newColumn = int(it - names.begin()) + 1;
  EXPECT_NE(again->hallTable().At(1, newColumn).find("Player1"), std::string::npos);
}

TEST(WindowEditor, TryItPlaysTheLayoutWritesNothingAndFilesNoResult) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const std::set<std::string> before = FilesIn(folder.path() / "Layouts");
  const int chosen = w->game().BoardNumber;
  w->action("CreateLayout1")->trigger();
  BuildSteps(w);
  w->action("Cancel1")->trigger();
  EXPECT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_EQ(w->game().TilesLeft(), 144);
  EXPECT_EQ(FilesIn(folder.path() / "Layouts"), before);
  EXPECT_TRUE(desktop.fileDialogs.empty());
  EXPECT_NE(w->game().LayoutFrom, LayoutOrigin::ListedFile);
  EXPECT_EQ(w->game().BoardNumber, chosen);

  // Its later "Save" still asks for a file: the chosen layout's file is never overwritten.
  w->action("Editlayout1")->trigger();
  EXPECT_EQ(w->editorPanel()->tilesLeftLabel()->text(), "0");
  desktop.files = {""};
  w->action("Saveandexit")->trigger();
  EXPECT_EQ(desktop.fileDialogs.size(), 1u);
  EXPECT_EQ(FilesIn(folder.path() / "Layouts"), before);
  EXPECT_EQ(w->game().GameMode, ModeClassic) << "a cancelled dialog leaves the editor for a game on the layout";
}

TEST(WindowEditor, ExitDropsTheChangesAndReadsTheChosenLayoutAgain) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const LayoutReadResult file = LoadLayoutFile(w->currentLayoutFile());
  ASSERT_EQ(file.status, LayoutReadStatus::Loaded);
  w->action("Editlayout1")->trigger();
  EXPECT_EQ(w->editorPanel()->tilesLeftLabel()->text(), QString::number(144 - file.cells.count()));
  w->action("Movetoleft1")->trigger();
  w->action("Movetotop1")->trigger();
  ASSERT_NE(w->game().Layout, file.cells);
  w->action("Cancel2")->trigger();
  EXPECT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_EQ(w->game().Layout, file.cells);
  EXPECT_EQ(w->game().LayoutFrom, LayoutOrigin::ListedFile);
  EXPECT_TRUE(desktop.fileDialogs.empty());
}

TEST(WindowEditor, SavingAsksBeforeReplacingAndAFailedSaveKeepsTheEditorOpen) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const fs::path arena = folder.path() / "Layouts" / "Arena.lay";
  const auto arenaSize = fs::file_size(arena);
  w->action("CreateLayout1")->trigger();
  BuildSteps(w);

  // A file that exists: the player says no, the dialog comes back, the player cancels.
  desktop.files = {folder.exeDir() + "Layouts/Arena.lay", ""};
  desktop.answers = {false};
  w->action("Saveasandexit")->trigger();
  EXPECT_EQ(desktop.fileDialogs.size(), 2u);
  ASSERT_EQ(desktop.questions.size(), 1u);
  EXPECT_EQ(desktop.questions[0], "Arena.lay already exists.\n\nDo you want to replace it?");
  EXPECT_EQ(desktop.enterAnswers[0], EnterAnswers::Refuse);
  EXPECT_EQ(fs::file_size(arena), arenaSize);

  // Outside the layouts folders: the file is kept there, and the menu, which could not find
  // it again, does not list it.
  w->action("Editlayout1")->trigger();
  const size_t listed = w->layouts().names.size();
  const int chosen = w->game().BoardNumber;
  fs::create_directory(folder.path() / "Elsewhere");
  desktop.files = {folder.exeDir() + "Elsewhere/Steps"};
  desktop.messages.clear();
  w->action("Saveasandexit")->trigger();
  EXPECT_EQ(LoadLayoutFile(folder.path() / "Elsewhere" / "Steps.lay").status, LayoutReadStatus::Loaded);
  EXPECT_EQ(w->layouts().names.size(), listed);
  EXPECT_EQ(LayoutMenu(*w)->actions().size(), qsizetype(listed) + 4);
  EXPECT_EQ(w->game().BoardNumber, chosen);
  EXPECT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_NE(w->game().LayoutFrom, LayoutOrigin::ListedFile) << "no hall of fame list for it";
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_NE(desktop.messages[0].find("not list it"), std::string::npos) << desktop.messages[0];

  // A save that fails: the editor stays open with its layout, and the player is told.
  w->action("Editlayout1")->trigger();
  const LayoutCells built = w->game().Layout;
  desktop.files = {folder.exeDir() + "No such folder/Steps"};
  desktop.messages.clear();
  w->action("Saveasandexit")->trigger();
  EXPECT_EQ(w->game().GameMode, ModeEditor);
  EXPECT_EQ(w->game().Layout, built);
  EXPECT_EQ(desktop.messages.size(), 1u);

  // Replacing, once agreed, writes the file and keeps one menu entry.
  const int entries = int(w->layouts().names.size());
  desktop.files = {folder.exeDir() + "Layouts/Arena.lay"};
  desktop.answers = {true};
  w->action("Saveasandexit")->trigger();
  EXPECT_EQ(LoadLayoutFile(arena).cells, built);
  EXPECT_EQ(int(w->layouts().names.size()), entries);
  EXPECT_EQ(w->layouts().names[size_t(w->game().BoardNumber - 1)], "Arena");
}

TEST(WindowEditor, AnEditedExternalLayoutIsSavedAsANativeOne) {
  ProgramFolder folder;
  // An external layout: 144 lines, the anchor's X, Y and Z (from 0) at characters 4 to 9.
  {
    std::ofstream shp(folder.path() / "Layouts" / "Hills.shp", std::ios::binary);
    int n = 0;
    for (int z = 0; z < 2 && n < 144; ++z)
      for (int y = 1; y <= 16 && n < 144; y += 2)
        for (int x = 1; x <= 30 && n < 144; x += 2, ++n) {
          char line[16];
          std::snprintf(line, sizeof line, "000%02X%02X%02X\r\n", x + z, y + z, z);
          shp << line;
        }
  }
  FakeDesktop desktop;
  Window w(folder, desktop);
  const auto& names = w->layouts().names;
  const auto it = std::find(names.begin(), names.end(), "Hills.shp");
  ASSERT_NE(it, names.end());
  TSorimoTestPeer::PlayLayoutEntry(*w, int(it - names.begin()) + 1);
  ASSERT_EQ(w->game().GameMode, ModeClassic) << (desktop.messages.empty() ? "" : desktop.messages.back());
  const auto shpSize = fs::file_size(folder.path() / "Layouts" / "Hills.shp");

  w->action("Editlayout1")->trigger();
  // Named after its file, not its path.
  EXPECT_EQ(w->editorPanel()->nameField()->text(), "Hills");
  w->action("Movetoright1")->trigger();
  desktop.files = {folder.exeDir() + "Layouts/Hills & Dales.lay"};
  w->action("Saveandexit")->trigger();
  ASSERT_EQ(desktop.fileDialogs.size(), 1u);
  EXPECT_EQ(desktop.fileDialogs[0], folder.exeDir() + "Layouts/Hills.lay");
  EXPECT_EQ(fs::file_size(folder.path() / "Layouts" / "Hills.shp"), shpSize);
  const LayoutReadResult saved = LoadLayoutFile(folder.path() / "Layouts" / "Hills & Dales.lay");
  EXPECT_EQ(saved.status, LayoutReadStatus::Loaded);
  EXPECT_EQ(saved.name, "Hills");
  EXPECT_EQ(w->layouts().names.back(), "Hills & Dales");
  EXPECT_EQ(w->game().BoardNumber, int(w->layouts().names.size()));
  // The menu shows the "&" itself, not as the mark of a key.
  EXPECT_EQ(LayoutMenu(*w)->actions().back()->text(), "Hills && Dales");
}

TEST(WindowEditor, TheChoosersCreateAndEditOpenTheEditorWithoutAGame) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  desktop.chooseLayout = [](const ChooseLayoutModel& model) {
    EXPECT_TRUE(bool(model.create));
    model.create();
    return -1;
  };
  w->action("SelectLayout1")->trigger();
  EXPECT_EQ(w->game().GameMode, ModeEditor);
  EXPECT_EQ(w->game().Layout.count(), 0);
  w->action("Cancel2")->trigger();

  desktop.chooseLayout = [](const ChooseLayoutModel& model) {
    model.edit(0);
    return -1;
  };
  w->action("SelectLayout1")->trigger();
  EXPECT_EQ(w->game().GameMode, ModeEditor);
  EXPECT_EQ(w->game().BoardNumber, 1);
  EXPECT_EQ(w->game().Layout, LoadLayoutFile(w->currentLayoutFile()).cells);
  EXPECT_EQ(w->editorPanel()->nameField()->text().toStdString(), w->layoutName());
}

TEST(WindowEditor, ClosingTheProgramWithAnUnsavedLayoutAsksFirst) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("CreateLayout1")->trigger();
  PlaceByClick(w, {10, 6, 1});
  desktop.answers = {false};
  EXPECT_FALSE(TSorimoTestPeer::MayClose(*w));
  EXPECT_EQ(desktop.questions.size(), 1u);
  EXPECT_EQ(desktop.enterAnswers, std::vector{EnterAnswers::Refuse}) << "Enter keeps the layout";
  EXPECT_EQ(w->game().GameMode, ModeEditor);
  EXPECT_TRUE(TSorimoTestPeer::MayClose(*w));

  // A name typed is work too: the untouched layout asks once its name has changed.
  w->action("Cancel2")->trigger();
  w->action("Editlayout1")->trigger();
  EXPECT_TRUE(TSorimoTestPeer::MayClose(*w)) << "nothing changed yet";
  EXPECT_EQ(desktop.questions.size(), 2u);
  w->editorPanel()->nameField()->setText("Renamed");
  desktop.answers = {false};
  EXPECT_FALSE(TSorimoTestPeer::MayClose(*w));
  EXPECT_EQ(desktop.questions.size(), 3u);
}

}  // namespace
}  // namespace sorimo::testing

namespace sorimo::testing {
namespace {

// While alive, this process writes with the rights of a player, not of root, who writes into
// read-only folders too.
class PlayerRights {
 public:
  PlayerRights() : root_(::geteuid() == 0) {
    if (root_) {
      EXPECT_EQ(::seteuid(65534), 0);
    }
  }
  ~PlayerRights() {
    if (root_) {
      EXPECT_EQ(::seteuid(0), 0);
    }
  }

 private:
  bool root_;
};

// An installed program: the shipped layouts are read from its data folder, the player's own
// are saved to and listed from the player's folder, and the settings go to the config folder.
// A shipped layout saved from the editor becomes the player's copy, listed once.
TEST(WindowInstalled, SavedLayoutsAndSettingsLiveInThePlayersFolders) {
  ProgramFolder folder;
  const fs::path home = folder.path() / "home";
  const ProgramFolders folders{.data = folder.exeDir(),
                               .config = (home / "config/sorimo/").string(),
                               .userLayouts = (home / "data/sorimo/Layouts/").string()};
  FakeDesktop desktop;
  const std::set<std::string> shipped = FilesIn(folder.path() / "Layouts");
  const std::string traditional = ReadFile(folder.path() / "Layouts" / "Traditional.lay");
  fs::create_directories(folders.userLayouts);
  fs::permissions(folders.userLayouts, fs::perms::all);
  {
    Window w(folders, desktop);
    ASSERT_EQ(w->currentLayoutFile(), folder.exeDir() + "Layouts/Traditional.lay");
    w->action("Editlayout1")->trigger();
    w->action("Movetoright1")->trigger();
    const LayoutCells moved = w->game().Layout;
    fs::permissions(folder.path() / "Layouts", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    {
      PlayerRights player;
      w->action("Saveandexit")->trigger();
    }
    fs::permissions(folder.path() / "Layouts", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(w->game().GameMode, ModeClassic);
    EXPECT_EQ(ReadFile(folder.path() / "Layouts" / "Traditional.lay"), traditional);
    EXPECT_EQ(LoadLayoutFile(folders.userLayouts + "Traditional.lay").cells, moved);
    EXPECT_EQ(w->currentLayoutFile(), folders.userLayouts + "Traditional.lay");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0], "Sorimo: " + folder.exeDir() + "Layouts/ cannot be written to (Permission denied): "
                                   "Traditional.lay is saved in " + folders.userLayouts +
                                   " instead, and the Layout menu plays that copy from now on.");
    EXPECT_EQ(w->layouts().names.size(), shipped.size());
    EXPECT_EQ(w->layouts().names[size_t(w->game().BoardNumber - 1)], "Traditional");

    w->action("CreateLayout1")->trigger();
    BuildSteps(w);
    desktop.files = {folders.userLayouts + "Steps"};
    w->action("Saveandexit")->trigger();
    ASSERT_EQ(desktop.fileDialogs.size(), 1u);
    EXPECT_EQ(desktop.fileDialogs[0], folders.userLayouts + "New Layout.lay") << "the dialog opens in the player's folder";
    EXPECT_TRUE(fs::exists(folders.userLayouts + "Steps.lay"));
    EXPECT_EQ(FilesIn(folder.path() / "Layouts"), shipped) << "nothing is written among the shipped layouts";
    w.Close();
  }
  EXPECT_TRUE(fs::exists(folders.config + "Sorimo.ini"));
  EXPECT_TRUE(fs::exists(folders.config + "Hallfame.ini"));
  EXPECT_FALSE(fs::exists(folder.path() / "Sorimo.ini"));

  // The next run lists both folders, Traditional once, and the player's layout is the one
  // chosen last time.
  Window again(folders, desktop);
  const auto& names = again->layouts().names;
  EXPECT_EQ(names.size(), shipped.size() + 1);
  const auto it = std::find(names.begin(), names.end(), "Traditional");
  ASSERT_NE(it, names.end());
  TSorimoTestPeer::PlayLayoutEntry(*again, int(it - names.begin()) + 1);
  EXPECT_EQ(again->currentLayoutFile(), folders.userLayouts + "Traditional.lay");
  TSorimoTestPeer::PlayLayoutEntry(*again, int(std::find(names.begin(), names.end(), "Steps") - names.begin()) + 1);
  EXPECT_EQ(names[size_t(again->game().BoardNumber - 1)], "Steps");
  EXPECT_EQ(again->currentLayoutFile(), folders.userLayouts + "Steps.lay");
  EXPECT_EQ(again->game().Layout.count(), 144);
}

}  // namespace
}  // namespace sorimo::testing
