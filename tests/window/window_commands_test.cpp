// The command table and what the window makes of it: one row wires the menu item, the toolbar
// button and the welcome button of a command, and the game mode enables all three together.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <set>

#include "app/window/command_table.h"
#include "app/window/cool_menu.h"
#include "app/window/tool_panel.h"
#include "app/window/welcome_panel.h"
#include "app/window/window_commands.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

std::string RowName(const CommandRow& row) {
  if (row.group) return row.group->rows[0].name;
  return row.name ? row.name : row.tool.name;
}

TEST(CommandTable, NamesSlotsAndShortcutsAreEachUsedOnce) {
  std::set<std::string> names, shortcuts;
  std::set<int> toolSlots, welcomeSlots;
  const auto claim = [](auto& used, const auto& value, const char* what) {
    EXPECT_TRUE(used.insert(value).second) << what << " used twice: " << value;
  };
  for (const CommandRow& row : CommandTable()) {
    if (row.group) {
      for (const ChoiceRow& c : row.group->rows) claim(names, std::string(c.name), "name");
    } else if (row.name) {
      claim(names, std::string(row.name), "name");
    }
    // Two items with one shortcut would leave the key doing nothing.
    if (row.shortcut) claim(shortcuts, std::string(row.shortcut), "shortcut");
    if (row.tool.slot) {
      claim(toolSlots, row.tool.slot, "toolbar slot");
      claim(names, std::string(row.tool.name), "name");
    }
    if (row.welcome.slot) {
      claim(welcomeSlots, row.welcome.slot, "welcome slot");
      claim(names, std::string(row.welcome.name), "name");
    }
    EXPECT_TRUE(row.handler || row.flips || row.group || row.startMode) << RowName(row) << " runs nothing";
    EXPECT_NE(row.modes, 0u) << RowName(row) << " is never enabled";
  }
  // The toolbar and the welcome panel have no gaps: two buttons a game group, four others.
  EXPECT_EQ(toolSlots.size(), 11u);
  EXPECT_EQ(*toolSlots.rbegin(), 11);
  const int gameSlots = 2 * int(1 + ArcadeColumns().size() / 2);
  EXPECT_EQ(welcomeSlots.size(), size_t(gameSlots + 4));
  EXPECT_EQ(*welcomeSlots.lower_bound(kOthersSlot - 1), kOthersSlot);
  EXPECT_EQ(*std::prev(welcomeSlots.lower_bound(kOthersSlot)), gameSlots);
  EXPECT_EQ(*welcomeSlots.rbegin(), kOthersSlot + 3);
}

// "Every mode" is every mode registered, however many there are, but the editor's, which has
// its own menu; a mode value no mode claims enables nothing.
TEST(CommandTable, EveryModeMeansEveryRegisteredMode) {
  for (const ModeDescription* d : RegisteredModes()) EXPECT_EQ(EnabledIn(kEveryMode, d->mode), !d->ownMenu) << d->traits.name;
  EXPECT_FALSE(EnabledIn(kEveryMode, kMaxModeValue));
  EXPECT_TRUE(EnabledIn(kEveryMode | ModeBit(ModeEditor), ModeEditor));
}

TEST(WindowCommands, TheMenuBarToolbarAndWelcomePanelComeFromTheTable) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QStringList titles;
  for (QAction* a : w->menuBar()->actions())
    if (a->isVisible()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"New", "&Play", "View", "&Highlight", "&Configuration", "&Background", "Tileset",
                                 "&Layout", "M&usic", "&Help"}));
  for (const CommandRow& row : CommandTable()) {
    if (row.name && !row.group) {
      QAction* a = w->action(row.name);
      ASSERT_NE(a, nullptr) << row.name;
      EXPECT_EQ(a->text(), row.caption);
      EXPECT_EQ(a->shortcut(), QKeySequence(row.shortcut ? row.shortcut : ""));
      EXPECT_EQ(a->isCheckable(), row.option || row.choice) << row.name;
      EXPECT_EQ(a->isVisible(), !row.hidden) << row.name;
    }
    if (row.tool.slot) {
      QToolButton* b = w->toolButton(row.tool.name);
      ASSERT_NE(b, nullptr) << row.tool.name;
      EXPECT_EQ(b->text(), row.tool.caption);
      EXPECT_EQ(b->toolTip(), row.tool.hint);
    }
    if (row.welcome.slot) {
      EXPECT_EQ(w->welcome()->button(row.welcome.name)->text(), row.welcome.caption);
    }
  }
  // Left to right as the slots say.
  const auto tools = w->toolPanel()->findChildren<QToolButton*>();
  std::vector<std::pair<int, std::string>> byPosition;
  for (QToolButton* b : tools) byPosition.emplace_back(b->x(), b->objectName().toStdString());
  std::sort(byPosition.begin(), byPosition.end());
  ASSERT_EQ(byPosition.size(), 11u);
  EXPECT_EQ(byPosition.front().second, "ExplorerButton1");
  EXPECT_EQ(byPosition[6].second, "LayoutButton");
  EXPECT_EQ(byPosition.back().second, "ExitButton");
}

