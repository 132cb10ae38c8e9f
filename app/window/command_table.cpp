#include "app/window/command_table.h"

#include <array>
#include <string_view>
#include <vector>

#include "app/window/sorimo.h"
#include "app/window/status_bar.h"
#include "app/window/tool_panel.h"

namespace sorimo {

namespace {

template <void (TSorimo::*Method)()>
void Call(TSorimo& w) {
  (w.*Method)();
}

// A command the game logic carries out alone.
template <void (Game::*Command)()>
void OnGame(TSorimo& w) {
  (w.game().*Command)();
}

template <void (TSorimo::*Method)(const ChoiceRow&)>
void CallWith(TSorimo& w, const ChoiceRow& row) {
  (w.*Method)(row);
}

constexpr const char* kMenuTitles[kMenuCount] = {"New",        "&Play",   "View",    "&Highlight", "&Configuration",
                                                 "&Background", "Tileset", "&Layout", "M&usic",     "&Help"};

constexpr const char* kGlyphNew = ":/toolbar/new.png";
constexpr const char* kGlyphBack = ":/toolbar/back.png";
constexpr const char* kGlyphHint = ":/toolbar/hint.png";
constexpr const char* kGlyphShuffle = ":/toolbar/shuffle.png";
constexpr const char* kGlyphPause = ":/toolbar/pause.png";
constexpr const char* kGlyphLayout = ":/toolbar/layout.png";
constexpr const char* kGlyphAbout = ":/toolbar/about.png";
constexpr const char* kGlyphHall = ":/toolbar/hall.png";
constexpr const char* kGlyphExit = ":/toolbar/exit.png";

using M = MenuId;
using O = Options;

}  // namespace

// The window's commands are private to it; the table names them from within this friend.
struct CommandRows {
  // A command that deals a new game; a layout that cannot be dealt is reported.
  template <DealResult (Game::*Start)()>
  static void Deal(TSorimo& w) {
    w.StartGameCommand(Start);
  }

