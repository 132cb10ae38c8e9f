// The menu bar: every item with its caption and shortcut, bound to its handler and, for the
// options, to the one field of Options that holds its check mark.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/window/cool_menu.h"
#include "app/window/sorimo.h"
#include "app/window/status_bar.h"
#include "app/window/tool_panel.h"

namespace sorimo {

QAction* TSorimo::AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                          std::function<void()> handler, bool Options::*option) {
  auto* a = menu->addAction(caption);
  a->setObjectName(name);
  if (!key.isEmpty()) {
    a->setShortcut(key);
    a->setShortcutContext(Qt::ApplicationShortcut);
  }
  if (option) {
    a->setCheckable(true);
    a->setChecked(options_.*option);
    bound_.emplace_back(a, option);
  }
  if (handler) {
    connect(a, &QAction::triggered, this, [this, a, handler = std::move(handler)] {
      // Qt flips a checkable item before its handler runs; items whose handlers decide the
      // check mark themselves ("Load from disk" asks only when it is already checked) get
      // their mark back first.
      if (a->property("handlerChecks").toBool()) a->setChecked(!a->isChecked());
      handler();
      SyncChecks();
    });
  } else {
    a->setEnabled(false);
  }
  actions_[name] = a;
  return a;
}

// Options are the check marks: after any command the items show what the options hold.
void TSorimo::SyncChecks() {
  for (auto& [a, field] : bound_)
    if (a->isChecked() != options_.*field) a->setChecked(options_.*field);
  static const char* kHighlight[] = {"Highlight1", "Highlight2", "Highlight3", "Highlight4", "Highlight5"};
  for (int i = 0; i < 5; ++i) actions_.at(kHighlight[i])->setChecked(options_.HighlightMode == i);
}

// Flips an option's check mark, as a click on its item does.
static std::function<void()> Toggle(Options& o, bool Options::*field, std::function<void()> then = {}) {
  return [&o, field, then] {
    o.*field = !(o.*field);
    if (then) then();
  };
}

QMenu* TSorimo::AddCoolMenu(const char* title) {
  auto* m = new CoolMenu(title, this);
  menuBar()->addMenu(m);
  coolMenus_.push_back(m);
  return m;
}

// "Cool Menu": the drop-down menus show a title strip.
void TSorimo::ApplyCoolMenu() {
  for (CoolMenu* m : coolMenus_) m->setStrip(options_.CoolMenu1);
}

