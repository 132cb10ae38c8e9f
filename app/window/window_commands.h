// The menus, the toolbar buttons and the welcome-panel buttons made from the command table,
// with the check marks that show the options and the enabled states that follow the game mode.
#pragma once

#include <QObject>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "app/window/command_table.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolButton;
class QPushButton;

namespace sorimo {

class CoolMenu;
class ToolPanel;
class WelcomePanel;

class WindowCommands : public QObject {
  Q_OBJECT
 public:
  WindowCommands(TSorimo& window, Options& options, QMenuBar* bar, ToolPanel* tools, WelcomePanel* welcome);

  QAction* action(const std::string& name) const;
  QToolButton* toolButton(const std::string& name) const;
  QMenu* menu(MenuId id) const;

  // Options are the check marks: every bound item shows what the options hold.
  void SyncChecks();
  // The one place where commands are enabled or disabled by the game mode.
  void UpdateCommandStates(uint8_t gameMode);
  // "Cool Menu": the drop-down menus show a title strip.
  void SetCoolMenu(bool on);

 private:
  struct Built {
    const CommandRow* row = nullptr;
    QAction* action = nullptr;  // one per item; a choice group has several
    std::vector<QAction*> choices;
    QToolButton* tool = nullptr;
    QPushButton* welcome = nullptr;
  };
  struct ChoiceMark {
    QAction* action;
    int32_t Options::*field;
    int32_t number;
  };

  QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* shortcut);
  void Run(const CommandRow& row);
  void RunChoice(const ChoiceGroup& group, const ChoiceRow& choice);
  // What every command ends with: the marks and enabled states follow what it changed
  // (`TSorimo::GameChanged`).
  void Done();
  int statesMode_ = -1;  // the mode UpdateCommandStates last applied

  TSorimo& window_;
  Options& options_;
  std::array<CoolMenu*, kMenuCount> menus_{};
  std::vector<Built> built_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QToolButton*> buttons_;
  std::vector<std::pair<QAction*, bool Options::*>> optionMarks_;
  std::vector<ChoiceMark> choiceMarks_;
};

}  // namespace sorimo