// The one place that enables by mode reaches every control of a row.
TEST(WindowCommands, EveryModeEnablesTheMenuItemAndItsButtonsTogether) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  WindowCommands* commands = w->findChild<WindowCommands*>();
  ASSERT_NE(commands, nullptr);
  for (uint8_t mode = ModeIdle; mode <= ModePaused; ++mode) {
    commands->UpdateCommandStates(mode);
    for (const CommandRow& row : CommandTable()) {
      const bool enabled = EnabledIn(row, mode);
      const std::string what = RowName(row) + " in mode " + std::to_string(mode);
      if (row.group) {
        for (const ChoiceRow& c : row.group->rows) EXPECT_EQ(w->action(c.name)->isEnabled(), enabled) << what;
      } else if (row.name && !row.hidden) {  // Qt counts a hidden item as disabled
        EXPECT_EQ(w->action(row.name)->isEnabled(), enabled) << what;
      }
      if (row.tool.slot) {
        EXPECT_EQ(w->toolButton(row.tool.name)->isEnabled(), enabled) << what;
      }
      if (row.welcome.slot) {
        EXPECT_EQ(w->welcome()->button(row.welcome.name)->isEnabled(), enabled) << what;
      }
    }
  }
  // The commands of today stay on.
  commands->UpdateCommandStates(ModeClassic);
  EXPECT_TRUE(w->action("Contents1")->isEnabled());
  EXPECT_TRUE(w->toolButton("HelpButton")->isEnabled());
  EXPECT_TRUE(w->welcome()->button("BitBtn2")->isEnabled());
  EXPECT_TRUE(w->action("Undo1")->isEnabled());
  EXPECT_TRUE(w->welcome()->button("BitBtn1")->isEnabled());
  // A command that would do nothing in a mode is off there, as the mode's description says.
  const auto enabledIn = [&](uint8_t mode) {
    commands->UpdateCommandStates(mode);
    std::string on;
    for (const char* name : {"Undo1", "GiveHint", "Shuffle1", "Restart1"})
      if (w->action(name)->isEnabled()) on += std::string(on.empty() ? "" : " ") + name;
    return on;
  };
  EXPECT_EQ(enabledIn(ModeClassic), "Undo1 GiveHint Shuffle1 Restart1");
  EXPECT_EQ(enabledIn(ModeMemory), "");
  EXPECT_EQ(enabledIn(ModeClicks), "Undo1 Restart1");
  EXPECT_EQ(enabledIn(ModeTwoPlayer), "Shuffle1");
  EXPECT_EQ(w->toolButton("ExplorerButton2")->isEnabled(), false) << "Back's button goes with it";
}

TEST(WindowCommands, MenuToolbarAndWelcomeButtonRunTheSameCommand) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  int abouts = 0;
  w->desktop().aboutWindow = [&] { ++abouts; };
  w->action("About1")->trigger();
  w->toolButton("AboutButton")->click();
  w->welcome()->button("BitBtn12")->click();
  EXPECT_EQ(abouts, 3);
  w->action("Halloffame1")->trigger();
  w->action("Changeplayername")->trigger();
  w->toolButton("HallFameButton")->click();
  w->welcome()->button("BitBtn11")->click();
  EXPECT_EQ(desktop.hallWindows, 4);

  // The welcome panel's "Classic" deals a game like F2; the toolbar's "New" deals another.
  w->welcome()->button("BitBtn1")->click();
  ASSERT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_FALSE(w->welcome()->isVisible());
  const TileRecords first = w->game().board().Records();
  w->desktop().timeOfDayMs = [] { return uint32_t(4242); };  // the next deal's number
  w->toolButton("ExplorerButton1")->click();
  EXPECT_EQ(w->game().GameMode, ModeClassic);
  EXPECT_NE(w->game().board().Records(), first);
  // The option items flip their option once, whichever way they are reached.
  const bool moves = w->options().Moves;
  w->action("Moves")->trigger();
  EXPECT_EQ(w->options().Moves, !moves);
  EXPECT_EQ(w->action("Moves")->isChecked(), !moves);
}

