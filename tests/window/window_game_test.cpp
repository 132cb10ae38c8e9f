// The main window driven as a player would: menus, clicks on the board, closing and starting
// again.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <cerrno>
#include <csignal>
#include <fstream>

#include "app/window/status_bar.h"
#include "app/window/welcome_panel.h"
#include "app/window/quit_signals.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

namespace fs = std::filesystem;

TEST(WindowGame, StartsOnTheWelcomePanelWithTraditionalChecked) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_EQ(w->game().GameMode, ModeStopped);
  EXPECT_TRUE(w->welcome()->isVisible());
  EXPECT_EQ(w->layoutName(), "Traditional");
  EXPECT_EQ(w->game().Layout.count(), kTileCount);
  const auto& names = w->layouts().names;
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names[size_t(w->game().BoardNumber - 1)], "Traditional");
}

// A whole winnable classic game, cleared by clicking the tiles where they are drawn.
TEST(WindowGame, ClassicGameClearedByClickingEndsWithTheFinalTime) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("Winnable")->trigger();
  ASSERT_TRUE(w->options().Winnable);
  w->action("RandomSolitaireGame1")->trigger();
  Game& g = w->game();
  ASSERT_EQ(g.GameMode, ModeClassic);
  ASSERT_EQ(g.TilesLeft(), 144);
  EXPECT_FALSE(w->welcome()->isVisible());

  // The pairs in the order the winnable deal took them off.
  std::vector<int> order;
  for (int k = 1; k <= 144; ++k) {
    const Cell c = g.PairList()[size_t(k)];
    order.push_back(g.board().Grid().at(c.x, c.y, c.z));
  }
  desktop.now += 65 * 1000;  // a minute and five seconds of thinking
  w.Tick();
  for (size_t i = 0; i < order.size(); i += 2) {
    w.ClickTile(order[i]);
    ASSERT_EQ(g.choice.FirstSelected, order[i]) << "pair " << i / 2;
    w.ClickTile(order[i + 1]);
    ASSERT_EQ(g.TilesLeft(), 144 - int(i) - 2) << "pair " << i / 2;
  }
  w.Tick();
  ASSERT_EQ(desktop.gameOvers.size(), 1u);
  EXPECT_EQ(desktop.gameOvers[0], "Your final time is 01:05 +hall");
  EXPECT_EQ(desktop.hallWindows, 1);
  EXPECT_EQ(g.GameMode, ModeGameOver);
  EXPECT_TRUE(w->welcome()->isVisible());
  EXPECT_EQ(HallEntryTotal(w->hallTable().At(1, g.BoardNumber)), 65);

  // The result is in the hall of fame file after the program closes.
  w.Close();
  const std::string hall = ReadFile(folder.path() / "Hallfame.ini");
  EXPECT_NE(hall.find("[Traditional]"), std::string::npos);
  EXPECT_NE(hall.find("Rank1=Player1    65    0"), std::string::npos) << hall;
}

// Shift+F2 starts two players on the chosen layout; clearing the board names the player with
// the smaller thinking time and files nothing in the hall of fame.
TEST(WindowGame, TwoPlayerGameNamesTheWinnerAndEntersNoHall) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("Winnable")->trigger();
  const int32_t layoutList = w->game().BoardNumber;
  QAction* start = w->action("MahJonggSolitaire2PlayerSingleComputer1");
  EXPECT_EQ(start->shortcut(), QKeySequence("Shift+F2"));
  ASSERT_TRUE(start->isEnabled());
  start->trigger();
  Game& g = w->game();
  ASSERT_EQ(g.GameMode, ModeTwoPlayer);
  EXPECT_EQ(g.BoardNumber, layoutList);

  std::vector<int> order;
  for (int k = 1; k <= 144; ++k) {
    const Cell c = g.PairList()[size_t(k)];
    order.push_back(g.board().Grid().at(c.x, c.y, c.z));
  }
  // Player 1 thinks one second a turn, player 2 two seconds.
  for (size_t i = 0; i < order.size(); i += 2) {
    desktop.now += (i / 2) % 2 == 0 ? 1000 : 2000;
    w.ClickTile(order[i]);
    w.ClickTile(order[i + 1]);
    ASSERT_EQ(g.TilesLeft(), 144 - int(i) - 2) << "pair " << i / 2;
    if (i == 0) {
      w->action("Undo1")->trigger();
      w->action("GiveHint")->trigger();
      ASSERT_EQ(g.TilesLeft(), 142) << "no move is taken back";
      ASSERT_EQ(g.clock.PenaltySeconds, 0);
    }
  }
  w.Tick();
  ASSERT_EQ(desktop.gameOvers.size(), 1u);
  EXPECT_EQ(desktop.gameOvers[0], "And the winner is... Player 1 !");
  EXPECT_EQ(desktop.hallWindows, 0);
  EXPECT_EQ(g.GameMode, ModeGameOver);
  for (int rank = 1; rank <= 10; ++rank) EXPECT_TRUE(IsPlaceholderEntry(w->hallTable().At(rank, layoutList)));
}

