// The hall of fame window and saving a layout under a new name, in the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <fstream>

#include "app/dialogs/hall_window.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

namespace fs = std::filesystem;

QMenu* LayoutMenu(TSorimo& w) {
  for (QAction* a : w.menuBar()->actions())
    if (a->text() == "&Layout") return a->menu();
  return nullptr;
}

TEST(WindowHall, TypingANameAfterAWinRenamesTheNewEntryEverywhere) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  w->action("RandomSolitaireGame1")->trigger();
  const int column = w->game().BoardNumber;
  w->host().AddHall(column, 299, 40);  // what the end of a qualifying game does
  ASSERT_EQ(w->newEntryRank(), 1);

  THallWindow hall(w.window.get(), TSorimoTestPeer::HallModelAfterWin(*w));
  EXPECT_EQ(hall.Names[0]->text(), "Player1 ");
  EXPECT_EQ(hall.Totals[0]->text(), "04:59");
  EXPECT_EQ(hall.Maluses[0]->text(), "00:40");
  EXPECT_NE(hall.Names[0]->styleSheet().indexOf("#008080"), -1);  // the new entry stands out
  // Looking at another list, then typing: the game's list comes back with the new name.
  hall.LayoutComboBox->setCurrentIndex(hall.EntryOfColumn(kRiversEasyColumn));
  hall.LayoutComboBoxChange();
  EXPECT_EQ(hall.Label23->text(), "Time");
  hall.PlayerName->clear();
  QTest::keyClicks(hall.PlayerName, "Lotusflower");  // at most 8 characters fit
  EXPECT_EQ(hall.LayoutComboBox->currentIndex(), hall.EntryOfColumn(column));
  EXPECT_EQ(w->hallTable().At(1, column).substr(0, 8), "Lotusflo");
  EXPECT_EQ(w->settingsValues().CurrentPlayer1, "Lotusflo");
  EXPECT_EQ(TSorimoTestPeer::PanelModelNow(*w).newEntryRank, 1);

  // Another game's list, on the panel and in the window: its rank 1 is no new entry.
  w->action("MahJonggMemoryNewGame1")->trigger();
  ASSERT_NE(w->game().BoardNumber, column);
  EXPECT_EQ(TSorimoTestPeer::PanelModelNow(*w).newEntryRank, 0);
  EXPECT_EQ(w->HallModel().newEntryRank, 0);
}

TEST(WindowHall, ResetAskedAndCancelledKeepsTheList) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const int column = w->game().BoardNumber;
  w->host().AddHall(column, 100, 0);
  THallWindow hall(w.window.get(), w->HallModel());
  desktop.answers = {false};
  hall.DeleteHighscoresClick();
  EXPECT_EQ(HallEntryTotal(w->hallTable().At(1, column)), 100);
  desktop.answers = {true};
  hall.DeleteHighscoresClick();
  EXPECT_EQ(HallEntryTotal(w->hallTable().At(1, column)), 300);
  EXPECT_EQ(desktop.questions.size(), 2u);
  // The Clicks lists count tiles, not time.
  hall.LayoutComboBox->setCurrentIndex(hall.EntryOfColumn(kClicksHardColumn));
  hall.LayoutComboBoxChange();
  EXPECT_EQ(hall.Label23->text(), "Score");
  EXPECT_EQ(hall.Totals[0]->text(), "  20");
  EXPECT_EQ(hall.Maluses[0]->text(), "");
}

TEST(WindowHall, SavingUnderANewNameListsTheLayoutOnce) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QMenu* menu = LayoutMenu(*w);
  ASSERT_NE(menu, nullptr);
  const int itemsBefore = int(menu->actions().size());

  // Cancelling the file dialog writes nothing.
  w->setCurrentLayoutFile("");
  desktop.files = {""};
  EXPECT_EQ(TSorimoTestPeer::SaveLayout(*w), TSorimo::SaveOutcome::Cancelled);
  EXPECT_EQ(menu->actions().size(), itemsBefore);

  // The extension test counts letter case: Arena.LAY becomes Arena.LAY.lay, listed as Arena.LAY.
  w->setCurrentLayoutFile("");
  desktop.files = {folder.exeDir() + "Layouts/Arena.LAY"};
  EXPECT_EQ(TSorimoTestPeer::SaveLayout(*w), TSorimo::SaveOutcome::Listed);
  EXPECT_TRUE(fs::exists(folder.path() / "Layouts" / "Arena.LAY.lay"));
  ASSERT_EQ(menu->actions().size(), itemsBefore + 1);
  QAction* added = menu->actions().back();
  EXPECT_EQ(added->text(), "Arena.LAY");
  EXPECT_TRUE(added->isChecked());
  EXPECT_EQ(w->game().BoardNumber, int(w->layouts().names.size()));
  EXPECT_EQ(w->game().GameMode, ModeIdle);

  // Saving again under the same name does not add a second item.
  EXPECT_EQ(TSorimoTestPeer::SaveLayout(*w), TSorimo::SaveOutcome::Listed);
  EXPECT_EQ(menu->actions().size(), itemsBefore + 1);
  EXPECT_EQ(fs::file_size(folder.path() / "Layouts" / "Arena.LAY.lay"), 10u + 2 + w->layoutName().size() + 2 + 3400 + 2);
}

}  // namespace
}  // namespace sorimo::testing
