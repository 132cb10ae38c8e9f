#include "app/window/sorimo.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QThread>
#include <QVBoxLayout>

#include "app/dialogs/game_over_form.h"
#include "app/dialogs/hall_window.h"
#include "app/window/board_image.h"
#include "app/window/clicks_pictures.h"
#include "app/window/editor_panel.h"
#include "app/window/side_panel.h"
#include "app/window/status_bar.h"
#include "app/window/tool_panel.h"
#include "app/window/welcome_panel.h"
#include "app/window/window_host.h"
#include "app/window/window_commands.h"
#include "audio/audio_output.h"

namespace sorimo {

TSorimo::TSorimo(const std::string& exeDir, std::optional<DesktopServices> desktop)
    : TSorimo(ProgramFolders{.data = exeDir, .config = exeDir, .userLayouts = exeDir + "Layouts/"}, std::move(desktop)) {}

TSorimo::TSorimo(const ProgramFolders& folders, std::optional<DesktopServices> desktop)
    : host_(std::make_unique<WindowHost>(*this)),
      game_(GameHost::Of(*host_), options_),
      desktop_(desktop ? std::move(*desktop) : RealDesktop(this)),
      ExeDir(folders.data),
      ConfigDir(folders.config),
      UserLayoutsDir(folders.userLayouts) {
  setWindowTitle("Sorimo 6.21 ");
  setWindowIcon(QIcon(":/sorimo_icon.png"));
  BuildWidgets();
  renderer_.setClicksTiles(ClicksPictures());
  menuBar()->setObjectName("MainMenu98");
  commands_ = new WindowCommands(*this, options_, menuBar(), tools_, welcome_);
  layoutMenu_ = commands_->menu(MenuId::Layout);
  musicMenu_ = commands_->menu(MenuId::Music);
  BuildEditorMenu();
  sound_ = desktop_.soundOutput ? desktop_.soundOutput() : std::make_unique<AudioOutput>();
  WatchInputWhileSolving();
  Init();
}

TSorimo::~TSorimo() = default;

QAction* TSorimo::action(const std::string& name) const {
  if (QAction* a = commands_->action(name)) return a;
  const auto it = editorActions_.find(name);
  return it == editorActions_.end() ? nullptr : it->second;
}

QToolButton* TSorimo::toolButton(const std::string& name) const { return commands_->toolButton(name); }

void TSorimo::BuildWidgets() {
  auto* central = new QWidget(this);
  central->setObjectName("central");
  central->setStyleSheet("#central { background: black; }");
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  tools_ = new ToolPanel(central);
  // The buttons share the width of the board and panel; they never widen the window.
  tools_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  column->addWidget(tools_);
  editorPanel_ = new EditorPanel(central);
  editorPanel_->hide();
  column->addWidget(editorPanel_);

  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  board_ = new BoardImage(central);
  board_->setObjectName("Game");
  board_->setPixels(renderer_.boardPicture().row(0), kBoardWidth, kBoardHeight);
  board_->onMove = [this](int x, int y) { FormMouseMove(x, y); };
  board_->onRelease = [this](Qt::MouseButton b, int x, int y) { ButtonDownAt(b, x, y); };
  board_->onLeave = [this] { PointerLeft(); };
  row->addWidget(board_, 0, Qt::AlignTop);
  sidePanel_ = new SidePanel(central);
  row->addWidget(sidePanel_, 0, Qt::AlignTop);
  row->addStretch(1);  // where the bars are wider than small pictures
  column->addLayout(row);

  status_ = new StatusBar(central);
  status_->onMovesClicked = [this] { action("Moves")->trigger(); };
  status_->onTimeClicked = [this] { action("ShowTime")->trigger(); };
  column->addWidget(status_);
  setCentralWidget(central);

  std::vector<const char*> arcadeGroups;
  for (const ModeDescription* d : RegisteredModes())
    if (d->welcomeGroup != nullptr) arcadeGroups.push_back(d->welcomeGroup);
  welcome_ = new WelcomePanel(board_, arcadeGroups);
  welcome_->hide();
}

// The window is as large as its parts: it cannot be resized by hand, and its size changes
// only when the bars or the side panel are shown or hidden.
void TSorimo::FitWindow() {
  centralWidget()->adjustSize();
  adjustSize();
  setFixedSize(sizeHint().expandedTo({ChromeWidth(), 0}));
}

BoardScene TSorimo::Scene() const {
  BoardScene s = game_.Scene();
  s.penColour = penColour_;
  return s;
}

// ---------------------------------------------------------------- The game's outside world

void TSorimo::PaintBoard(const DirtyRect& dirty) {
  renderer_.Redraw(Scene(), dirty);
  if (dirty.full())
    board_->update();
  else
    board_->updatePixels(QRect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top));
}

void TSorimo::ShowFond() {
  renderer_.ShowFond();
  board_->update();
}

void TSorimo::RepaintNow() { board_->repaint(); }

void TSorimo::ProcessEvents() { QCoreApplication::processEvents(); }

// Long enough for a falling Clicks tile to be seen row by row; a whole fall stays under a
// second. The board takes no clicks meanwhile, as during any other move.
void TSorimo::PauseAnimation() { QThread::msleep(40); }

