#include "app/window/sorimo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>
#include <chrono>

#include "app/window/board_image.h"
#include "app/window/hall_window.h"
#include "app/window/picture_dialog.h"
#include "app/window/random_window.h"
#include "app/window/side_panel.h"
#include "app/window/status_bar.h"
#include "app/window/tool_panel.h"
#include "app/window/welcome_panel.h"

namespace sorimo {

DesktopServices RealDesktop(QWidget* owner) {
  DesktopServices d;
  d.screenWidth = [] { return QGuiApplication::primaryScreen()->geometry().width(); };
  d.screenHeight = [] { return QGuiApplication::primaryScreen()->geometry().height(); };
  d.chooseFile = [owner](const std::string& title, const std::string& filter, const std::string& folder, bool save) {
    const QString f = QtFileFilter(filter);
    if (save)
      return QFileDialog::getSaveFileName(owner, QString::fromStdString(title), QString::fromStdString(folder), f)
          .toStdString();
    PictureFileDialog dialog(owner, QString::fromStdString(title), QString::fromStdString(folder), f);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
    return dialog.selectedFiles().first().toStdString();
  };
  d.inform = [owner](const std::string& caption, const std::string& text) {
    QMessageBox::information(owner, QString::fromStdString(caption), QString::fromStdString(text));
  };
  d.ask = [owner](const std::string& caption, const std::string& text, bool yesNo) {
    const auto buttons = yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok | QMessageBox::Cancel;
    const auto answer = QMessageBox::question(owner, QString::fromStdString(caption), QString::fromStdString(text), buttons);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
  };
  d.chooseColour = [owner](uint32_t initial) -> std::optional<uint32_t> {
    // Colours are kept as 0x00BBGGRR.
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor c = QColorDialog::getColor(start, owner, "Color", QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return std::nullopt;
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
  };
  d.randomWindow = [owner](int32_t& seed, Random& generator) {
    TRandomWindow w(owner, seed, generator);
    w.exec();
  };
  d.tickCount = [] {
    static QElapsedTimer clock = [] {
      QElapsedTimer t;
      t.start();
      return t;
    }();
    return uint32_t(clock.elapsed());
  };
  d.timeOfDayMs = [] {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return uint32_t(t.msecsSinceStartOfDay());
  };
  return d;
}

TSorimo::TSorimo(const std::string& exeDir, std::optional<DesktopServices> desktop)
    : game_(GameHost::Of(*this), options_), desktop_(desktop ? std::move(*desktop) : RealDesktop(this)), ExeDir(exeDir) {
  setWindowTitle("Sorimo 6.21 ");
  setWindowIcon(QIcon(":/sorimo_icon.png"));
  BuildWidgets();
  BuildMenus();
  BuildToolbar();
  Timer.setInterval(50);
  connect(&Timer, &QTimer::timeout, this, [this] { game_.Temps(); });
  Init();
}

TSorimo::~TSorimo() = default;

QAction* TSorimo::action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QToolButton* TSorimo::toolButton(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

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

  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  board_ = new BoardImage(central);
  board_->setObjectName("Game");
  board_->setPixels(renderer_.game().row(0), kBoardWidth, kBoardHeight);
  board_->onMove = [this](int x, int y) { FormMouseMove(x, y); };
  board_->onRelease = [this](Qt::MouseButton b, int x, int y) { ButtonDownAt(b, x, y); };
  row->addWidget(board_, 0, Qt::AlignTop);
  hof_ = new SidePanel(central);
  row->addWidget(hof_, 0, Qt::AlignTop);
  column->addLayout(row);

  status_ = new StatusBar(central);
  status_->onMovesClicked = [this] { action("Moves")->trigger(); };
  status_->onTimeClicked = [this] { action("ShowTime")->trigger(); };
  column->addWidget(status_);
  setCentralWidget(central);

  welcome_ = new WelcomePanel(board_);
  welcome_->hide();
  connect(welcome_->button("BitBtn1"), &QPushButton::clicked, this, [this] { RandomSolitaireGame1Click(); });
  connect(welcome_->button("BitBtn9"), &QPushButton::clicked, this, [this] { Exit1Click(); });
  connect(welcome_->button("BitBtn11"), &QPushButton::clicked, this, [this] { ShowScores(); });
  connect(welcome_->button("BitBtn12"), &QPushButton::clicked, this, [this] { About1Click(); });
  // The other games and the help come with their own modules.
  for (const char* later : {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn10", "BitBtn8"})
    welcome_->button(later)->setEnabled(false);
}

void TSorimo::BuildToolbar() {
  struct B {
    const char* name;
    const char* caption;
    const char* hint;
    const char* glyph;
    std::function<void()> handler;
  };
  const B buttons[] = {
      {"ExplorerButton1", "New", "New game", ":/toolbar/new.png", [this] { NewGame(); }},
      {"ExplorerButton2", "Back", "Undo move", ":/toolbar/back.png", [this] { Back(); }},
      {"ExplorerButton3", "Hint", "Show possible moves", ":/toolbar/hint.png", [this] { Hint(); }},
      {"ShuffleButton", "Shuffle", "Shuffle tiles", ":/toolbar/shuffle.png", [this] { Shuffle1Click(); }},
      {"PauseButton", "Pause", "Pause game", ":/toolbar/pause.png", [this] { PauseClick(); }},
      {"SetMusic", "Music", "Pause music", ":/toolbar/music.png", {}},
      {"LayoutButton", "Layout", "Choose new layout", ":/toolbar/layout.png", {}},
      {"HelpButton", "?", "Help :)", ":/toolbar/help.png", {}},
      {"AboutButton", "About", "Who made this game", ":/toolbar/about.png", [this] { About1Click(); }},
      {"HallFameButton", "Hall", "Best of the best :)", ":/toolbar/hall.png", [this] { ShowScores(); }},
      {"ExitButton", "Exit", "Don't leave me !! :(", ":/toolbar/exit.png", [this] { Exit1Click(); }},
  };
  for (const B& b : buttons) {
    QToolButton* button = tools_->addButton(b.name, b.caption, b.hint, b.glyph);
    buttons_[b.name] = button;
    if (b.handler) {
      connect(button, &QToolButton::clicked, this, [this, h = b.handler] {
        h();
        SyncChecks();
      });
    } else {
      button->setEnabled(false);
    }
  }
  tools_->addStretch();
}

// The window is as large as its parts: it cannot be resized by hand, and its size changes
// only when the bars or the side panel are shown or hidden.
void TSorimo::FitWindow() {
  centralWidget()->adjustSize();
  adjustSize();
  setFixedSize(sizeHint());
}

BoardScene TSorimo::Scene() const {
  BoardScene s;
  s.grid = &game_.Grid;
  s.gameMode = game_.GameMode;
  s.firstSelected = game_.FirstSelected;
  s.secondSelected = game_.SecondSelected;
  s.hintFirst = game_.HintFirst;
  s.hintSecond = game_.HintSecond;
  s.hoverTile = game_.HoverTile;
  s.originX = game_.BoardOriginX;
  s.originY = game_.BoardOriginY;
  s.options = &options_;
  s.penColour = penColour_;
  return s;
}

// ---------------------------------------------------------------- The game's outside world

void TSorimo::PaintBoard(const DirtyRect& dirty) {
  renderer_.Redraw(Scene(), dirty);
  if (dirty.full())
    board_->update();
  else
    board_->update(QRect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top));
}

void TSorimo::ShowFond() {
  renderer_.ShowFond();
  board_->update();
}

void TSorimo::RepaintNow() { board_->repaint(); }

void TSorimo::ProcessEvents() { QCoreApplication::processEvents(); }

void TSorimo::ShowWelcome(bool visible) {
  if (visible) {
    FormResize();
    welcome_->show();
    welcome_->raise();
    welcome_->button("BitBtn1")->setFocus();
  } else {
    welcome_->hide();
  }
}

void TSorimo::ApplyHighlightColour() { penColour_ = PenColourFor(options_.HighlightMode, penColour_); }

// The chrome that follows the game: the pen of the highlight style, and the pause command,
// which offers to continue a paused game (a game being wound up under its dialogs is not one).
void TSorimo::GameChanged() {
  ApplyHighlightColour();
  SetPauseCaptions(game_.GameMode == ModePaused && !game_.GameOverHandled);
  SetPauseButtons();
}

void TSorimo::SetPauseCaptions(bool paused) {
  action("Pause1")->setText(paused ? "&Continue" : "&Pause");
  QToolButton* b = toolButton("PauseButton");
  b->setText(paused ? "Play" : "Pause");
  b->setIcon(QIcon(paused ? ":/toolbar/play.png" : ":/toolbar/pause.png"));
  action("Pause1")->setEnabled(true);
}

// Sixteen menu items show the glyph of the toolbar button that does the same.
void TSorimo::BindMenuGlyphs() {
  for (const char* item : {"RandomSolitaireGame1", "MahJonggSolitaire2PlayerSingleComputer1", "NewArcadeMahjonggGame1",
                           "MahJonggRiversNewGameHard1", "MahJonggMemoryNewGame1", "MahJonggMemoryNewGameHard1",
                           "MahJonggClicks1", "MahJonggClicksHard1"})
    action(item)->setIcon(toolButton("ExplorerButton1")->icon());
  action("About1")->setIcon(toolButton("AboutButton")->icon());
  action("Halloffame1")->setIcon(toolButton("HallFameButton")->icon());
  action("Exit1")->setIcon(toolButton("ExitButton")->icon());
  action("SelectLayout1")->setIcon(toolButton("LayoutButton")->icon());
  SetPauseButtons();
}

void TSorimo::SetPauseButtons() {
  // The menu pictures of Back, Hint, Shuffle and Pause follow the toolbar's glyphs.
  action("Undo1")->setIcon(toolButton("ExplorerButton2")->icon());
  action("GiveHint")->setIcon(toolButton("ExplorerButton3")->icon());
  action("Shuffle1")->setIcon(toolButton("ShuffleButton")->icon());
  action("Pause1")->setIcon(toolButton("PauseButton")->icon());
}

void TSorimo::ClearBoardBuffer() { renderer_.ClearBoardBuffer(); }

void TSorimo::DrawTwoPlayerPanel(bool, bool, const std::string&, const std::string&) {
  // The two-player game is not part of this program yet; its tick never asks for the panel.
}

void TSorimo::PlaySound(Sound) {
  // Sound effects arrive with the audio module.
}

void TSorimo::SetStatusLine(const std::string& visibleText) { status_->setMessage(QString::fromStdString(visibleText)); }

void TSorimo::SetStatusFields(const std::string& tiles, const std::string& moves, const std::string& time) {
  status_->setFields(QString::fromStdString(tiles), QString::fromStdString(moves), QString::fromStdString(time));
}

bool TSorimo::AskOkCancel(const std::string& caption, const std::string& text) { return desktop_.ask(caption, text, false); }

bool TSorimo::AskYesNo(const std::string& caption, const std::string& text) { return desktop_.ask(caption, text, true); }

void TSorimo::ShowGameOver(const std::string& finalTime, bool entersHall) {
  if (desktop_.gameOverWindow) {
    desktop_.gameOverWindow(finalTime, entersHall);
    return;
  }
  // One of the four girls, smiling, over the dialog's own colour.
  const int k = game_.Generator.RandomInt(4);
  QImage girl(92, 166, QImage::Format_RGB32);
  girl.fill(QColor(0x3a, 0x10, 0x0c));
  DrawTransparent(girl, 0, 0, hof_->Girl(3 * k + 1), SidePanel::kGirlTransparent);
  TGameOverForm form(this, girl);
  form.FinalTime->setText(QString::fromStdString(finalTime));
  form.EnterFame->setVisible(entersHall);
  form.exec();
}

void TSorimo::ShowHallAfterWin() {
  HallAfterWin = true;
  if (desktop_.hallWindow) {
    desktop_.hallWindow(true);
  } else {
    THallWindow w(*this);
    w.exec();
  }
  HallAfterWin = false;
}

// The hall of fame window from the menu, the toolbar or the welcome panel; the game waits.
void TSorimo::ShowScores() {
  game_.CheckPause();
  if (desktop_.hallWindow) {
    desktop_.hallWindow(false);
  } else {
    THallWindow w(*this);
    w.exec();
  }
  game_.UnCheckPause();
}

void TSorimo::ShowRandomWindow(int32_t& randomSeed, Random& generator) { desktop_.randomWindow(randomSeed, generator); }

int TSorimo::HallTenthTotal(int column) {
  if (column < 0 || column >= kHallColumns) return 0;
  return HallEntryTotal(hall_.At(10, column));
}

void TSorimo::AddHall(int column, int total, int malus) {
  sorimo::AddHall(hall_, column, total, malus, values_.CurrentPlayer1, NewEntryRank);
}

bool TSorimo::MusicEnded() { return false; }
int TSorimo::MusicPieceCount() { return 0; }
void TSorimo::SelectMusicPiece(int) {}
void TSorimo::ReplayMusicPiece() {}

uint32_t TSorimo::TickCount() { return desktop_.tickCount(); }
uint32_t TSorimo::TimeOfDayMs() { return desktop_.timeOfDayMs(); }

void TSorimo::ShowError(const std::string& text) { desktop_.inform("Sorimo", text); }

// ---------------------------------------------------------------- Board events

void TSorimo::ButtonDownAt(Qt::MouseButton button, int x, int y) {
  const MouseButton b = button == Qt::RightButton ? MouseButton::Right
                        : button == Qt::MiddleButton ? MouseButton::Middle
                                                     : MouseButton::Left;
  game_.ButtonDown(b, x, y);
}


}  // namespace sorimo