  static const ChoiceGroup kHighlightGroup, kBackgroundGroup, kTilesetGroup;
  static const CommandRow kCommands[];
};

const ChoiceGroup CommandRows::kHighlightGroup = {&Options::HighlightMode, HighlightChoices(),
                                                  CallWith<&TSorimo::HighlightClick>};
const ChoiceGroup CommandRows::kBackgroundGroup = {&Options::Background, BackgroundChoices(),
                                                   CallWith<&TSorimo::BackgroundClick>};
const ChoiceGroup CommandRows::kTilesetGroup = {&Options::Tileset, TilesetChoices(), CallWith<&TSorimo::TilesetClick>};

// Every command of the menus, the toolbar and the welcome panel; the arcade games' start
// commands come from their descriptions (MakeCommandTable).
const CommandRow CommandRows::kCommands[] = {
    // ---- New
    {.menu = M::New, .name = "RandomSolitaireGame1", .caption = "Mah-Jongg Solitaire (Random Game)", .shortcut = "F2",
     .handler = Deal<&Game::RandomSolitaireGame1Click>, .menuGlyph = kGlyphNew,
     .welcome = {1, "BitBtn1", "Classic"}},
    {.menu = M::New, .name = "NewSpecificGame1", .caption = "Mah-Jongg Solitaire (Specific Game)",
     .handler = Deal<&Game::NewSpecificGame1Click>},
    {.menu = M::New, .separatorBefore = true, .separatorAfter = true, .name = "MahJonggSolitaire2PlayerSingleComputer1",
     .caption = "Mah-Jongg Solitaire (2-Player Game)", .shortcut = "Shift+F2",
     .menuGlyph = kGlyphNew, .welcome = {2, "BitBtn2", "Two Players"}, .startMode = ModeTwoPlayer},
    {.menu = M::New, .separatorBefore = true, .name = "Exit1", .caption = "E&xit", .shortcut = "Ctrl+C",
     .handler = Call<&TSorimo::Exit1Click>, .menuGlyph = kGlyphExit,
     .tool = {11, "ExitButton", "Exit", "Don't leave me !! :(", kGlyphExit}, .welcome = {kOthersSlot + 3, "BitBtn9", "Exit"}},

    // ---- Play
    {.menu = M::Play, .name = "Undo1", .caption = "&Back", .shortcut = "Ctrl+Z", .handler = OnGame<&Game::Back>,
     .allowedBy = &ModeTraits::allowsUndo, .menuGlyph = kGlyphBack, .tool = {2, "ExplorerButton2", "Back", "Undo move", kGlyphBack}},
    {.menu = M::Play, .name = "GiveHint", .caption = "&Hint", .shortcut = "Ctrl+H", .handler = OnGame<&Game::Hint>,
     .allowedBy = &ModeTraits::allowsHint, .menuGlyph = kGlyphHint, .tool = {3, "ExplorerButton3", "Hint", "Show possible moves", kGlyphHint}},
    {.menu = M::Play, .name = "Pause1", .caption = "&Pause", .shortcut = "F12", .handler = OnGame<&Game::PauseClick>,
     .menuGlyph = kGlyphPause, .tool = {5, "PauseButton", "Pause", "Pause game", kGlyphPause}},
    {.menu = M::Play, .name = "Shuffle1", .caption = "Shu&ffle", .shortcut = "Ctrl+S",
     .handler = OnGame<&Game::Shuffle1Click>, .allowedBy = &ModeTraits::allowsShuffle, .menuGlyph = kGlyphShuffle,
     .tool = {4, "ShuffleButton", "Shuffle", "Shuffle tiles", kGlyphShuffle}},
    {.menu = M::Play, .name = "Stoppe", .caption = "&Stop", .shortcut = "Ctrl+X", .handler = OnGame<&Game::Stop>},
    {.menu = M::Play, .name = "Restart1", .caption = "&Restart", .shortcut = "Ctrl+R",
     .handler = OnGame<&Game::Restart>, .allowedBy = &ModeTraits::allowsUndo},
    {.menu = M::Play, .name = "SolveBoard1", .caption = "Solve this board", .handler = OnGame<&Game::SolveThisBoard>,
     .modes = ModeBit(ModeClassic)},
    {.menu = M::Play, .separatorBefore = true, .name = "Changeplayername", .caption = "&Player Name",
     .handler = Call<&TSorimo::ShowScores>},
    // The mark of a specific game, kept with the options and never shown.
    {.menu = M::Play, .name = "RandomSeed1", .caption = "Random Seed", .handler = [](TSorimo&) {},
     .option = &O::RandomSeed1, .hidden = true},
    {.menu = M::Play, .separatorBefore = true, .name = "Vertical", .caption = "Vertical Variation",
     .handler = OnGame<&Game::VerticalClick>, .option = &O::Vertical},

    // ---- View
    {.menu = M::View, .separatorAfter = true, .name = "Invert", .caption = "&Invert selection",
     .option = &O::Invert, .flips = true},
    {.menu = M::View, .name = "CoolMenu1", .caption = "Cool Menu", .handler = Call<&TSorimo::ApplyCoolMenu>,
     .option = &O::CoolMenu1, .flips = true},
    {.menu = M::View, .name = "CoolMouse", .caption = "Cool Mouse", .handler = Call<&TSorimo::ApplyCursor>,
     .option = &O::CoolMouse, .flips = true},
    {.menu = M::View, .name = "CoolToolbar", .caption = "Cool Toolbar",
     .handler = [](TSorimo& w) { w.toolPanel()->setWallpaper(w.options().CoolToolbar); },
     .option = &O::CoolToolbar, .flips = true},
    {.menu = M::View, .name = "FlatButtons", .caption = "Cool Buttons",
     .handler = [](TSorimo& w) { w.toolPanel()->setFlatButtons(w.options().FlatButtons); },
     .option = &O::FlatButtons, .flips = true},
    {.menu = M::View, .separatorAfter = true, .name = "CoolStatus", .caption = "Cool Status",
     .option = &O::CoolStatus, .flips = true},
    {.menu = M::View, .name = "ShowTime", .caption = "&Show Time Left", .shortcut = "Ctrl+L",
     .handler = [](TSorimo& w) { if (!w.options().ShowTime) w.statusLine()->clearTime(); },
     .option = &O::ShowTime, .flips = true},
    {.menu = M::View, .name = "Moves", .caption = "Show &Moves Left", .shortcut = "Ctrl+M",
     .handler = [](TSorimo& w) { if (!w.options().Moves) w.statusLine()->clearMoves(); },
     .option = &O::Moves, .flips = true},
    {.menu = M::View, .name = "ShowHallFame", .caption = "Show Hall of &Fame", .shortcut = "Ctrl+F",
     .handler = Call<&TSorimo::ShowHallPanel>, .option = &O::ShowHallFame},
    {.menu = M::View, .name = "ShowTitle", .caption = "Show Status Bar", .shortcut = "Ctrl+B",
     .handler = Call<&TSorimo::ShowTitleClick>, .option = &O::ShowTitle},
    {.menu = M::View, .name = "ShowGirls", .caption = "Show Manga Girls", .shortcut = "Ctrl+G",
     .handler = Call<&TSorimo::ShowPanelHOF>, .option = &O::ShowGirls, .flips = true},
    {.menu = M::View, .name = "Toolbar1", .caption = "Show &Toolbar", .shortcut = "Ctrl+T",
     .handler = Call<&TSorimo::Toolbar1Click>, .modes = kEveryMode | ModeBit(ModeEditor), .option = &O::Toolbar1},

    // ---- Highlight
    {.menu = M::Highlight, .separatorAfter = true, .group = &kHighlightGroup},
    {.menu = M::Highlight, .name = "ShowCurrentTile", .caption = "Show Current Tile",
     .handler = Call<&TSorimo::ShowPanelHOF>, .option = &O::ShowCurrentTile, .flips = true},
    {.menu = M::Highlight, .name = "OnlyPossibleMoves", .caption = "Only Possible Moves",
     .option = &O::OnlyPossibleMoves, .flips = true},

    // ---- Configuration
    {.menu = M::Configuration, .name = "Winnable", .caption = "Winnable Layouts (in at least one way)",
     .option = &O::Winnable, .flips = true},
    {.menu = M::Configuration, .name = "Shuffable", .caption = "Winnable Shuffles (in at least one way)",
     .option = &O::Shuffable, .flips = true},
    {.menu = M::Configuration, .name = "EnableHall", .caption = "Enable time tracking for the Hall of fame",
     .option = &O::EnableHall, .flips = true},
    {.menu = M::Configuration, .name = "Shadows", .caption = "Enable 3D shadows on tilesets",
     .handler = Call<&TSorimo::ShadowsClick>, .option = &O::Shadows},
    {.menu = M::Configuration, .name = "GoCheckPause", .caption = "Pause game when losing focus",
     .option = &O::GoCheckPause, .flips = true},
    {.menu = M::Configuration, .name = "StartupGame", .caption = "Begin game directly at startup",
     .option = &O::StartupGame, .flips = true},
    {.menu = M::Configuration, .name = "Res800", .caption = "Switch to 800x600 / High-Color at startup",
     .option = &O::Res800, .flips = true},
    {.menu = M::Configuration, .name = "Animate", .caption = "Animate Board while building the tiles",
     .option = &O::Animate, .flips = true},
    {.menu = M::Configuration, .name = "AnimateTileRivers", .caption = "Animate Tile Rivers in Mahjongg Rivers",
     .option = &O::AnimateTileRivers, .flips = true},
    {.menu = M::Configuration, .name = "AnimateClicks", .caption = "Animate Falling Tiles in Mahjongg Clicks",
     .option = &O::AnimateClicks, .flips = true},
    {.menu = M::Configuration, .name = "StartMusic", .caption = "Run music automatically at startup",
     .option = &O::StartMusic, .flips = true},
    {.menu = M::Configuration, .name = "PlaySounds", .caption = "Play sound effects", .option = &O::PlaySounds,
     .flips = true},
    {.menu = M::Configuration, .name = "PlayMusic", .caption = "Play music", .handler = Call<&TSorimo::PlayMusicClick>,
     .option = &O::PlayMusic, .flips = true},
    {.menu = M::Configuration, .separatorBefore = true, .name = "WarnUnclearable",
     .caption = "Warn when the board can no longer be cleared", .option = &O::WarnUnclearable, .flips = true},

    // ---- Background and Tileset
    {.menu = M::Background, .separatorAfter = true, .name = "LoadBackground", .caption = "Load from disk",
     .handler = Call<&TSorimo::LoadBackgroundClick>, .choice = &O::Background, .choiceNumber = kLoadBackgroundNumber},
    {.menu = M::Background, .group = &kBackgroundGroup},
    {.menu = M::Tileset, .separatorAfter = true, .name = "Load1", .caption = "Load from disk",
     .handler = Call<&TSorimo::Load1Click>, .choice = &O::Tileset, .choiceNumber = kLoadTilesetNumber},
    {.menu = M::Tileset, .group = &kTilesetGroup},

    // ---- Layout (the layout files are listed after these)
    {.menu = M::Layout, .name = "SelectLayout1", .caption = "Select Layout", .handler = Call<&TSorimo::SelectLayout1Click>,
     .menuGlyph = kGlyphLayout, .tool = {7, "LayoutButton", "Layout", "Choose new layout", kGlyphLayout}},
    {.menu = M::Layout, .name = "CreateLayout1", .caption = "Create Layout", .handler = Call<&TSorimo::CreateLayout1Click>},
    {.menu = M::Layout, .separatorAfter = true, .name = "Editlayout1", .caption = "Edit Layout",
     .handler = Call<&TSorimo::Editlayout1Click>},

    // ---- Music (the music files are listed after these)
    {.menu = M::Music, .name = "RandomMusic", .caption = "Random Music", .handler = Call<&TSorimo::RandomMusicClick>,
     .option = &O::RandomMusic, .flips = true},

    // ---- Help
    {.menu = M::Help, .name = "Contents1", .caption = "&Contents", .shortcut = "F1", .handler = Call<&TSorimo::HelpClick>,
     .tool = {8, "HelpButton", "?", "Help :)", ":/toolbar/help.png"}, .welcome = {kOthersSlot, "BitBtn8", "Help"}},
    {.menu = M::Help, .name = "WhatsNew1", .caption = "What's New", .handler = Call<&TSorimo::WhatsNew1Click>},
    {.menu = M::Help, .name = "French1", .caption = "French Help", .handler = Call<&TSorimo::French1Click>},
    {.menu = M::Help, .separatorAfter = true, .name = "ViewTiles1", .caption = "View Tiles",
     .handler = Call<&TSorimo::ViewTiles1Click>},
    {.menu = M::Help, .name = "Halloffame1", .caption = "&Hall of Fame", .shortcut = "F10",
     .handler = Call<&TSorimo::ShowScores>, .menuGlyph = kGlyphHall,
     .tool = {10, "HallFameButton", "Hall", "Best of the best :)", kGlyphHall}, .welcome = {kOthersSlot + 1, "BitBtn11", "Hall"}},
    {.menu = M::Help, .name = "About1", .caption = "&About...", .shortcut = "F11", .handler = Call<&TSorimo::About1Click>,
     .menuGlyph = kGlyphAbout, .tool = {9, "AboutButton", "About", "Who made this game", kGlyphAbout},
     .welcome = {kOthersSlot + 2, "BitBtn12", "About"}},

    // ---- Only on the toolbar
    {.name = nullptr, .handler = Deal<&Game::NewGame>, .tool = {1, "ExplorerButton1", "New", "New game", kGlyphNew}},
    {.name = nullptr, .handler = Call<&TSorimo::SetMusicClick>,
     .tool = {6, "SetMusic", "Music", "Pause music", ":/toolbar/music.png"}},
};

namespace {

// The welcome panel's game groups hold two buttons each: the classic game's, then an arcade
// game's per group.
constexpr int kArcadeFirstWelcomeSlot = 3;

std::vector<CommandRow> MakeCommandTable() {
  std::vector<CommandRow> rows;
  int slot = kArcadeFirstWelcomeSlot;
  for (const CommandRow& row : CommandRows::kCommands) {
    if (row.name != nullptr && std::string_view(row.name) == "Exit1")
      for (const ModeDescription* d : RegisteredModes()) {
        if (d->easy.column == 0) continue;
        for (const HallList* l : {&d->easy, &d->hard})
          rows.push_back({.menu = M::New, .name = l->command, .caption = l->menuCaption, .shortcut = l->shortcut,
                          .menuGlyph = kGlyphNew, .welcome = {slot++, l->button, l->buttonCaption},
                          .startMode = d->mode, .startColumn = l->column});
      }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

const char* MenuTitle(MenuId menu) { return kMenuTitles[int(menu)]; }

bool EnabledIn(ModeMask modes, uint8_t gameMode) {
  if ((modes & ModeBit(gameMode)) != 0) return true;
  if ((modes & kEveryMode) == 0) return false;
  const ModeDescription& d = Describe(gameMode);
  return d.mode == gameMode && !d.ownMenu;  // a value no mode claims is no mode
}

bool EnabledIn(const CommandRow& row, uint8_t gameMode) {
  return EnabledIn(row.modes, gameMode) && (row.allowedBy == nullptr || Traits(gameMode).*row.allowedBy);
}

std::span<const CommandRow> CommandTable() {
  static const std::vector<CommandRow> rows = MakeCommandTable();
  return rows;
}

}  // namespace sorimo
