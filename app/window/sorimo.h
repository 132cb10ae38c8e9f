// The main window `TSorimo`: owns the game, the options, the renderer and the two stores, and
// offers every command through its menus, toolbar, welcome panel and board. Its methods are
// the commands and event handlers, named after their menu item or control; which control runs
// which command is the command table's business (command_table.h). The game logic it hosts is
// plain C++ (engine/); this class is where that logic meets Qt, through the small interfaces
// of engine/host.h.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/store/hall_file.h"
#include "app/store/hall_table.h"
#include "app/store/section_key_store.h"
#include "app/store/settings_keys.h"
#include "app/dialogs/choose_layout.h"
#include "app/window/choice_tables.h"
#include "app/window/desktop_services.h"
#include "app/window/tick_schedule.h"
#include "audio/music_list.h"
#include "audio/sound_output.h"
#include "engine/game.h"
#include "engine/options.h"
#include "files/program_folders.h"
#include "layouts/layout_list.h"
#include "layouts/layout_reader.h"
#include "view/board_renderer.h"

class QAction;
class QMenu;
class QToolButton;

namespace sorimo {

class BoardImage;
class EditorPanel;
class SidePanel;
class THelpForm;
enum class HelpPage : uint8_t;
class StatusBar;
class ToolPanel;
class WelcomePanel;
class WindowCommands;
class WindowHost;
struct ChoiceRow;
struct HallWindowModel;
struct PanelModel;

class TSorimo : public QMainWindow {
  Q_OBJECT
 public:
  // folders: where the data is and where the player's files go (files/program_folders.h).
  // desktop: nothing for the real desktop.
  explicit TSorimo(const ProgramFolders& folders, std::optional<DesktopServices> desktop = std::nullopt);
  // A portable copy: data and the player's files in exeDir (ending with a separator).
  explicit TSorimo(const std::string& exeDir, std::optional<DesktopServices> desktop = std::nullopt);
  ~TSorimo() override;

  // True when start-up could not complete (no layout, an unreadable program folder): the
  // program then ends without showing the window.
  bool startupFailed() const { return startupFailed_; }
  const std::string& startupError() const { return startupError_; }