TEST(WindowGame, OptionsAndChoicesSurviveARestart) {
  ProgramFolder folder;
  FakeDesktop desktop;
  {
    Window w(folder, desktop);
    w->action("Shadows")->trigger();
    w->action("Vertical")->trigger();  // no game runs: toggled at once
    w->action("Highlight5")->trigger();
    w->action("MahJongg1")->trigger();
    w->action("Kanji1")->trigger();
    w->action("ShowTitle")->trigger();
    EXPECT_FALSE(w->options().Shadows);
    EXPECT_TRUE(w->options().Vertical);
    w->game().RandomSeed = 4242;
  }
  const std::string ini = ReadFile(folder.path() / "Sorimo.ini");
  EXPECT_EQ(ini.rfind("[Sorimo]", 0), 0u) << ini;
  EXPECT_NE(ini.find("Shadows=0"), std::string::npos);
  EXPECT_NE(ini.find("Highlight=4"), std::string::npos);
  {
    Window w(folder, desktop);
    EXPECT_FALSE(w->options().Shadows);
    EXPECT_FALSE(w->action("Shadows")->isChecked());
    EXPECT_TRUE(w->options().Vertical);
    EXPECT_TRUE(w->action("Vertical")->isChecked());
    EXPECT_EQ(w->options().HighlightMode, HighlightBlueRectangle);
    EXPECT_TRUE(w->action("Highlight5")->isChecked());
    EXPECT_TRUE(w->action("MahJongg1")->isChecked());
    EXPECT_FALSE(w->action("MahJongg3")->isChecked());
    EXPECT_TRUE(w->action("Kanji1")->isChecked());
    EXPECT_FALSE(w->options().ShowTitle);
    EXPECT_FALSE(w->statusLine()->isVisible());
    EXPECT_EQ(w->game().RandomSeed, 4242);
  }
}

TEST(WindowGame, AWindowThatCannotSaveAsksBeforeClosing) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  ASSERT_TRUE(desktop.questions.empty());
  // Meanwhile a folder took the settings file's place: the file cannot be written.
  fs::create_directories(folder.path() / "Sorimo.ini" / "blocked");
  desktop.answers = {false};
  w->close();
  QApplication::processEvents();
  ASSERT_EQ(desktop.questions.size(), 1u);
  EXPECT_NE(desktop.questions[0].find("Unable to write to " + folder.exeDir() + "Sorimo.ini"), std::string::npos)
      << desktop.questions[0];
  EXPECT_TRUE(w->isVisible());  // No keeps the window open
  desktop.answers = {true};
  w->close();
  QApplication::processEvents();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(desktop.questions.size(), 2u);
  w.window.reset();
}

