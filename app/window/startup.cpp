// Start-up and shutdown of the main window: the order in which the program comes up, finds
// its files and options, and the order in which it writes them back when it closes.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <iostream>

#include "app/dialogs/pixel_image.h"
#include "app/store/settings_file.h"
#include "files/atomic_replace.h"
#include "files/stale_replacements.h"
#include "files/whole_file_read.h"
#include "assets/picture_file.h"
#include "app/window/sorimo.h"
#include "app/window/board_image.h"
#include "app/window/choice_tables.h"
#include "app/window/quit_signals.h"
#include "app/window/side_panel.h"
#include "app/window/status_bar.h"
#include "app/window/tool_panel.h"
#include "app/window/welcome_panel.h"
#include "app/window/window_commands.h"
#include "engine/hall_columns.h"
#include "files/folder_listing.h"
#include "files/program_folders.h"

namespace sorimo {

namespace {

// A settings or hall of fame file that is there but cannot be used (a folder, a FIFO, a loop
// of links, no permission, garbage, UTF-16) is named once now, not at exit after a session
// whose record it would lose; the player may stop and mend it. False when the player stops.
bool ReportUnusableStores(DesktopServices& desktop, std::initializer_list<const SectionKeyStore*> stores,
                          std::vector<std::string>& unusable) {
  std::string text;
  for (const SectionKeyStore* store : stores) {
    if (store == nullptr) continue;
    const std::string problem = store->Problem();
    if (problem.empty()) continue;
    unusable.push_back(store->path());
    text += problem + "\n";
  }
  if (text.empty()) return true;
  text += unusable.size() == 1 ? "\nWhat this session changes will not be kept in it."
                               : "\nWhat this session changes will not be kept in them.";
  // Nothing is lost either way: the files stay as they are.
  return desktop.ask("Sorimo", text + "\n\nStart all the same?", true, EnterAnswers::Accept);
}

}  // namespace

void TSorimo::Init() {
  // The program folder is where every data file is looked for.
  if (!QDir::setCurrent(QString::fromStdString(ExeDir))) {
    startupFailed_ = true;
    startupError_ = "Unable to open the program folder " + ExeDir;
    return;
  }
  // The backdrop of the hall of fame and about windows is optional.
  if (IsRegularFile(ExeDir + "orange.jpg")) {
    const PictureOrError backdrop = LoadPictureFile(ExeDir + "orange.jpg");
    if (backdrop.ok()) BackdropPicture = ImageOf(backdrop.picture);
  }
  CreateHelpForm();
  SetStatusLine(" ");

  // The player's folders of an installed program may not exist yet.
  if (ConfigDir != ExeDir) MakeFolders(ConfigDir);
  CarryOverStoresBesideTheProgram();
  // Saves that a kill cut short left their new content beside the file; it was never used.
  // Only the leftovers of files this program writes there go.
  RemoveStaleReplacements(ConfigDir, [](const std::string& base) {
    return base == kSettingsFileName || base == kHallFileName;
  });
  RemoveStaleReplacements(UserLayoutsDir, [](const std::string& base) {
    return base.size() > 4 && base.ends_with(".lay");
  });

  // Settings, before anything that depends on them.
  values_.ScreenWidth = desktop_.screenWidth();
  SettingsStore = std::make_unique<SectionKeyStore>(ConfigDir + std::string(kSettingsFileName));
  ReadSettings(*SettingsStore, options_, values_);
  game_.RandomSeed = values_.RandomSeed;
  game_.BoardNumber = values_.BoardNumber;

  // The board sits further in on screens wide enough for it.
  if (desktop_.screenWidth() >= 800) {
    game_.BoardOrigin.x = 36;
    game_.BoardOrigin.y = 25;
  } else {
    game_.BoardOrigin.x = -5;
    game_.BoardOrigin.y = 0;
  }

  // Bars and the side panel as the options say.
  status_->setVisible(options_.ShowTitle);
  tools_->setVisible(options_.Toolbar1);
  sidePanel_->setVisible(options_.ShowHallFame);
  ApplyPixelScale();
  PlaceWindow();

  storedLook_ = CurrentLook();
  LoadFiles();
  if (startupFailed_) return;
  if (!ReportUnusableStores(desktop_, {SettingsStore.get(), HallStore.get()}, unusableStores_)) {
    startupFailed_ = true;  // the player's choice, already made: nothing more to say
    return;
  }

  ApplyCursor();
  ApplyCoolMenu();
  tools_->setWallpaper(options_.CoolToolbar);
  tools_->setFlatButtons(options_.FlatButtons);

  // The play state of a program that has not started a game yet.
  NewEntryRank = 0;
  game_.HofRefreshPending = false;
  ShowPanelHOF();

  LoadFirstLayout();

  ActiveTilesetBackground();
  startupLook_ = CurrentLook();
  if (options_.PlayMusic) CallMusic();
  // The check marks show the options as start-up left them: a background or tileset number
  // that no item has checks none.
  GameChanged();
  Timer.start();
}

// The first layout, without starting a game. A chosen layout that cannot be read (replaced by
// garbage or UTF-16) is named once, and the first listed layout that reads is played instead,
// so that New deals tiles; the stored choice is kept for the next start.
void TSorimo::LoadFirstLayout() {
  LayoutReadResult read = LoadLayoutFile(CurrentLayoutFile);
  if (read.status != LayoutReadStatus::Loaded) {
    ShowError(read.status == LayoutReadStatus::Refused ? read.message
                                                        : "Cannot use " + CurrentLayoutFile + ": it is not a layout file.");
    for (size_t entry = 0; entry < layouts_.names.size(); ++entry) {
      const std::string path = LayoutPathOf(layouts_.names[entry]);
      LayoutReadResult other = LoadLayoutFile(path);
      if (other.status != LayoutReadStatus::Loaded) continue;
      if (layoutStandIn_.standIn == 0) layoutStandIn_.stored = game_.BoardNumber;
      layoutStandIn_.standIn = int32_t(entry) + 1;
      CurrentLayoutFile = path;
      ChooseLayout(layoutStandIn_.standIn);
      read = std::move(other);
      break;
    }
  }
  if (read.status == LayoutReadStatus::Loaded) UseLayout(read, true);
}

// A copy whose folder cannot be written keeps the player's files in the player's own folder.
// Settings and a hall of fame left beside the program (when it could still write there) are
// the player's: each is copied there once, when that folder holds none yet, and the player is
// told where they now live.
void TSorimo::CarryOverStoresBesideTheProgram() {
  if (ConfigDir == ExeDir) return;
  std::string carried;
  int count = 0;
  for (const std::string_view name : {kSettingsFileName, kHallFileName}) {
    const std::string from = ExeDir + std::string(name), to = ConfigDir + std::string(name);
    if (!IsRegularFile(from) || ReadWholeFile(to, 0).status != FileReadStatus::Missing) continue;
    const WholeFile file = ReadWholeFile(from, kMaxStoreFileBytes);
    if (!file.ok() || !ReplaceFileAtomically(to, file.bytes).ok()) continue;
    carried += (count++ == 0 ? "" : " and ") + std::string(name);
  }
  if (count > 0)
    ShowError(ExeDir + " cannot be written to: " + carried + (count == 1 ? " is" : " are") + " now kept in " +
              ConfigDir + ".");
}

TSorimo::LookChoices TSorimo::CurrentLook() const {
  return {options_.Background, options_.Tileset, values_.LastLoadedBackground, values_.LastLoadedTileset};
}

// Window placement: the saved position when the screen is as wide as last time; on a
// 640-pixel screen the window takes the whole screen without the side panel and toolbar;
// otherwise centred.
void TSorimo::PlaceWindow() {
  const int screenWidth = desktop_.screenWidth();
  if (screenWidth == values_.PreviousRes) {
    FitWindow();
    // Whatever the file says, the window opens on the screen, frame and title bar included
    // (once the window manager has framed it: KeepFrameOnScreen).
    move(OnScreen({values_.XPos, values_.YPos}));
  } else if (screenWidth == 640) {
    // A 640 x 480 screen has no room for the panel and the toolbar; the window takes the
    // screen, and the board's right edge lies beyond it.
    options_.ShowHallFame = false;
    options_.Toolbar1 = false;
    sidePanel_->hide();
    tools_->hide();
    FitWindow();
    setFixedSize(640, 480 - StatusBar::kHeight + (options_.ShowTitle ? StatusBar::kHeight : 0) +
                          menuBar()->sizeHint().height());
    move(0, 0);
  } else {
    // Centred as the bare board, before the bars and the panel are put around it.
    FitWindow();
    move((screenWidth - board_->width()) / 2, (desktop_.screenHeight() - board_->height()) / 2);
  }
}

// The folder scan (layouts and music), and the hall of fame that needs the layout list.
// The shipped layouts and the player's own, one list; a name in both is the player's copy.
std::vector<std::string> TSorimo::LayoutFiles() const {
  std::vector<std::string> files = ListFolder(ExeDir + "Layouts/", FolderEntries::NotFolders);
  if (UserLayoutsDir != ExeDir + "Layouts/") {
    for (const std::string& f : ListFolder(UserLayoutsDir, FolderEntries::NotFolders))
      if (std::find(files.begin(), files.end(), f) == files.end()) files.push_back(f);
  }
  return files;
}

// The stored choice is a place in the Layout menu. A layout saved during this run was added at
// the end of the menu but takes its sorted place at the next start: the number stored is the
// place it will have then, so the same layout comes back.
int32_t TSorimo::BoardNumberForNextStart() const {
  const int32_t n = game_.BoardNumber;
  if (!IsLayoutColumn(n) || n > int32_t(layouts_.names.size())) return n;
  const LayoutList next = ScanLayoutNames(LayoutFiles(), n);
  const auto it = std::find(next.names.begin(), next.names.end(), layouts_.names[size_t(n - 1)]);
  return it == next.names.end() ? n : int32_t(it - next.names.begin()) + 1;
}

void TSorimo::LoadFiles() {
  const std::string layoutsDir = ExeDir + "Layouts/";
  layouts_ = ScanLayoutNames(LayoutFiles(), game_.BoardNumber);
  if (layouts_.names.empty()) {
    startupFailed_ = true;
    startupError_ = "No layout file was found in " + layoutsDir + ".";
    return;
  }
  if (!layouts_.message.empty()) ShowError(layouts_.message);
  for (const std::string& name : layouts_.names) AddLayoutItem(name);
  const ResolvedLayout resolved = ResolveLayoutFile([this](const std::string& entry) { return LayoutsDirOf(entry); },
                                                    layouts_.names, layouts_.boardNumber, IsRegularFile);
  CurrentLayoutFile = resolved.path;
  // The chosen file is not there as a file now (a FIFO, a link that points nowhere for the
  // moment): entry 1 stands in for this run only.
  if (resolved.boardNumber != layouts_.boardNumber) {
    layoutStandIn_ = {.standIn = resolved.boardNumber, .stored = layouts_.boardNumber};
    // The read says why in words that name the file.
    const LayoutReadResult chosen = LoadLayoutFile(LayoutPathOf(layouts_.names[size_t(layouts_.boardNumber - 1)]));
    if (!chosen.message.empty()) ShowError(chosen.message);
  }
  ChooseLayout(resolved.boardNumber);
  LoadMusicList();

  HallStore = std::make_unique<SectionKeyStore>(ConfigDir + std::string(kHallFileName));
  LoadHall(*HallStore, layouts_.names, hall_);

  if (!IsRegularFile(values_.LastLoadedTileset)) values_.LastLoadedTileset.clear();
  if (!IsRegularFile(values_.LastLoadedBackground)) values_.LastLoadedBackground.clear();
}

void TSorimo::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FollowScreenChanges();
    // The audio device and the soundfont come up on their own thread once the window is up.
    sound_->Open();
    FormShow();
  }
}