  Game& game() { return game_; }
  Options& options() { return options_; }
  BoardRenderer& renderer() { return renderer_; }
  BoardImage* boardImage() const { return board_; }
  WelcomePanel* welcome() const { return welcome_; }
  StatusBar* statusLine() const { return status_; }
  ToolPanel* toolPanel() const { return tools_; }
  QAction* action(const std::string& name) const;
  QToolButton* toolButton(const std::string& name) const;
  const LayoutList& layouts() const { return layouts_; }
  const std::string& currentLayoutFile() const { return CurrentLayoutFile; }
  const std::string& layoutName() const { return LayoutName; }
  // The file SaveLayout writes; empty asks for a name first (a new layout of the editor).
  void setCurrentLayoutFile(std::string path) { CurrentLayoutFile = std::move(path); }
  const HallTable& hallTable() const { return hall_; }
  SettingsValues& settingsValues() { return values_; }
  DesktopServices& desktop() { return desktop_; }
  int newEntryRank() const { return NewEntryRank; }
  EditorPanel* editorPanel() const { return editorPanel_; }
  const MusicList& musicList() const { return music_; }
  bool musicPaused() const { return musicPaused_; }
  THelpForm* helpForm() const { return HelpForm; }
  // What the hall of fame window shows and changes.
  HallWindowModel HallModel();
  // How saving the layout in memory ended: written and listed in the Layout menu, written
  // but not listed (the menu is full), not written because the player cancelled the file
  // dialog, or not written because writing failed (the player was told why).
  enum class SaveOutcome { Listed, Unlisted, Cancelled, Failed };
  // The game's outside world (engine/host.h), as tests reach it too.
  WindowHost& host() { return *host_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The commands are reached through the command table (and the window's own controls), the
  // host calls through the adapter, the rest through the test peer: none is public.
  friend struct CommandRows;
  friend class WindowCommands;
  friend class WindowHost;
  friend class TSorimoTestPeer;

  // Set while the hall of fame window opened after a qualifying game is on screen.
  bool HallAfterWin = false;

  // ---- Commands ----
  // The game commands are the game's own (engine/); those that deal report a layout that
  // cannot be dealt.
  void StartGameCommand(DealResult (Game::*start)());
  void StartGameCommand(const std::function<DealResult(Game&)>& start);
  void Exit1Click();
  void ShowScores();
  void About1Click();
  void LoadlayoutClick(QAction* item);
  // Plays entry `number` (1-based) of the Layout menu, as its item does.
  void PlayLayoutEntry(int number);
  void SelectLayout1Click();
  ChooseLayoutModel ChooserModel();
  void RunLayout(const std::string& path);
  // Makes a layout read from a file the one in memory and deals on it, or at start-up only
  // announces it.
  void UseLayout(const LayoutReadResult& read, bool atStartup = false);
  SaveOutcome SaveLayout(const std::string& proposal = {});

  // The layout editor (editor_commands.cpp).
  enum class EditorLeave { Save, SaveAs, TryIt };
  void CreateLayout1Click();
  void Editlayout1Click();
  void EditLayoutEntry(int number);  // the chooser's "Edit" on entry `number` (1-based)
  void SaveandexitClick(EditorLeave how);
  void Cancel2Click();
  // True when the program may close: not in the editor with unsaved changes, or the player
  // agreed to drop them.
  bool LeaveEditorAtExit();

  // Background, tileset and highlight menus: one handler for the items of each.
  void NouveauFond(const std::string& path);
  void BackgroundClick(const ChoiceRow& row);
  void LoadBackgroundClick();
  void LoadTileset(const std::string& path);
  void TilesetClick(const ChoiceRow& row);
  void Load1Click();
  void ActiveTilesetBackground();
  void RefuseBackground(const std::string& path, const std::string& error);
  void RefuseTileset(const std::string& path, const std::string& error);
  void UseBuiltInTileset();
  void HighlightClick(const ChoiceRow& row);

  // Music and sound effects (music_commands.cpp).
  void CallMusic();
  void LoadMidiClick(QAction* item);
  void SelectedMusic(const std::string& path);
  void RandomMusicClick();
  void PlayMusicClick();
  void SetMusicClick();
  void PlayWave(const char* name);

  // The help window (help_commands.cpp): each command opens it on its own page.
  void HelpClick();
  void WhatsNew1Click();
  void French1Click();
  void ViewTiles1Click();
  void CallHelp(HelpPage page);

  // View options.
  void Toolbar1Click();
  void ShowTitleClick();
  void ShowHallPanel();
  void ShadowsClick();
  void ApplyCoolMenu();
  void ApplyCursor();

  // ---- Events ----
  void FormShow();
  void FormResize();
  bool FormCloseQuery();  // false keeps the window open
  void ButtonDownAt(Qt::MouseButton button, int x, int y);
  void FormMouseMove(int x, int y);
  void PointerLeft();
  // Play by keyboard: the arrows, Space or Enter, Escape; false for any other key, or while
  // no game takes clicks.
  bool BoardKey(int key);

  // ---- The game's outside world (engine/host.h), reached through WindowHost ----
  void PaintBoard(const DirtyRect& dirty);
  void ShowFond();
  void RepaintNow();
  void ProcessEvents();
  void PauseAnimation();
  void ShowWelcome(bool visible);
  void ShowPanelHOF();
  void RedrawHOF();
  void ClearBoardBuffer();
  void DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                          const std::string& timeTwo);
  void GameChanged();
  void PlaySound(Sound s);
  void SetStatusLine(const std::string& visibleText);
  void SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time);
  bool AskOkCancel(const std::string& caption, const std::string& text);
  bool AskYesNo(const std::string& caption, const std::string& text);
  void ShowGameOver(const std::string& finalTime, bool entersHall, const std::string& whyNoHall);
  void ShowHallAfterWin();
  void ShowRandomWindow(int32_t& randomSeed, Random& generator);
  int HallTenthTotal(int column);
  void AddHall(int column, int total, int malus);
  bool MusicEnded();
  bool MusicPlaying() const;
  int MusicPieceCount();
  void SelectMusicPiece(int k);
  void ReplayMusicPiece();
  uint32_t TickCount();
  uint32_t TimeOfDayMs();


  // Any key or click stops the solver's play (solver_input.cpp).
  void WatchInputWhileSolving();
  bool swallowRelease_ = false;

  // The pictures' scale on this screen (screen_scale.cpp); true when it changed.
  bool ApplyPixelScale();
  void FollowScreenChanges();
  // The width that shows every menu's title and the status bar's fields whole.
  int ChromeWidth() const;

  // Start-up (startup.cpp).
  void Init();
  void PlaceWindow();
  // Where the window goes on the screen, frame and title bar included (window_position.cpp).
  QPoint OnScreen(QPoint corner) const;
  void KeepFrameOnScreen();
  bool frameKept_ = false;  // the frame was known and the window put on the screen with it
  void LoadFiles();
  std::vector<std::string> LayoutFiles() const;
  int32_t BoardNumberForNextStart() const;
  void ReportDeal(DealResult r);
  void LoadMusicList();
  void UpdateMusicButton();
  QAction* MusicItem(int midiNumber) const;

  // The layout editor's menu, panel and the window's side of its clicks.
  void BuildEditorMenu();
  void FollowEditorChrome();
  void OpenEditor(bool create);
  void AfterEditorClick(int x, int y);

  // Widgets (sorimo.cpp); the menus, toolbar and welcome buttons come from the command table.
  void BuildWidgets();
  void FitWindow();
  BoardScene Scene() const;
  PanelModel PanelModelNow();
  QAction* AddLayoutItem(const std::string& name);
  void ChooseLayout(int number);
  void CheckLayoutItem();
  void ShowError(const std::string& text);
  // Window chrome that follows the game (GameChanged).
  void ApplyHighlightColour();
  void SetPauseCaptions(bool paused);

  std::unique_ptr<WindowHost> host_;  // made before the game, which holds it
  Options options_;
  Game game_;
  BoardRenderer renderer_;
  DesktopServices desktop_;