// Opening a dialog on the welcome screen sets the paused mode without a game to pause; the
// focus it takes must not turn the pause button into "Play".
TEST(WindowCommands, ADialogTakingTheFocusOnTheWelcomeScreenLeavesThePauseCaption) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  QApplication::setActiveWindow(w.window.get());
  QApplication::processEvents();
  ASSERT_EQ(w->game().GameMode, ModeStopped);
  QString during;
  w->desktop().aboutWindow = [&] {
    QWidget dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::processEvents();
    EXPECT_EQ(w->game().GameMode, ModePaused);
    during = w->toolButton("PauseButton")->text();
  };
  w->action("About1")->trigger();
  EXPECT_EQ(during, "Pause");
  QApplication::setActiveWindow(w.window.get());
  QApplication::processEvents();
  EXPECT_EQ(w->game().GameMode, ModeStopped);
  EXPECT_EQ(w->toolButton("PauseButton")->text(), "Pause");
}

// The refresh after a command sets only what changed: a hint leaves every caption, picture,
// mark and enabled state as it was, and no menu item or button is told to redraw.
TEST(WindowCommands, ACommandThatChangesNoChromeTouchesNoMenuItem) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  int changes = 0;
  for (QAction* a : w->findChildren<QAction*>()) QObject::connect(a, &QAction::changed, [&changes] { ++changes; });
  w->action("GiveHint")->trigger();
  w->action("GiveHint")->trigger();
  EXPECT_EQ(changes, 0);
  w->action("Pause1")->trigger();
  EXPECT_GT(changes, 0) << "the pause command's caption and picture change";
}

// Whatever the window's width, a toolbar button shows its whole caption or none: captions
// cut to "S…e" tell the player nothing.
TEST(WindowCommands, ToolbarCaptionsAreWholeWithOrWithoutTheHallPanel) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  auto checkButtons = [&](const char* when) {
    QApplication::processEvents();
    int withCaption = 0;
    for (const CommandRow& row : CommandTable()) {
      if (!row.tool.name) continue;
      QToolButton* b = w->toolButton(row.tool.name);
      ASSERT_TRUE(b->isVisible()) << row.tool.name;
      EXPECT_GE(b->width(), b->sizeHint().width()) << row.tool.name << " " << when;
      if (b->toolButtonStyle() == Qt::ToolButtonTextBesideIcon) ++withCaption;
    }
    EXPECT_EQ(withCaption, 11) << when << ": the default fonts leave room for every caption";
  };
  checkButtons("with the panel");
  EXPECT_EQ(w->toolButton("ExplorerButton1")->iconSize(), QSize(20, 20));
  EXPECT_NE(w->toolButton("ExplorerButton1")->property("fit").toString(), "small");
  w->action("ShowHallFame")->trigger();
  checkButtons("without the panel");
  // Back with the panel, the buttons take their full size again.
  w->action("ShowHallFame")->trigger();
  checkButtons("with the panel again");
  EXPECT_EQ(w->toolButton("ExplorerButton1")->iconSize(), QSize(20, 20));
}

// The one-item Music menu shows the whole name on its title strip.
TEST(WindowCommands, TheMenuTitleStripFitsAShortMenu) {
  QWidget owner;
  CoolMenu menu("M&usic", &owner);
  menu.addAction("Random Music");
  const QSize plain = menu.sizeHint();
  menu.setStrip(true);
  const int name = QFontMetrics(CoolMenu::StripFont(menu.font())).horizontalAdvance(CoolMenu::kStripText);
  EXPECT_GE(menu.sizeHint().height(), name + 2 * CoolMenu::kStripEnds);
  EXPECT_GT(menu.sizeHint().height(), plain.height());
  EXPECT_GE(menu.sizeHint().width(), plain.width());
  // A long menu keeps its own height.
  for (int i = 0; i < 12; ++i) menu.addAction("Piece " + QString::number(i));
  menu.setStrip(false);
  const int longPlain = menu.sizeHint().height();
  menu.setStrip(true);
  EXPECT_EQ(menu.sizeHint().height(), longPlain);
}

}  // namespace
}  // namespace sorimo::testing