void TSorimo::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu98");
  const auto key = [](const char* k) { return QKeySequence(k); };
  const QKeySequence none;

  QMenu* m = AddCoolMenu("New");
  AddItem(m, "RandomSolitaireGame1", "Mah-Jongg Solitaire (Random Game)", key("F2"), [this] { RandomSolitaireGame1Click(); });
  AddItem(m, "NewSpecificGame1", "Mah-Jongg Solitaire (Specific Game)", none, [this] { NewSpecificGame1Click(); });
  m->addSeparator();
  // The two-player game and the arcade games come with their own modules.
  AddItem(m, "MahJonggSolitaire2PlayerSingleComputer1", "Mah-Jongg Solitaire (2-Player Game)", key("Shift+F2"), {});
  m->addSeparator();
  AddItem(m, "NewArcadeMahjonggGame1", "Mah-Jongg Rivers (Easy)", key("F3"), {});
  AddItem(m, "MahJonggRiversNewGameHard1", "Mah-Jongg Rivers (Hard)", key("Shift+F3"), {});
  AddItem(m, "MahJonggMemoryNewGame1", "Mah-Jongg Memory (Easy)", key("F4"), {});
  AddItem(m, "MahJonggMemoryNewGameHard1", "Mah-Jongg Memory (Hard)", key("Shift+F4"), {});
  AddItem(m, "MahJonggClicks1", "Mah-Jongg Clicks (Easy)", key("F5"), {});
  AddItem(m, "MahJonggClicksHard1", "Mah-Jongg Clicks (Hard)", key("Shift+F5"), {});
  m->addSeparator();
  AddItem(m, "Exit1", "E&xit", key("Ctrl+C"), [this] { Exit1Click(); });

  m = AddCoolMenu("&Play");
  AddItem(m, "Undo1", "&Back", key("Ctrl+Z"), [this] { Back(); });
  AddItem(m, "GiveHint", "&Hint", key("Ctrl+H"), [this] { Hint(); });
  AddItem(m, "Pause1", "&Pause", key("F12"), [this] { PauseClick(); });
  AddItem(m, "Shuffle1", "Shu&ffle", key("Ctrl+S"), [this] { Shuffle1Click(); });
  AddItem(m, "Stoppe", "&Stop", key("Ctrl+X"), [this] { Stop(); });
  AddItem(m, "Restart1", "&Restart", key("Ctrl+R"), [this] { Restart(); });
  m->addSeparator();
  AddItem(m, "Changeplayername", "&Player Name", none, [this] { ShowScores(); });
  // A state mark of the specific game, never shown.
  AddItem(m, "RandomSeed1", "Random Seed", none, [] {}, &Options::RandomSeed1)->setVisible(false);
  m->addSeparator();
  AddItem(m, "Vertical", "Vertical Variation", none, [this] { VerticalClick(); }, &Options::Vertical);

  m = AddCoolMenu("View");
  AddItem(m, "Invert", "&Invert selection", none, Toggle(options_, &Options::Invert), &Options::Invert);
  m->addSeparator();
  AddItem(m, "CoolMenu1", "Cool Menu", none, Toggle(options_, &Options::CoolMenu1, [this] { ApplyCoolMenu(); }),
          &Options::CoolMenu1);
  AddItem(m, "CoolMouse", "Cool Mouse", none, Toggle(options_, &Options::CoolMouse, [this] { ApplyCursor(); }),
          &Options::CoolMouse);
  AddItem(m, "CoolToolbar", "Cool Toolbar", none, Toggle(options_, &Options::CoolToolbar, [this] {
            tools_->setWallpaper(options_.CoolToolbar);
          }), &Options::CoolToolbar);
  AddItem(m, "FlatButtons", "Cool Buttons", none, Toggle(options_, &Options::FlatButtons, [this] {
            tools_->setFlatButtons(options_.FlatButtons);
          }), &Options::FlatButtons);
  AddItem(m, "CoolStatus", "Cool Status", none, Toggle(options_, &Options::CoolStatus), &Options::CoolStatus);
  m->addSeparator();
  AddItem(m, "ShowTime", "&Show Time Left", key("Ctrl+L"), Toggle(options_, &Options::ShowTime, [this] {
            if (!options_.ShowTime) status_->clearTime();
          }), &Options::ShowTime);
  AddItem(m, "Moves", "Show &Moves Left", key("Ctrl+M"), Toggle(options_, &Options::Moves, [this] {
            if (!options_.Moves) status_->clearMoves();
          }), &Options::Moves);
  AddItem(m, "ShowHallFame", "Show Hall of &Fame", key("Ctrl+F"), [this] { ShowHallPanel(); }, &Options::ShowHallFame);
  AddItem(m, "ShowTitle", "Show Status Bar", key("Ctrl+B"), [this] { ShowTitleClick(); }, &Options::ShowTitle);
  AddItem(m, "ShowGirls", "Show Manga Girls", key("Ctrl+G"), Toggle(options_, &Options::ShowGirls, [this] {
            ShowPanelHOF();
          }), &Options::ShowGirls);
  AddItem(m, "Toolbar1", "Show &Toolbar", key("Ctrl+T"), [this] { Toolbar1Click(); }, &Options::Toolbar1);

  m = AddCoolMenu("&Highlight");
  highlightGroup_ = new QActionGroup(this);
  const char* names[] = {"Highlight1", "Highlight2", "Highlight3", "Highlight4", "Highlight5"};
  const char* captions[] = {"None", "Red Rectangle", "Colored Tile", "Green Rectangle", "Blue Rectangle"};
  // Menu order: None, Red, Green, Blue, Colored Tile; each item keeps its style number.
  for (int i : {0, 1, 3, 4, 2}) {
    QAction* a = AddItem(m, names[i], captions[i], none, [this, i] {
      if (game_.HoverTile) {
        const int h = game_.HoverTile;
        game_.HoverTile = 0;
        game_.RedrawTile(h);
      }
      options_.HighlightMode = i;
      ApplyHighlightColour();
    });
    a->setCheckable(true);
    highlightGroup_->addAction(a);
  }
  m->addSeparator();
  AddItem(m, "ShowCurrentTile", "Show Current Tile", none, Toggle(options_, &Options::ShowCurrentTile, [this] {
            ShowPanelHOF();
          }), &Options::ShowCurrentTile);
  AddItem(m, "OnlyPossibleMoves", "Only Possible Moves", none, Toggle(options_, &Options::OnlyPossibleMoves),
          &Options::OnlyPossibleMoves);

  m = AddCoolMenu("&Configuration");
  AddItem(m, "Winnable", "Winnable Layouts (in at least one way)", none, Toggle(options_, &Options::Winnable), &Options::Winnable);
  AddItem(m, "Shuffable", "Winnable Shuffles (in at least one way)", none, Toggle(options_, &Options::Shuffable), &Options::Shuffable);
  AddItem(m, "EnableHall", "Enable time tracking for the Hall of fame", none, Toggle(options_, &Options::EnableHall), &Options::EnableHall);
  AddItem(m, "Shadows", "Enable 3D shadows on tilesets", none, [this] { ShadowsClick(); }, &Options::Shadows);
  AddItem(m, "GoCheckPause", "Pause game when losing focus", none, Toggle(options_, &Options::GoCheckPause), &Options::GoCheckPause);
  AddItem(m, "StartupGame", "Begin game directly at startup", none, Toggle(options_, &Options::StartupGame), &Options::StartupGame);
  AddItem(m, "Res800", "Switch to 800x600 / High-Color at startup", none, Toggle(options_, &Options::Res800), &Options::Res800);
  AddItem(m, "Animate", "Animate Board while building the tiles", none, Toggle(options_, &Options::Animate), &Options::Animate);
  AddItem(m, "AnimateTileRivers", "Animate Tile Rivers in Mahjongg Rivers", none, Toggle(options_, &Options::AnimateTileRivers), &Options::AnimateTileRivers);
  AddItem(m, "AnimateClicks", "Animate Falling Tiles in Mahjongg Clicks", none, Toggle(options_, &Options::AnimateClicks), &Options::AnimateClicks);
  AddItem(m, "StartMusic", "Run music automatically at startup", none, Toggle(options_, &Options::StartMusic), &Options::StartMusic);
  AddItem(m, "PlaySounds", "Play sound effects", none, Toggle(options_, &Options::PlaySounds), &Options::PlaySounds);
  AddItem(m, "PlayMusic", "Play music", none, Toggle(options_, &Options::PlayMusic), &Options::PlayMusic);

  m = AddCoolMenu("&Background");
  backgroundGroup_ = new QActionGroup(this);
  backgroundGroup_->addAction(AddItem(m, "LoadBackground", "Load from disk", none, [this] { LoadBackgroundClick(); }));
  m->addSeparator();
  backgroundGroup_->addAction(AddItem(m, "None1", "None", none, [this] { None1Click(); }));
  backgroundGroup_->addAction(AddItem(m, "Dragons1", "&Dragons", none, [this] { Dragons1Click(); }));
  backgroundGroup_->addAction(AddItem(m, "Andromeda", "Andromeda", none, [this] { AndromedaClick(); }));
  backgroundGroup_->addAction(AddItem(m, "Kanji1", "&Kanji (classic)", none, [this] { Kanji1Click(); }));
  backgroundGroup_->addAction(AddItem(m, "Catpats", "Catpats", none, [this] { CatpatsClick(); }));

  m = AddCoolMenu("Tileset");
  tilesetGroup_ = new QActionGroup(this);
  tilesetGroup_->addAction(AddItem(m, "Load1", "Load from disk", none, [this] { Load1Click(); }));
  m->addSeparator();
  tilesetGroup_->addAction(AddItem(m, "MahJongg1", "Orange borders", none, [this] { MahJongg1Click(); }));
  tilesetGroup_->addAction(AddItem(m, "MahJongg2", "Dark borders", none, [this] { MahJongg2Click(); }));
  tilesetGroup_->addAction(AddItem(m, "MahJongg3", "Blue borders", none, [this] { MahJongg3Click(); }));
  tilesetGroup_->addAction(AddItem(m, "Lowcolor1", "Few Colors", none, [this] { Lowcolor1Click(); }));
  for (QActionGroup* g : {backgroundGroup_, tilesetGroup_})
    for (QAction* a : g->actions()) {
      a->setCheckable(true);
      a->setProperty("handlerChecks", true);
    }
  // The group would check the item clicked before its handler runs; the handlers move the
  // check mark themselves, as a missing file may send it to "Load from disk" instead.
  backgroundGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  tilesetGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  highlightGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);

  layoutMenu_ = AddCoolMenu("&Layout");
  AddItem(layoutMenu_, "SelectLayout1", "Select Layout", none, {});
  AddItem(layoutMenu_, "CreateLayout1", "Create Layout", none, {});
  AddItem(layoutMenu_, "Editlayout1", "Edit Layout", none, {});
  layoutMenu_->addSeparator();

  m = AddCoolMenu("M&usic");
  AddItem(m, "RandomMusic", "Random Music", none, {}, &Options::RandomMusic);

  m = AddCoolMenu("&Help");
  AddItem(m, "Contents1", "&Contents", key("F1"), {});
  AddItem(m, "WhatsNew1", "What's New", none, {});
  AddItem(m, "French1", "French Help", none, {});
  AddItem(m, "ViewTiles1", "View Tiles", none, {});
  m->addSeparator();
  AddItem(m, "Halloffame1", "&Hall of Fame", key("F10"), [this] { ShowScores(); });
  AddItem(m, "About1", "&About...", key("F11"), [this] { About1Click(); });
}

// Moves the Background menu's check mark to one item.
void TSorimo::CheckBackground(QAction* item) {
  for (QAction* a : backgroundGroup_->actions()) a->setChecked(a == item);
}

void TSorimo::CheckTileset(QAction* item) {
  for (QAction* a : tilesetGroup_->actions()) a->setChecked(a == item);
}

}  // namespace sorimo