// Files that are there but cannot be used are named once at the start, not after a session
// whose results they would lose; the player may decline to start. Nothing is added to them.
TEST(WindowGame, DamagedStoresAreNamedAtTheStartAndLeftAsTheyAre) {
  ProgramFolder folder;
  fs::create_directories(folder.path() / "Sorimo.ini" / "blocked");
  const std::string utf16("\xFF\xFE[\0R\0i\0v\0e\0r\0s\0]\0\n\0", 20);
  std::ofstream(folder.path() / "Hallfame.ini", std::ios::binary) << utf16;
  auto hallBytes = [&] {
    std::ifstream in(folder.path() / "Hallfame.ini", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  {
    FakeDesktop desktop;
    desktop.answers = {false};
    TSorimo declined(ProgramFolders{.data = folder.exeDir(), .config = folder.exeDir(),
                                    .userLayouts = folder.exeDir() + "Layouts/"},
                     desktop.services());
    EXPECT_TRUE(declined.startupFailed());
    EXPECT_EQ(declined.startupError(), "");
    EXPECT_EQ(desktop.questions.size(), 1u);
  }
  FakeDesktop desktop;
  Window w(folder, desktop);
  ASSERT_EQ(desktop.questions.size(), 1u);
  for (const char* name : {"Sorimo.ini", "Hallfame.ini"})
    EXPECT_NE(desktop.questions[0].find(folder.exeDir() + name), std::string::npos) << desktop.questions[0];
  EXPECT_NE(desktop.questions[0].find("will not be kept"), std::string::npos);
  w->close();
  QApplication::processEvents();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(desktop.questions.size(), 1u) << "the player was told at the start";
  w.window.reset();
  EXPECT_EQ(hallBytes(), utf16);
  EXPECT_TRUE(fs::is_directory(folder.path() / "Sorimo.ini"));
}

// A logout's quit signal waits for no answer: what cannot be saved is said on the error output.
TEST(WindowGame, AQuitSignalEndsWithoutAQuestion) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  fs::create_directories(folder.path() / "Sorimo.ini" / "blocked");
  CatchQuitSignals();
  CloseOnQuitSignal(w.window.get());
  ::testing::internal::CaptureStderr();
  ASSERT_EQ(::raise(SIGTERM), 0);
  for (int i = 0; i < 100 && w->isVisible(); ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(desktop.questions.empty());
  EXPECT_NE(said.find("Unable to write to " + folder.exeDir() + "Sorimo.ini"), std::string::npos) << said;
  EXPECT_TRUE(fs::exists(folder.path() / "Hallfame.ini")) << "what could be saved was";
}

// The chosen layout's file was damaged (UTF-16, garbage): it is named once, and the first
// listed layout that reads is played instead, for this run; the stored choice stays.
TEST(WindowGame, ADamagedChosenLayoutIsNamedAndTheFirstGoodOneIsPlayed) {
  ProgramFolder folder;
  std::ofstream(folder.path() / "Sorimo.ini") << "[Sorimo]\nBoardNumber=23\n";
  std::ofstream(folder.path() / "Layouts" / "Traditional.lay", std::ios::binary)
      << std::string("\xFF\xFES\0o\0r\0i\0m\0o\0\n\0", 16);
  FakeDesktop desktop;
  {
    Window w(folder, desktop);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find("Traditional.lay"), std::string::npos) << desktop.messages[0];
    EXPECT_EQ(w->currentLayoutFile(), folder.exeDir() + "Layouts/Arena.lay");
    EXPECT_EQ(w->layoutName(), "Arena");
    w->game().NewGame();
    EXPECT_EQ(w->game().TilesLeft(), kTileCount);
    EXPECT_EQ(desktop.messages.size(), 1u) << desktop.messages.back();
  }
  auto storedChoice = [&] {
    std::ifstream settings(folder.path() / "Sorimo.ini");
    const std::string text((std::istreambuf_iterator<char>(settings)), std::istreambuf_iterator<char>());
    return text.find("BoardNumber=23\n") != std::string::npos;
  };
  EXPECT_TRUE(storedChoice());
  // A FIFO in its place for a while: it is named, another layout is played, the choice stays.
  fs::remove(folder.path() / "Layouts" / "Traditional.lay");
  ASSERT_EQ(::mkfifo((folder.path() / "Layouts" / "Traditional.lay").c_str(), 0600), 0);
  Window(folder, desktop).Close();
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_NE(desktop.messages[1].find("Traditional.lay"), std::string::npos) << desktop.messages[1];
  EXPECT_TRUE(storedChoice());
}

// A picture that fails once (damaged, on a folder not mounted yet) shows a stand-in for this
// run; the player's choices stay in the settings for the start after it is mended.
TEST(WindowGame, APictureThatFailsOnceLeavesTheStoredChoices) {
  ProgramFolder folder;
  const std::string choices = "Background=5\nLastLoadedBackground=" + folder.exeDir() + "away/mine.jpg\n";
  std::ofstream(folder.path() / "Sorimo.ini") << "[Sorimo]\n" << choices;
  std::ofstream(folder.path() / "Backgrounds" / "catpats.jpg") << "not a picture";
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_EQ(desktop.messages.size(), 1u);
  EXPECT_NE(w->options().Background, 5) << "the stand-in is shown";
  w.Close();
  std::ifstream settings(folder.path() / "Sorimo.ini");
  const std::string text((std::istreambuf_iterator<char>(settings)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find(choices), std::string::npos) << text;
}

// A copy whose folder became read-only keeps the player's files in the player's own folder:
// those beside the program are carried over once, and the player is told where they now are.
TEST(WindowGame, FilesBesideAReadOnlyCopyAreCarriedToThePlayersFolder) {
  ProgramFolder folder;
  std::ofstream(folder.path() / "Sorimo.ini") << "[Sorimo]\nCurrentPlayer1=Zed\n";
  std::ofstream(folder.path() / "Hallfame.ini") << "[Rivers]\nRank1=Zed        40    0\n";
  const fs::path config = folder.path() / "home" / "sorimo";
  FakeDesktop desktop;
  {
    Window w(ProgramFolders{.data = folder.exeDir(), .config = config.string() + "/",
                            .userLayouts = folder.exeDir() + "Layouts/"},
             desktop);
    EXPECT_EQ(w->settingsValues().CurrentPlayer1, "Zed");
    EXPECT_EQ(w->hallTable().At(1, kRiversEasyColumn), "Zed        40    0");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(config.string()), std::string::npos) << desktop.messages[0];
  }
  EXPECT_TRUE(fs::exists(config / "Sorimo.ini"));
  EXPECT_TRUE(fs::exists(config / "Hallfame.ini"));
  // Once carried over, the player's folder is where they live: nothing more is said.
  Window(ProgramFolders{.data = folder.exeDir(), .config = config.string() + "/",
                        .userLayouts = folder.exeDir() + "Layouts/"},
         desktop).Close();
  EXPECT_EQ(desktop.messages.size(), 1u);
}

// Files the player made read-only are not replaced behind their back: closing asks, and the
// question names every file that could not be saved.
TEST(WindowGame, ReadOnlySettingsAndScoresAreRespectedAndBothNamed) {
  ProgramFolder folder;
  for (const char* name : {"Sorimo.ini", "Hallfame.ini"}) {
    std::ofstream(folder.path() / name) << "[Sorimo]\r\n";
    fs::permissions(folder.path() / name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  FakeDesktop desktop;
  Window w(folder, desktop);
  desktop.answers = {true};
  w->close();
  QApplication::processEvents();
  ASSERT_EQ(desktop.questions.size(), 1u);
  EXPECT_NE(desktop.questions[0].find(folder.exeDir() + "Sorimo.ini"), std::string::npos) << desktop.questions[0];
  EXPECT_NE(desktop.questions[0].find(folder.exeDir() + "Hallfame.ini"), std::string::npos) << desktop.questions[0];
  w.window.reset();
  std::ifstream settings(folder.path() / "Sorimo.ini");
  const std::string text((std::istreambuf_iterator<char>(settings)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "[Sorimo]\r\n");
}

TEST(WindowGame, ChoosingALayoutStartsAGameAndABadFileKeepsTheGame) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("RandomSolitaireGame1")->trigger();
  Game& g = w->game();

  // A layout file that lost its data line is refused; the game goes on untouched.
  {
    std::ofstream bad(folder.path() / "Layouts" / "Traditional.lay", std::ios::binary | std::ios::trunc);
    bad << "Sorimo 3.0\r\nTraditional\r\n0101\r\n";
  }
  QMenu* layoutMenu = LayoutMenu(*w);
  ASSERT_NE(layoutMenu, nullptr);
  QAction* traditional = nullptr;
  QAction* other = nullptr;
  for (QAction* a : layoutMenu->actions()) {
    if (a->text() == "Traditional") traditional = a;
    else if (a->data().toInt() == -2 && !other) other = a;
  }
  ASSERT_NE(traditional, nullptr);
  ASSERT_NE(other, nullptr);
  other->trigger();  // the layout in play is not the broken one
  ASSERT_TRUE(other->isChecked());
  const TileRecords before = g.board().Records();
  const int boardBefore = g.BoardNumber;
  const std::string fileBefore = w->currentLayoutFile(), nameBefore = w->layoutName();
  const std::string statusBefore = g.status.StatusMessage;
  QAction* checkedBefore = nullptr;
  for (QAction* a : layoutMenu->actions())
    if (a->data().toInt() == -2 && a->isChecked()) checkedBefore = a;
  ASSERT_NE(checkedBefore, nullptr);
  const auto keepsTheLayoutInPlay = [&, before](const char* why) {
    EXPECT_EQ(g.board().Records(), before) << why;
    EXPECT_EQ(g.GameMode, ModeClassic) << why;
    EXPECT_EQ(g.BoardNumber, boardBefore) << why << ": results would be filed under the wrong layout";
    EXPECT_EQ(w->currentLayoutFile(), fileBefore) << why;
    EXPECT_EQ(w->layoutName(), nameBefore) << why;
    EXPECT_EQ(g.status.StatusMessage, statusBefore) << why;
    for (QAction* a : layoutMenu->actions())
      if (a->data().toInt() == -2) {
        EXPECT_EQ(a->isChecked(), a == checkedBefore) << why << ": " << a->text().toStdString();
      }
  };
  traditional->trigger();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_NE(desktop.messages[0].find("Traditional"), std::string::npos) << desktop.messages[0];
  keepsTheLayoutInPlay("a file without its data");

  // A file of another kind would lend only its name to the cells in play: refused too.
  {
    std::ofstream other(folder.path() / "Layouts" / "Traditional.lay", std::ios::binary | std::ios::trunc);
    other << "Something else 1.0\r\nTraditional\r\n" << std::string(3400, '0') << "\r\n";
  }
  traditional->trigger();
  ASSERT_EQ(desktop.messages.size(), 2u);
  // The message says what happened: nothing of the file was taken.
  EXPECT_EQ(desktop.messages[1],
            "Sorimo: Traditional.lay is not a valid layout file: it does not begin with \"Sorimo 3.0\".");
  keepsTheLayoutInPlay("a file of another kind");

  other->trigger();
  EXPECT_TRUE(other->isChecked());
  EXPECT_FALSE(traditional->isChecked());
  EXPECT_EQ(w->layoutName(), other->text().toStdString());
  EXPECT_EQ(g.TilesLeft(), 144);
  EXPECT_EQ(g.status.StatusMessage.rfind("Layout ", 0), 0u) << g.status.StatusMessage;
}

// A save killed half-way leaves its new content beside the file; the next start removes it.
// A layout of the foreign format dropped into the Layouts folder is listed after the native
// ones under its file name, played when chosen, and chosen again at the next start.
TEST(WindowGame, AnExternalLayoutIsListedPlayedAndRemembered) {
  ProgramFolder folder;
  {
    std::ofstream shp(folder.path() / "Layouts" / "Field.shp", std::ios::binary);
    for (int i = 0; i < 144; ++i) {
      char line[32];
      std::snprintf(line, sizeof line, "000%02X%02X00 tile\r\n", 2 * (i % 16), 2 * (i / 16));
      shp << line;
    }
    std::ofstream(folder.path() / "Layouts" / "Broken.shp", std::ios::binary) << "000000000\r\n";
  }
  const std::string path = folder.exeDir() + "Layouts/Field.shp";
  FakeDesktop desktop;
  int32_t fieldEntry = 0;
  {
    Window w(folder, desktop);
    QMenu* menu = LayoutMenu(*w);
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    QAction* field = nullptr;
    QAction* broken = nullptr;
    QAction* lastNative = nullptr;
    for (QAction* a : items) {
      if (a->text() == "Field.shp") field = a;
      else if (a->text() == "Broken.shp") broken = a;
      else if (a->data().toInt() == -2) lastNative = a;
    }
    ASSERT_NE(field, nullptr);
    ASSERT_NE(broken, nullptr);
    EXPECT_GT(items.indexOf(field), items.indexOf(lastNative)) << "after the native layouts";

    field->trigger();
    Game& g = w->game();
    ASSERT_EQ(g.GameMode, ModeClassic);
    EXPECT_EQ(g.TilesLeft(), 144);
    EXPECT_EQ(g.Layout.at(2, 2, 1), 1);
    EXPECT_EQ(g.Layout.at(32, 18, 1), 1);
    EXPECT_EQ(w->layoutName(), path);
    EXPECT_EQ(w->currentLayoutFile(), path);
    EXPECT_TRUE(field->isChecked());
    fieldEntry = g.BoardNumber;
    EXPECT_EQ(w->layouts().names[size_t(fieldEntry - 1)], "Field.shp");
    QString upper = QString::fromStdString(path);
    for (QChar& c : upper)
      if (c >= 'a' && c <= 'z') c = c.toUpper();
    EXPECT_EQ(g.status.StatusMessage, "Layout " + upper.toStdString() + " selected.");

    // A file that does not follow the format changes nothing.
    const TileRecords before = g.board().Records();
    broken->trigger();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0], "Sorimo: Broken.shp is not a valid layout file: it has 1 lines instead of 144.");
    EXPECT_TRUE(field->isChecked());
    EXPECT_FALSE(broken->isChecked());
    EXPECT_EQ(g.BoardNumber, fieldEntry);
    EXPECT_EQ(g.board().Records(), before);
  }
  Window again(folder, desktop);
  EXPECT_EQ(again->game().BoardNumber, fieldEntry);
  EXPECT_EQ(again->layoutName(), path);
  EXPECT_EQ(again->game().Layout.count(), 144);
}

// "Select Layout" holds the game while the player looks; a layout chosen there is played as
// its menu item would play it, and Cancel lets the game go on.
TEST(WindowGame, TheLayoutChooserHoldsTheGameAndPlaysWhatIsChosen) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  desktop.now += 3000;
  w.Tick();
  const TileRecords before = g.board().Records();
  int pyramid = -1;
  desktop.chooseLayout = [&](const ChooseLayoutModel& model) {
    EXPECT_EQ(g.GameMode, ModePaused);
    desktop.now += 60000;  // a minute spent looking at pictures
    EXPECT_EQ(model.names, w->layouts().names);
    for (size_t i = 0; i < model.names.size(); ++i)
      if (model.names[i] == "Pyramid") pyramid = int(i);
    const LayoutReadResult read = model.read(pyramid);
    EXPECT_EQ(read.status, LayoutReadStatus::Loaded);
    EXPECT_EQ(model.picture(read.cells).size(), QSize(206, 138));
    return -1;
  };
  ASSERT_TRUE(w->toolButton("LayoutButton")->isEnabled());
  w->toolButton("LayoutButton")->click();
  EXPECT_EQ(g.GameMode, ModeClassic) << "Cancel: the game goes on";
  EXPECT_EQ(g.board().Records(), before);
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "00:03") << "the minute in the chooser is not counted";

  desktop.chooseLayout = [&](const ChooseLayoutModel&) { return pyramid; };
  w->action("SelectLayout1")->trigger();
  EXPECT_EQ(g.GameMode, ModeClassic);
  EXPECT_EQ(g.BoardNumber, pyramid + 1);
  EXPECT_EQ(w->layoutName(), "Pyramid");
  EXPECT_EQ(w->currentLayoutFile(), folder.exeDir() + "Layouts/Pyramid.lay");
  EXPECT_EQ(g.clock.ElapsedSeconds, 0) << "a new game";
  for (QAction* item : LayoutMenu(*w)->actions()) {
    if (item->data().toInt() != -2) continue;
    EXPECT_EQ(item->isChecked(), item->text() == "Pyramid") << item->text().toStdString();
  }
}

