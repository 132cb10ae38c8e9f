#include "tests/window/window_test_support.h"

#include <gtest/gtest.h>

#include <fstream>

#include <QAction>
#include <QMenuBar>
#include <random>
#include <utility>

#include "audio/sound_output.h"

namespace sorimo::testing {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
  std::random_device rd;
  path_ = fs::temp_directory_path() / ("sorimo-window-" + std::to_string(rd()));
  fs::create_directories(path_);
  fs::copy(SORIMO_SOURCE_DATA, path_, fs::copy_options::recursive);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

namespace {

class RecordingSound : public SoundOutput {
 public:
  explicit RecordingSound(FakeDesktop& d) : d_(d) {}
  void PlayEffect(std::string_view name) override { d_.sounds.push_back("effect " + std::string(name)); }
  void PlayPiece(std::vector<uint8_t> midi) override {
    d_.sounds.push_back("piece " + std::string(midi.begin(), midi.end()));
    d_.pieceEnded = false;
  }
  void SetMusicPaused(bool paused) override { d_.sounds.push_back(paused ? "pause" : "resume"); }
  bool PieceEnded() override { return d_.pieceEnded; }
  std::string TakePieceError() override { return std::exchange(d_.pieceError, std::string()); }

 private:
  FakeDesktop& d_;
};

}  // namespace

DesktopServices FakeDesktop::services() {
  DesktopServices d;
  d.screenWidth = [this] { return width; };
  d.screenHeight = [this] { return height; };
  d.frameExtents = [this](const QWidget&) { return frame; };
  d.chooseFile = [this](const std::string&, const std::string&, const std::string& folder, bool) {
    fileDialogs.push_back(folder);
    if (files.empty()) return std::string();
    std::string f = files.front();
    files.pop_front();
    return f;
  };
  d.warn = [this](const std::string& caption, const std::string& text) { messages.push_back(caption + ": " + text); };
  d.ask = [this](const std::string&, const std::string& text, bool, EnterAnswers enter) {
    questions.push_back(text);
    enterAnswers.push_back(enter);
    if (duringQuestion) duringQuestion();
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  };
  d.chooseColour = [](uint32_t) -> std::optional<uint32_t> { return std::nullopt; };
  d.randomWindow = [this](int32_t& seed, Random&) {
    if (seedToType >= 0) seed = seedToType;
  };
  d.gameOverWindow = [this](const std::string& finalTime, bool entersHall, const std::string& whyNoHall) {
    gameOvers.push_back(finalTime + (entersHall ? " +hall" : "") + (whyNoHall.empty() ? "" : " no hall: " + whyNoHall));
    if (duringGameOver) duringGameOver();
  };
  d.hallWindow = [this](bool) { ++hallWindows; };
  d.chooseLayout = [this](const ChooseLayoutModel& model) { return chooseLayout ? chooseLayout(model) : -1; };
  d.tickCount = [this] { return now; };
  d.timeOfDayMs = [] { return uint32_t(12345678); };
  d.soundOutput = [this] { return std::make_unique<RecordingSound>(*this); };
  return d;
}

Window::Window(const ProgramFolder& folder, FakeDesktop& d)
    : Window(ProgramFolders{.data = folder.exeDir(), .config = folder.exeDir(), .userLayouts = folder.exeDir() + "Layouts/"},
             d) {}

Window::Window(const ProgramFolders& folders, FakeDesktop& d) : desktop(d) {
  window = std::make_unique<TSorimo>(folders, d.services());
  EXPECT_FALSE(window->startupFailed()) << window->startupError();
  window->show();
  QApplication::processEvents();
}

Window::~Window() {
  if (window) Close();
}

void Window::Close() {
  window->close();
  QApplication::processEvents();
  window.reset();
}

void Window::Tick(int times) {
  for (int i = 0; i < times; ++i) {
    desktop.now += 50;
    window->game().Temps();
  }
  QApplication::processEvents();
}

void Window::ClickTile(int tile) {
  const Game& g = window->game();
  const TileRecord& r = g.board().Records()[size_t(tile)];
  ASSERT_TRUE(r.present()) << "tile " << tile << " is not on the board";
  // The middle of the tile's face in the visible board image.
  const int fx = CoordX(r.x - 1, r.z - 1, g.BoardOrigin.x);
  const int fy = CoordY(r.y - 1, r.z - 1, g.BoardOrigin.y);
  QTest::mouseClick(window->boardImage(), Qt::LeftButton, Qt::NoModifier, window->boardImage()->pointAt(QPoint(fx + 20, fy + 25)));
}

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void StartClassic(Window& w) {
  w->action("RandomSolitaireGame1")->trigger();
  ASSERT_EQ(w->game().GameMode, ModeClassic);
}

QMenu* LayoutMenu(TSorimo& w) {
  for (QAction* a : w.menuBar()->actions())
    if (a->text() == "&Layout") return a->menu();
  return nullptr;
}

}  // namespace sorimo::testing
