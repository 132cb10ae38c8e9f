// The layout editor in the window: its menu and panel in place of the main menu and the
// toolbar while the game is in the editor mode, the commands that open and leave it, and the
// four moves of the whole layout. The rules of placing and removing tiles are the game's own
// (engine/modes/editor.cpp).
#include <QAction>
#include <QMenuBar>
#include <algorithm>

#include "app/window/cool_menu.h"
#include "app/window/editor_panel.h"
#include "app/window/sorimo.h"
#include "app/window/tool_panel.h"
#include "app/window/window_commands.h"
#include "files/whole_file_read.h"
#include "layouts/layout_list.h"
#include "layouts/layout_reader.h"
#include "layouts/layout_save.h"

namespace sorimo {

namespace {

// A file name proposed for a layout: its name, without what a file name cannot hold.
std::string FileNameFor(const std::string& layoutName) {
  std::string name;
  for (const char c : layoutName) name += (c == '/' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
  while (!name.empty() && (name.front() == '.' || name.front() == ' ')) name.erase(name.begin());
  return (name.empty() ? std::string(NewLayoutName) : name) + ".lay";
}

}  // namespace

void TSorimo::BuildEditorMenu() {
  auto* exitMenu = new CoolMenu("Exit", this);
  auto* moveMenu = new CoolMenu("Move Board", this);
  editorMenus_ = {exitMenu, moveMenu};
  struct Item {
    QMenu* menu;
    const char* name;
    const char* caption;
    const char* shortcut;
    std::function<void()> run;
  };
  const Item items[] = {
      {exitMenu, "Saveandexit", "Save", nullptr, [this] { SaveandexitClick(EditorLeave::Save); }},
      {exitMenu, "Saveasandexit", "Save as...", nullptr, [this] { SaveandexitClick(EditorLeave::SaveAs); }},
      {exitMenu, "Cancel1", "Try it", nullptr, [this] { SaveandexitClick(EditorLeave::TryIt); }},
      {exitMenu, "Cancel2", "Exit", nullptr, [this] { Cancel2Click(); }},
      {moveMenu, "Movetoleft1", "Move to left <", "Ctrl+S", [this] { MoveLayout(game_, BoardShift::Left); }},
      {moveMenu, "Movetoright1", "Move to right >", "Ctrl+D", [this] { MoveLayout(game_, BoardShift::Right); }},
      {moveMenu, "Movetotop1", "Move to top /\\", "Ctrl+E", [this] { MoveLayout(game_, BoardShift::Top); }},
      {moveMenu, "Movetobottom1", "Move to bottom \\/", "Ctrl+X", [this] { MoveLayout(game_, BoardShift::Bottom); }},
  };
  QList<QKeySequence> boardKeys;
  for (const Item& item : items) {
    if (std::string(item.name) == "Cancel2") item.menu->addSeparator()->setObjectName("N16");
    QAction* a = item.menu->addAction(item.caption);
    a->setObjectName(item.name);
    if (item.shortcut) {
      a->setShortcut(QKeySequence(item.shortcut));
      a->setShortcutContext(Qt::ApplicationShortcut);
      boardKeys << a->shortcut();
    }
    a->setEnabled(false);  // the editor's keys are free for the game's commands until it opens
    connect(a, &QAction::triggered, this, [this, run = item.run] {
      run();
      GameChanged();
    });
    editorActions_[item.name] = a;
  }
  editorPanel_->setBoardKeys(boardKeys);
  for (QMenu* m : editorMenus_) {
    menuBar()->addMenu(m);
    m->menuAction()->setVisible(false);
  }
}

// The menu bar and the bar under it follow the mode: the editor's menu and panel while it is
// open, the main menu and the toolbar otherwise. "Show Toolbar" shows whichever bar is in use.
void TSorimo::FollowEditorChrome() {
  const bool editor = game_.GameMode == ModeEditor;
  if (editor == editorChrome_) return;
  editorChrome_ = editor;
  for (int i = 0; i < kMenuCount; ++i) commands_->menu(MenuId(i))->menuAction()->setVisible(!editor);
  for (QMenu* m : editorMenus_) m->menuAction()->setVisible(editor);
  for (auto& [name, a] : editorActions_) a->setEnabled(editor);
  tools_->setVisible(!editor && options_.Toolbar1);
  editorPanel_->setVisible(editor && options_.Toolbar1);
  FitWindow();
}

void TSorimo::CreateLayout1Click() { OpenEditor(true); }

void TSorimo::Editlayout1Click() { OpenEditor(false); }

void TSorimo::OpenEditor(bool create) {
  // What "Exit" goes back to should the layout's file no longer be readable then.
  beforeEditor_ = {game_.Layout, LayoutName, game_.LayoutFrom};
  if (create) game_.LayoutFrom = LayoutOrigin::Created;
  sorimo::OpenEditor(game_, create);
  if (create) LayoutName = NewLayoutName;
  // An external layout is known by its file's path, which is no name for a layout of its own:
  // the layout saved from it is named after the file, as its menu entry will be.
  if (!create && IsExternalLayoutEntry(LayoutName)) {
    const std::string file = FileNameOf(LayoutName);
    LayoutName = file.substr(0, file.size() - 4);
  }
  editorPanel_->setLayoutName(LayoutName);
  editorPanel_->setTilesLeft(game_.ModeData<EditorState>().TilesLeft);
  game_.status.ShowStatus("      ");
  StartGameCommand(&Game::NewGame);
}

void TSorimo::SaveandexitClick(EditorLeave how) {
  const bool finished = EditorFinished(game_);
  editorPanel_->setTilesLeft(game_.ModeData<EditorState>().TilesLeft);
  if (!finished) {
    desktop_.warn("Sorimo", EditorUnfinishedText);
    editorPanel_->dropFocus();
    return;
  }
  LayoutName = editorPanel_->layoutName();

  bool filed = false;  // written to a file that the Layout menu lists
  if (how != EditorLeave::TryIt) {
    // A new layout never lands on another's file, and an external layout is never written
    // in its own format: both ask for a native file name, as "Save as..." does.
    const bool external = IsExternalLayoutEntry(CurrentLayoutFile);
    std::string proposal;
    const bool created = game_.LayoutFrom == LayoutOrigin::Created;
    if (how == EditorLeave::SaveAs || created || external || CurrentLayoutFile.empty()) {
      if (external)
        proposal = FileNameOf(CurrentLayoutFile.substr(0, CurrentLayoutFile.size() - 4)) + ".lay";
      else if (!created && !CurrentLayoutFile.empty())
        proposal = FileNameOf(CurrentLayoutFile);
      else
        proposal = FileNameFor(LayoutName);
      CurrentLayoutFile.clear();
    }
    const SaveOutcome saved = SaveLayout(proposal);
    if (saved == SaveOutcome::Failed) return;  // the editor stays open, the layout unchanged
    filed = saved == SaveOutcome::Listed;
    // Written somewhere: the layout has a file of its own now, listed or not.
    if (saved != SaveOutcome::Cancelled) game_.LayoutFrom = LayoutOrigin::Edited;
  }

  CloseEditor(game_, ModeIdle);
  if (filed)
    game_.LayoutFrom = LayoutOrigin::ListedFile;
  else if (game_.LayoutFrom != LayoutOrigin::Created)
    game_.LayoutFrom = LayoutOrigin::Edited;
  StartGameCommand(&Game::BeginGame);
}

void TSorimo::Cancel2Click() {
  game_.ModeData<EditorState>().Ghost = kNoGhost;
  const int count = int(layouts_.names.size());
  const ResolvedLayout resolved =
      ResolveLayoutFile([this](const std::string& entry) { return LayoutsDirOf(entry); }, layouts_.names,
                        std::min(game_.BoardNumber, count), IsRegularFile);
  CurrentLayoutFile = resolved.path;
  ChooseLayout(resolved.boardNumber);
  CloseEditor(game_, ModeClassic);

  const LayoutReadResult read = LoadLayoutFile(CurrentLayoutFile);
  if (read.status == LayoutReadStatus::Loaded) {
    UseLayout(read);
    return;
  }
  // The file went or was spoilt while the editor was open: the layout held before comes back.
  ShowError(read.message);
  game_.Layout = beforeEditor_.layout;
  LayoutName = beforeEditor_.name;
  game_.LayoutFrom = beforeEditor_.origin;
  StartGameCommand(&Game::BeginGame);
}

// After a click the counter shows what is left, and the ghost moves on to where the next
// tile would go without waiting for the pointer to move.
void TSorimo::AfterEditorClick(int x, int y) {
  editorPanel_->setTilesLeft(game_.ModeData<EditorState>().TilesLeft);
  FormMouseMove(x, y);
}

// A name typed in the panel is work as much as the tiles placed.
bool TSorimo::LeaveEditorAtExit() {
  if (game_.GameMode != ModeEditor) return true;
  if (!game_.ModeData<EditorState>().Changed && editorPanel_->layoutName() == LayoutName) return true;
  return desktop_.ask("Sorimo", "The layout you are building has not been saved.\n\nQuit anyway?", true,
                      EnterAnswers::Refuse);
}

}  // namespace sorimo