// The first showing: the welcome panel, or a game at once.
void TSorimo::FormShow() {
  if (game_.GameMode != ModeIdle) return;
  FormResize();
  game_.IM(ModeStopped);
  if (options_.StartupGame) StartGameCommand(&Game::NewGame);
}

void TSorimo::FormResize() {
  welcome_->move((board_->width() - welcome_->width()) / 2, (board_->height() - welcome_->height()) / 2);
}

void TSorimo::closeEvent(QCloseEvent* event) {
  if (closing_ || FormCloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// Shutdown: every setting and the whole hall of fame go back to their files. When a file
// cannot be written the player is told and chooses: close without saving, or keep the window.
bool TSorimo::FormCloseQuery() {
  if (startupFailed_) return true;
  // A quit signal (a logout) waits for no answer: what can be saved is, the rest is said on
  // the error output, and the program ends.
  const bool onQuitSignal = ClosingOnQuitSignal(this);
  if (!onQuitSignal && !LeaveEditorAtExit()) return false;
  values_.BoardNumber = BoardNumberForNextStart();
  int32_t savedBoard = game_.SavedBoardNumber;
  const int32_t layoutInPlay = IsLayoutColumn(values_.BoardNumber) ? values_.BoardNumber : savedBoard;
  if (layoutStandIn_.standIn != 0 && layoutInPlay == layoutStandIn_.standIn) {
    values_.BoardNumber = savedBoard = layoutStandIn_.stored;
  }
  values_.RandomSeed = game_.RandomSeed;
  // Where the next start will show it: a window left partly off the screen is stored on it.
  const QPoint corner = OnScreen(pos());
  values_.XPos = corner.x();
  values_.YPos = corner.y();
  values_.WPos = width();
  values_.HPos = height();
  values_.ScreenWidth = desktop_.screenWidth();

  // Both files failing are both named: the player decides knowing what would be lost. A file
  // named at start-up is not asked about again.
  std::string failure;
  auto note = [&](const SectionKeyStore& store, const WriteResult& result) {
    if (result.ok()) return;
    const bool told = std::find(unusableStores_.begin(), unusableStores_.end(), store.path()) != unusableStores_.end();
    if (told || onQuitSignal)
      std::cerr << "Sorimo: " << result.message() << "\n";
    else
      failure += (failure.empty() ? "" : "\n") + result.message();
  };
  // A look start-up had to stand in for a picture that could not be read, and that the
  // player kept: the choices of the settings go back, for the start after the file is mended.
  Options written = options_;
  SettingsValues writtenValues = values_;
  // A number that no item has was never a choice that can come back: its stand-in stays.
  if (CurrentLook() == startupLook_ && startupLook_ != storedLook_) {
    if (storedLook_.background == kLoadBackgroundNumber || ChoiceOfNumber(BackgroundChoices(), storedLook_.background))
      written.Background = storedLook_.background;
    if (storedLook_.tileset == kLoadTilesetNumber || ChoiceOfNumber(TilesetChoices(), storedLook_.tileset))
      written.Tileset = storedLook_.tileset;
    writtenValues.LastLoadedBackground = storedLook_.lastBackground;
    writtenValues.LastLoadedTileset = storedLook_.lastTileset;
  }
  note(*SettingsStore, WriteSettings(*SettingsStore, written, writtenValues, savedBoard));
  if (HallStore) note(*HallStore, SaveHall(*HallStore, layouts_.names, hall_));
  if (!failure.empty() &&
      !desktop_.ask("Sorimo", failure + "\n\nClose without saving?", true, EnterAnswers::Refuse))
    return false;
  Timer.stop();
  closing_ = true;
  return true;
}

void TSorimo::Exit1Click() { close(); }

void TSorimo::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !shownOnce_ || closing_) return;
  if (isActiveWindow())
    FormActivate(game_);
  else
    FormDeactivate(game_);
  // Only the marks: a dialog that takes the focus may have set the paused mode without
  // pausing a game, and the pause captions must not say otherwise while it is open.
  commands_->SyncChecks();
}

}  // namespace sorimo