TEST(WindowGame, TheStartRemovesWhatKilledSavesLeftBehind) {
  long gone = 0;
  for (long pid = 4000000; pid > 1000 && gone == 0; --pid)
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH) gone = pid;
  ASSERT_NE(gone, 0);
  ProgramFolder folder;
  const fs::path settingsLeft = folder.path() / ("Sorimo.ini.new-" + std::to_string(gone) + "-1");
  const fs::path layoutLeft = folder.path() / "Layouts" / ("Arena.lay.tmp" + std::to_string(gone) + "-0");
  // The player's own files, however much they look like leftovers, stay.
  const std::vector<fs::path> notOurs = {
      folder.path() / "Sorimo.ini.bak", folder.path() / ("Scores backup.new-" + std::to_string(gone) + "-11"),
      folder.path() / "Layouts" / ("notes.new-" + std::to_string(gone) + "-2")};
  for (const fs::path& p : {settingsLeft, layoutLeft}) std::ofstream(p) << "x";
  for (const fs::path& p : notOurs) std::ofstream(p) << "x";
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_FALSE(fs::exists(settingsLeft));
  EXPECT_FALSE(fs::exists(layoutLeft));
  for (const fs::path& p : notOurs) EXPECT_TRUE(fs::exists(p)) << p;
}

