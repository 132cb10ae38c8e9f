// The main window `TSorimo`: owns the game, the options, the renderer and the two stores, and
// offers every command through its menus, toolbar, welcome panel and board. Its methods are
// the commands and event handlers, named after their menu item or control. The game logic it
// hosts is plain C++ (engine/); this class is where that logic meets Qt, through the small
// interfaces of engine/host.h.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/store/hall_file.h"
#include "app/store/hall_table.h"
#include "app/store/section_key_store.h"
#include "app/store/settings_keys.h"
#include "engine/game.h"
#include "engine/options.h"
#include "layouts/layout_list.h"
#include "view/board_renderer.h"

class QAction;
class QActionGroup;
class QColorDialog;
class QLabel;
class QMenu;
class QToolButton;

namespace sorimo {

class BoardImage;
class CoolMenu;
class SidePanel;
class StatusBar;
class ToolPanel;
class WelcomePanel;

// What the window needs from the desktop, so tests can pretend to be a screen of any width
// and answer file dialogs and message boxes without a person.
struct DesktopServices {
  std::function<int()> screenWidth;
  std::function<int()> screenHeight;
  // A file dialog; returns "" when cancelled.
  std::function<std::string(const std::string& title, const std::string& filter, const std::string& folder,
                            bool save)>
      chooseFile;
  // A message box with OK; and one with two buttons (OK/Cancel or Yes/No) returning true for OK/Yes.
  std::function<void(const std::string& caption, const std::string& text)> inform;
  std::function<bool(const std::string& caption, const std::string& text, bool yesNo)> ask;
  // The colour dialog; returns the colour chosen, or nothing when cancelled.
  std::function<std::optional<uint32_t>(uint32_t initial)> chooseColour;
  // Modal windows the window opens; tests replace them to answer without a person.
  std::function<void(int32_t& randomSeed, Random& generator)> randomWindow;
  std::function<void(const std::string& finalTime, bool entersHall)> gameOverWindow;
  std::function<void(bool afterWin)> hallWindow;
  std::function<void()> aboutWindow;
  // The 32-bit millisecond counter and the UTC time of day in milliseconds.
  std::function<uint32_t()> tickCount;
  std::function<uint32_t()> timeOfDayMs;
};
DesktopServices RealDesktop(QWidget* owner);

class TSorimo : public QMainWindow,
                public BoardOutput,
                public Feedback,
                public Questions,
                public Scores,
                public MusicControl,
                public TimeSource {
  Q_OBJECT
 public:
  // exeDir: the program folder, ending with a separator; every data path is built on it.
  // desktop: nothing for the real desktop.
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
  HallTable& hallTableForEdit() { return hall_; }
  // The optional picture "orange.jpg" behind the hall of fame and about windows; null without it.
  const QImage& backdropPicture() const { return BackdropPicture; }
  int newEntryRank() const { return NewEntryRank; }
  // Set while the hall of fame window opened after a qualifying game is on screen.
  bool HallAfterWin = false;

  // ---- Commands ----
  void RandomSolitaireGame1Click();
  void NewSpecificGame1Click();
  void NewGame();
  void Exit1Click();
  void Back();
  void Hint();
  void PauseClick();
  void Shuffle1Click();
  void Stop();
  void Restart();
  void VerticalClick();
  void ShowScores();
  void About1Click();
  void LoadlayoutClick(QAction* item);
  void RunLayout(const std::string& path);
  bool SaveLayout();  // writes the layout in memory; false when nothing was written

  // Background and tileset menus.
  void NouveauFond(const std::string& path);
  void None1Click();
  void LoadBackgroundClick();
  void Dragons1Click();
  void AndromedaClick();
  void Kanji1Click();
  void CatpatsClick();
  void LoadTileset(const std::string& path);
  void Load1Click();
  void MahJongg1Click();
  void MahJongg2Click();
  void MahJongg3Click();
  void Lowcolor1Click();
  void ActiveTilesetBackground();

  // View options.
  void Toolbar1Click();
  void ShowTitleClick();
  void ShowHallPanel();
  void ShadowsClick();

  // ---- Events ----
  void FormShow();
  void FormResize();
  bool FormCloseQuery();  // false keeps the window open
  void ButtonDownAt(Qt::MouseButton button, int x, int y);
  void FormMouseMove(int x, int y);

  // ---- The game's outside world (engine/host.h) ----
  void PaintBoard(const DirtyRect& dirty) override;
  void ShowFond() override;
  void RepaintNow() override;
  void ProcessEvents() override;
  void ShowWelcome(bool visible) override;
  void ShowPanelHOF() override;
  void RedrawHOF() override;
  void ClearBoardBuffer() override;
  void DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                          const std::string& timeTwo) override;
  void GameChanged() override;
  void PlaySound(Sound s) override;
  void SetStatusLine(const std::string& visibleText) override;
  void SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) override;
  bool AskOkCancel(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void ShowGameOver(const std::string& finalTime, bool entersHall) override;
  void ShowHallAfterWin() override;
  void ShowRandomWindow(int32_t& randomSeed, Random& generator) override;
  int HallTenthTotal(int column) override;
  void AddHall(int column, int total, int malus) override;
  bool MusicEnded() override;
  int MusicPieceCount() override;
  void SelectMusicPiece(int k) override;
  void ReplayMusicPiece() override;
  uint32_t TickCount() override;
  uint32_t TimeOfDayMs() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Start-up (startup.cpp).
  void Init();
  void PlaceWindow();
  void LoadFiles();
  void StartGameCommand(DealResult (Game::*start)());
  void ReportDeal(DealResult r);

  // Widgets and menus (window_parts.cpp, menus.cpp).
  void BuildWidgets();
  void BuildMenus();
  void BuildToolbar();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                   std::function<void()> handler, bool Options::*option = nullptr);
  void SyncChecks();
  QMenu* AddCoolMenu(const char* title);
  void ApplyCoolMenu();
  void FitWindow();
  void RefreshScene();
  BoardScene Scene() const;
  void ClearTilePreview();
  void DrawTilePreview(int tile);
  void ApplyCursor();
  void BindMenuGlyphs();
  void CheckBackground(QAction* item);
  QAction* AddLayoutItem(const std::string& name);
  void ChooseLayout(int number);
  void CheckLayoutItem();
  void CheckTileset(QAction* item);
  void ShowError(const std::string& text);
  // Window chrome that follows the game (GameChanged).
  void ApplyHighlightColour();
  void SetPauseCaptions(bool paused);
  void SetPauseButtons();

  Options options_;
  Game game_;
  BoardRenderer renderer_;
  DesktopServices desktop_;

  std::string ExeDir;
  QImage BackdropPicture;
  SettingsValues values_;
  std::unique_ptr<SectionKeyStore> SettingsStore;
  std::unique_ptr<SectionKeyStore> HallStore;
  HallTable hall_;
  int NewEntryRank = 0;  // rank of the entry the last qualifying game added, 0 for none

  LayoutList layouts_;
  std::string CurrentLayoutFile;
  std::string LayoutName = "External Layout";
  bool StartupLoad = false;
  uint32_t penColour_ = kPenGreen;
  int PointerTile = 0;          // the tile under the pointer at the last move
  int PreviousPointerTile = 0;  // PointerTile before the current move

  BoardImage* board_ = nullptr;
  WelcomePanel* welcome_ = nullptr;
  SidePanel* hof_ = nullptr;
  StatusBar* status_ = nullptr;
  ToolPanel* tools_ = nullptr;
  QMenu* layoutMenu_ = nullptr;
  // The Layout menu's own items and separator come before the layout entries.
  static constexpr int kFirstLayoutItem = 4;
  QActionGroup* backgroundGroup_ = nullptr;
  QActionGroup* tilesetGroup_ = nullptr;
  QActionGroup* highlightGroup_ = nullptr;
  std::map<std::string, QAction*> actions_;
  std::vector<CoolMenu*> coolMenus_;
  std::map<std::string, QToolButton*> buttons_;
  std::vector<std::pair<QAction*, bool Options::*>> bound_;
  QTimer Timer;

  bool startupFailed_ = false;
  std::string startupError_;
  bool shownOnce_ = false;
  bool closing_ = false;
};

}  // namespace sorimo

namespace sorimo {
// Registers the pictures built into the program; call once after the application exists.
void InitResources();
}  // namespace sorimo