void TSorimo::ShowWelcome(bool visible) {
  if (visible) {
    FormResize();
    welcome_->show();
    welcome_->raise();
    welcome_->button("BitBtn1")->setFocus();
  } else {
    // The keyboard focus leaves with the panel: a hidden button that keeps it would still
    // take Space or Return and deal a new game over the one in play.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && welcome_->isAncestorOf(focus)) board_->setFocus();
    welcome_->hide();
  }
}

void TSorimo::ApplyHighlightColour() { penColour_ = PenColourFor(options_.HighlightMode, penColour_); }

// The chrome that follows the game: the pen of the highlight style, the pause command, which
// offers to continue a paused game (a game being wound up under its dialogs is not one), the
// check marks of the options and the commands the game mode allows. Every command ends here
// too.
void TSorimo::GameChanged() {
  ApplyHighlightColour();
  SetPauseCaptions(game_.GameMode == ModePaused && !game_.GameOverHandled);
  commands_->SyncChecks();
  commands_->UpdateCommandStates(game_.GameMode);
  FollowEditorChrome();
  UpdateMusicButton();
}

// The pause command's caption and picture, in the menu and on the toolbar alike; the other
// menu pictures come from the command table and never change.
void TSorimo::SetPauseCaptions(bool paused) {
  // A new picture redraws every menu and button that shows it, whether or not it differs.
  if (pauseCaptionsShown_ == paused) return;
  pauseCaptionsShown_ = paused;
  const QIcon picture(paused ? ":/toolbar/play.png" : ":/toolbar/pause.png");
  action("Pause1")->setText(paused ? "&Continue" : "&Pause");
  action("Pause1")->setIcon(picture);
  QToolButton* b = toolButton("PauseButton");
  b->setText(paused ? "Play" : "Pause");
  b->setIcon(picture);
}

void TSorimo::ClearBoardBuffer() { renderer_.ClearBoardBuffer(); }

void TSorimo::DrawTwoPlayerPanel(bool showPlayerOne, bool showPlayerTwo, const std::string& timeOne,
                                 const std::string& timeTwo) {
  if (!options_.ShowHallFame) return;
  sidePanel_->DrawPlayerClocks(showPlayerOne, showPlayerTwo, QString::fromStdString(timeOne), QString::fromStdString(timeTwo));
}

void TSorimo::PlaySound(Sound s) {
  PlayWave(s == Sound::Done ? "DONE" : s == Sound::NoWay ? "NOWAY" : "SELECT");
}

void TSorimo::SetStatusLine(const std::string& visibleText) { status_->setMessage(QString::fromStdString(visibleText)); }

void TSorimo::SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) {
  status_->setFields(QString::fromStdString(tiles), QString::fromStdString(moves), QString::fromStdString(time));
}

// The game's questions throw work away on OK or Yes (a game restarted or given up, hall of
// fame entries removed): Enter keeps it.
bool TSorimo::AskOkCancel(const std::string& caption, const std::string& text) {
  return desktop_.ask(caption, text, false, EnterAnswers::Refuse);
}

bool TSorimo::AskYesNo(const std::string& caption, const std::string& text) {
  return desktop_.ask(caption, text, true, EnterAnswers::Refuse);
}

void TSorimo::ShowGameOver(const std::string& finalTime, bool entersHall, const std::string& whyNoHall) {
  if (desktop_.gameOverWindow) return desktop_.gameOverWindow(finalTime, entersHall, whyNoHall);
  // One of the four girls, smiling.
  TGameOverForm(this, {finalTime, entersHall, whyNoHall, sidePanel_->Girl(3 * game_.Generator.RandomInt(4) + 1)}).exec();
}

void TSorimo::ShowHallAfterWin() {
  HallAfterWin = true;
  if (desktop_.hallWindow) {
    desktop_.hallWindow(true);
  } else {
    THallWindow w(this, HallModel());
    w.exec();
  }
  HallAfterWin = false;
}

void TSorimo::ShowRandomWindow(int32_t& randomSeed, Random& generator) { desktop_.randomWindow(randomSeed, generator); }

int TSorimo::HallTenthTotal(int column) {
  if (column < 0 || column >= kHallColumns) return 0;
  return HallEntryTotal(hall_.At(10, column));
}

void TSorimo::AddHall(int column, int total, int malus) {
  if (sorimo::AddHall(hall_, column, total, malus, values_.CurrentPlayer1, NewEntryRank)) NewEntryColumn = column;
}

uint32_t TSorimo::TickCount() { return desktop_.tickCount(); }
uint32_t TSorimo::TimeOfDayMs() { return desktop_.timeOfDayMs(); }

void TSorimo::ShowError(const std::string& text) { desktop_.warn("Sorimo", text); }

// ---------------------------------------------------------------- Board events

void TSorimo::ButtonDownAt(Qt::MouseButton button, int x, int y) {
  const MouseButton b = button == Qt::RightButton ? MouseButton::Right
                        : button == Qt::MiddleButton ? MouseButton::Middle
                                                     : MouseButton::Left;
  game_.ButtonDown(b, x, y);
  if (game_.GameMode == ModeEditor) AfterEditorClick(x, y);
}


}  // namespace sorimo