// A layout whose file name is not valid UTF-8 (an old Latin-1 name) is listed and opens.
TEST(WindowGame, ALayoutWhoseFileNameIsNotUtf8Opens) {
  ProgramFolder folder;
  fs::copy_file(folder.path() / "Layouts" / "Traditional.lay", folder.path() / "Layouts" / "Caf\xe9.lay");
  FakeDesktop desktop;
  Window w(folder, desktop);
  QMenu* layoutMenu = LayoutMenu(*w);
  ASSERT_NE(layoutMenu, nullptr);
  QAction* cafe = nullptr;
  for (QAction* a : layoutMenu->actions())
    if (a->data().toInt() == -2 && a->text().startsWith("Caf")) cafe = a;
  ASSERT_NE(cafe, nullptr) << "the layout is listed";
  cafe->trigger();
  EXPECT_TRUE(desktop.messages.empty()) << desktop.messages.front();
  EXPECT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_EQ(w->currentLayoutFile(), folder.exeDir() + "Layouts/Caf\xe9.lay");
  EXPECT_TRUE(cafe->isChecked());
}

// A FIFO named like the settings or like a layout is no file to read: the start goes on.
TEST(WindowGame, FifosNamedLikeOurFilesNeverHangTheStart) {
  ProgramFolder folder;
  ASSERT_EQ(::mkfifo((folder.path() / "Sorimo.ini").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((folder.path() / "Hallfame.ini").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((folder.path() / "Layouts" / "Zz Pipe.lay").c_str(), 0600), 0);
  ::alarm(30);  // a read that waits for a writer would end the test program here
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_FALSE(w->startupFailed());
  EXPECT_EQ(w->game().GameMode, ModeStopped);
  ::alarm(0);
}

TEST(WindowGame, NoLayoutFileEndsTheStart) {
  ProgramFolder folder;
  fs::remove_all(folder.path() / "Layouts");
  fs::create_directories(folder.path() / "Layouts");
  FakeDesktop desktop;
  TSorimo w(folder.exeDir(), desktop.services());
  EXPECT_TRUE(w.startupFailed());
  EXPECT_NE(w.startupError().find("No layout file"), std::string::npos);
}

}  // namespace
}  // namespace sorimo::testing