  std::string ExeDir;  // the data folder: pictures, music, help and the shipped layouts
  std::string ConfigDir;       // Sorimo.ini and Hallfame.ini
  std::string UserLayoutsDir;  // where the player's layouts are saved (and listed from)
  // The folder holding the file of a Layout menu entry: the player's own copy first.
  std::string LayoutsDirOf(const std::string& entry) const;
  std::string LayoutPathOf(const std::string& entry) const;
  QImage BackdropPicture;  // the optional "orange.jpg" behind the hall of fame and about windows
  SettingsValues values_;
  // What the background bitmap and the tileset picture show now: the choice, and the file
  // "Load from disk" would reload. A picture that cannot be read puts the choice back to it.
  struct ShownLook {
    int32_t number = kNoChoice;  // nothing shown yet: start-up
    std::string lastLoaded;
  };
  ShownLook shownBackground_;
  ShownLook shownTileset_;
  static bool KeepShownLook(const std::string& path, const ShownLook& shown, int32_t& choice, std::string& lastLoaded);
  std::unique_ptr<SectionKeyStore> SettingsStore;
  std::unique_ptr<SectionKeyStore> HallStore;
  HallTable hall_;
  int NewEntryRank = 0;  // rank of the entry the last qualifying game added, 0 for none
  int NewEntryColumn = 0;  // the list it entered; no other list shown has a new entry
  // The new entry's rank in the list of the game in play; 0 when that list holds none.
  int NewEntryRankShown() const { return game_.BoardNumber == NewEntryColumn ? NewEntryRank : 0; }

  LayoutList layouts_;
  std::string CurrentLayoutFile;
  std::string LayoutName = "External Layout";
  // The layout before the editor opened, for "Exit" when the file cannot be read again.
  struct LayoutBeforeEditor {
    LayoutCells layout;
    std::string name;
    LayoutOrigin origin = LayoutOrigin::ListedFile;
  };
  LayoutBeforeEditor beforeEditor_;
  std::optional<bool> pauseCaptionsShown_;  // what SetPauseCaptions last showed: paused or not
  uint32_t penColour_ = kPenGreen;

  BoardImage* board_ = nullptr;
  WelcomePanel* welcome_ = nullptr;
  SidePanel* sidePanel_ = nullptr;
  StatusBar* status_ = nullptr;
  ToolPanel* tools_ = nullptr;
  EditorPanel* editorPanel_ = nullptr;
  std::array<QMenu*, 2> editorMenus_{};  // "Exit" and "Move Board"
  std::map<std::string, QAction*> editorActions_;
  bool editorChrome_ = false;  // the editor's menu and panel are the ones shown
  WindowCommands* commands_ = nullptr;
  QMenu* layoutMenu_ = nullptr;
  // The Layout menu's own items and separator come before the layout entries.
  static constexpr int kFirstLayoutItem = 4;
  // The game's tick, on the beats that can show something new (tick_schedule.h).
  TickSchedule Timer{[this] { return game_.Temps(); }, [this] { return TickCount(); }, nullptr};

  std::unique_ptr<SoundOutput> sound_;
  MusicList music_;  // its number is the live "MidiNumber" (values_.MidiNumber)
  QMenu* musicMenu_ = nullptr;
  // "Random Music" and the separator come before the pieces.
  static constexpr int kFirstMusicItem = 2;
  std::vector<uint8_t> pieceBytes_;  // the piece playing, kept to play it again
  std::string pieceName_;
  bool musicStarted_ = false;  // the music was started (CallMusic or "Play music")
  bool musicPaused_ = false;   // held by the toolbar's "Music"
  bool pieceFailed_ = false;   // the synthesizer could not read the piece; told once

  // The help window, made at start-up with its two documents and hidden between help commands.
  void CreateHelpForm();
  THelpForm* HelpForm = nullptr;

  bool startupFailed_ = false;
  std::string startupError_;
  // The store files named at start-up as unusable; the player chose to go on without them,
  // so their failing saves at exit are not asked about again.
  std::vector<std::string> unusableStores_;
  // A chosen layout that could not be used at start-up (damaged, a FIFO, gone for a moment):
  // the entry played instead this run, and the stored choice, which goes back to the settings
  // at exit unless the player chose another layout meanwhile.
  struct LayoutStandIn {
    int32_t standIn = 0;
    int32_t stored = 0;
  } layoutStandIn_;
  void LoadFirstLayout();
  // The background and tileset choices as the settings held them, and as start-up left them
  // when a picture could not be read and a stand-in is shown: while the look is still the
  // stand-in at exit, the stored choices are written back, not the stand-in.
  struct LookChoices {
    int32_t background = 0, tileset = 0;
    std::string lastBackground, lastTileset;
    bool operator==(const LookChoices&) const = default;
  };
  LookChoices storedLook_, startupLook_;
  LookChoices CurrentLook() const;
  void CarryOverStoresBesideTheProgram();
  bool shownOnce_ = false;
  bool closing_ = false;
};

}  // namespace sorimo

namespace sorimo {
// Registers the pictures built into the program; call once after the application exists.
void InitResources();
}  // namespace sorimo
