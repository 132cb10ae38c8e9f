#include "app/window/window_commands.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <string_view>

#include "app/window/cool_menu.h"
#include "app/window/sorimo.h"
#include "app/window/tool_panel.h"
#include "app/window/welcome_panel.h"

namespace sorimo {

WindowCommands::WindowCommands(TSorimo& window, Options& options, QMenuBar* bar, ToolPanel* tools,
                               WelcomePanel* welcome)
    : QObject(&window), window_(window), options_(options) {
  for (int i = 0; i < kMenuCount; ++i) {
    menus_[size_t(i)] = new CoolMenu(MenuTitle(MenuId(i)), &window);
    bar->addMenu(menus_[size_t(i)]);
  }

  const auto rows = CommandTable();
  built_.reserve(rows.size());
  for (const CommandRow& row : rows) {
    Built b;
    b.row = &row;
    QMenu* m = menu(row.menu);
    if (row.group) {
      if (row.separatorBefore) m->addSeparator();
      for (const ChoiceRow& choice : row.group->rows) {
        QAction* a = AddItem(m, choice.name, choice.caption, nullptr);
        a->setCheckable(true);
        choiceMarks_.push_back({a, row.group->field, choice.number});
        connect(a, &QAction::triggered, this, [this, group = row.group, &choice] { RunChoice(*group, choice); });
        b.choices.push_back(a);
      }
      if (row.separatorAfter) m->addSeparator();
    } else if (row.name) {
      if (row.separatorBefore) m->addSeparator();
      QAction* a = AddItem(m, row.name, row.caption, row.shortcut);
      if (row.menuGlyph) a->setIcon(QIcon(row.menuGlyph));
      if (row.option) {
        a->setCheckable(true);
        a->setChecked(options_.*row.option);
        optionMarks_.emplace_back(a, row.option);
      }
      if (row.choice) {
        a->setCheckable(true);
        choiceMarks_.push_back({a, row.choice, row.choiceNumber});
      }
      a->setVisible(!row.hidden);
      connect(a, &QAction::triggered, this, [this, &row] { Run(row); });
      b.action = a;
      if (row.separatorAfter) m->addSeparator();
    }
    built_.push_back(b);
  }

  // The toolbar and the welcome panel place their buttons by slot, left to right.
  std::vector<Built*> toolRows, welcomeRows;
  for (Built& b : built_) {
    if (b.row->tool.slot) toolRows.push_back(&b);
    if (b.row->welcome.slot) welcomeRows.push_back(&b);
  }
  std::sort(toolRows.begin(), toolRows.end(), [](Built* x, Built* y) { return x->row->tool.slot < y->row->tool.slot; });
  for (Built* b : toolRows) {
    const ToolButtonSpec& t = b->row->tool;
    b->tool = tools->addButton(t.name, t.caption, t.hint, t.glyph);
    buttons_[t.name] = b->tool;
    connect(b->tool, &QToolButton::clicked, this, [this, row = b->row] { Run(*row); });
  }
  tools->addStretch();
  std::sort(welcomeRows.begin(), welcomeRows.end(),
            [](Built* x, Built* y) { return x->row->welcome.slot < y->row->welcome.slot; });
  for (Built* b : welcomeRows) {
    const WelcomeButtonSpec& w = b->row->welcome;
    b->welcome = welcome->addButton(w.slot, w.name, w.caption);
    connect(b->welcome, &QPushButton::clicked, this, [this, row = b->row] { Run(*row); });
  }
  UpdateCommandStates(ModeIdle);
}

QAction* WindowCommands::AddItem(QMenu* menu, const char* name, const char* caption, const char* shortcut) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  if (shortcut) {
    a->setShortcut(QKeySequence(shortcut));
    a->setShortcutContext(Qt::ApplicationShortcut);
  }
  actions_[name] = a;
  return a;
}

QAction* WindowCommands::action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* WindowCommands::menu(MenuId id) const { return menus_[size_t(id)]; }

QToolButton* WindowCommands::toolButton(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void WindowCommands::Run(const CommandRow& row) {
  // A command while the solver plays stops its play first; its own command then does no more.
  if (window_.game().StopSolving() && row.name && std::string_view(row.name) == "SolveBoard1") {
    Done();
    return;
  }
  if (row.option && row.flips) options_.*row.option = !(options_.*row.option);
  if (row.startMode != 0)
    window_.StartGameCommand([&row](Game& g) { return g.StartMode(row.startMode, row.startColumn); });
  else if (row.handler)
    row.handler(window_);
  Done();
}

void WindowCommands::RunChoice(const ChoiceGroup& group, const ChoiceRow& choice) {
  group.handler(window_, choice);
  Done();
}

void WindowCommands::Done() { window_.GameChanged(); }

// Qt flips a checkable item before its handler runs; whatever the handler decided, the marks
// end up showing the options.
void WindowCommands::SyncChecks() {
  for (auto& [a, field] : optionMarks_)
    if (a->isChecked() != options_.*field) a->setChecked(options_.*field);
  for (const ChoiceMark& m : choiceMarks_) {
    const bool on = options_.*m.field == m.number;
    if (m.action->isChecked() != on) m.action->setChecked(on);
  }
}

void WindowCommands::UpdateCommandStates(uint8_t gameMode) {
  // The states follow the mode alone: the same mode leaves them as they are.
  if (gameMode == statesMode_) return;
  statesMode_ = gameMode;
  for (const Built& b : built_) {
    const bool enabled = EnabledIn(*b.row, gameMode);
    if (b.action) b.action->setEnabled(enabled);
    for (QAction* a : b.choices) a->setEnabled(enabled);
    if (b.tool) b.tool->setEnabled(enabled);
    if (b.welcome) b.welcome->setEnabled(enabled);
  }
}

void WindowCommands::SetCoolMenu(bool on) {
  for (CoolMenu* m : menus_) m->setStrip(on);
}

}  // namespace sorimo
