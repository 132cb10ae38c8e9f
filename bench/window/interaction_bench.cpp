// What a player's actions cost in the main window, on the shipped Traditional layout with
// pai.bmp and dragons.bmp, against a baseline measured in the same run: two plain copies of
// a whole 704 x 468 board buffer. Each figure includes the paint it causes (the events are
// processed inside the timing). Counters: us (microseconds per action: the median click, the
// least time of many batches for the others) and x_baseline.
//   QT_QPA_PLATFORM=offscreen build-bench/bench/window/interaction_bench
// Expected: a pair-removing click with the side panel at most 150 us; the once-a-second
// clock repaint at most 50 us; the refresh after a command that changed nothing at most 0.1
// of the baseline, Hint and Back through their commands at most 0.5 and 1.0.
// On an X server too: bench/window/both_platforms.sh runs it on offscreen and on xcb.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <memory>
#include <vector>
#include <string>

#include "app/window/status_bar.h"
#include "app/window/sorimo.h"
#include "app/window/window_host.h"
#include "tests/support/window_test_peer.h"
#include "program_folder.h"
#include "bench_timing.h"
#include "view/pixel_transfer.h"

namespace {

using sorimo::bench::LeastSecondsPerCall;

double BaselineSeconds() {
  static const double seconds = [] {
    using namespace sorimo;
    PixelBuffer a(kBoardWidth, kBoardHeight, Rgb(1, 2, 3)), b(kBoardWidth, kBoardHeight), c(kBoardWidth, kBoardHeight);
    return LeastSecondsPerCall(
        [&] {
          BlockTransfer(b, 0, 0, kBoardWidth, kBoardHeight, a, 0, 0, RasterOp::Copy);
          BlockTransfer(c, 0, 0, kBoardWidth, kBoardHeight, b, 0, 0, RasterOp::Copy);
          benchmark::DoNotOptimize(c.row(0));
        },
        50);
  }();
  return seconds;
}

// The main window with a classic game on the shipped layout, tileset and background.
struct Session {
  const sorimo::bench::ProgramFolder folder{"sorimo-interaction-bench"};
  sorimo::TSorimo window{folder.path.string() + "/"};
  sorimo::Game& game = window.game();

  Session() {
    window.show();
    QApplication::processEvents();
    const std::string exe = folder.path.string() + "/";
    sorimo::TSorimoTestPeer::LoadTileset(window, exe + "Tilesets/pai.bmp");
    sorimo::TSorimoTestPeer::ShowBackground(window, exe + "Backgrounds/dragons.bmp");
    window.options().RandomSeed1 = true;
    game.RandomSeed = 1;
    sorimo::TSorimoTestPeer::RunLayout(window, exe + "Layouts/Traditional.lay");
    QApplication::processEvents();
    if (game.GameMode != sorimo::ModeClassic) std::abort();
  }
  // The middle of a tile's face in the board image.
  QPoint FaceOf(int tile) const {
    const sorimo::TileRecord& r = game.board().Records()[size_t(tile)];
    const sorimo::PixelPoint f = sorimo::FaceCorner(r.x, r.y, r.z, game.BoardOrigin.x, game.BoardOrigin.y);
    return {f.x + 20, f.y + 25};
  }
  void Click(int tile) {
    const QPoint p = FaceOf(tile);
    sorimo::TSorimoTestPeer::ButtonDownAt(window, Qt::LeftButton, p.x(), p.y());
  }
  // The k-th available pair of the board as it is.
  std::pair<int, int> Pair(int k) {
    game.IsItFree();
    int found = 0;
    for (int i = 1; i < game.moves.FreeCount; ++i)
      if (sorimo::MatchGroup(game.moves.FreeTiles[i]) == sorimo::MatchGroup(game.moves.FreeTiles[i + 1]) &&
          found++ == k % game.moves.MovesLeft)
        return {game.moves.FreeTiles[i], game.moves.FreeTiles[i + 1]};
    std::abort();
  }
};

// Made on first use, gone before the application object.
std::unique_ptr<Session> session;
Session& Shared() {
  if (!session) session = std::make_unique<Session>();
  return *session;
}

void Report(benchmark::State& state, double seconds) {
  state.counters["us"] = seconds * 1e6;
  state.counters["x_baseline"] = seconds / BaselineSeconds();
}

void BM_BaselineTwoCopies(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BaselineSeconds());
  state.counters["us"] = BaselineSeconds() * 1e6;
}
BENCHMARK(BM_BaselineTwoCopies)->Iterations(1);

// The second click of a pair: both tiles go, the side panel follows. Only that click and
// the paints it causes are timed; selecting the first tile and undoing the pair are not.
void BM_PairRemovingClick(benchmark::State& state) {
  Session& s = Shared();
  std::vector<double> clicks;
  int k = 0;
  for (auto _ : state) {
    const auto [first, second] = s.Pair(k++);
    s.Click(first);
    QApplication::processEvents();
    const double start = sorimo::bench::ThreadSeconds();
    s.Click(second);
    QApplication::processEvents();
    clicks.push_back(sorimo::bench::ThreadSeconds() - start);
    if (s.game.board().Records()[size_t(second)].present()) std::abort();
    s.game.Back();
    QApplication::processEvents();
  }
  // The median click: a click that other programs on the machine slowed down does not count.
  std::nth_element(clicks.begin(), clicks.begin() + long(clicks.size() / 2), clicks.end());
  Report(state, clicks[clicks.size() / 2]);
}
BENCHMARK(BM_PairRemovingClick)->Iterations(400);

// The status bar when the shown time changes, once a second: the new text and its paint.
void BM_ClockRepaint(benchmark::State& state) {
  Session& s = Shared();
  sorimo::StatusBar* bar = s.window.statusLine();
  const QString tiles = bar->tiles(), moves = bar->moves();
  int second = 0;
  const double seconds = LeastSecondsPerCall(
      [&] {
        ++second;
        bar->setFields(tiles, moves, QString("%1:%2").arg(second / 60 % 100, 2, 10, QChar('0')).arg(second % 60, 2, 10, QChar('0')));
        QApplication::processEvents();
      },
      100);
  for (auto _ : state) benchmark::DoNotOptimize(seconds);
  Report(state, seconds);
}
BENCHMARK(BM_ClockRepaint)->Iterations(1);

// The pointer moving over the board with "Show Current Tile": a move within the same tile,
// and a move onto another tile.
void PointerMoves(benchmark::State& state, bool sameTile) {
  Session& s = Shared();
  s.window.options().ShowCurrentTile = true;
  s.window.host().ShowPanelHOF();
  const auto [a, b] = s.Pair(0);
  const QPoint pa = s.FaceOf(a), pb = s.FaceOf(b);
  int step = 0;
  const double seconds = LeastSecondsPerCall(
      [&] {
        ++step;
        const QPoint p = sameTile ? pa + QPoint(step % 2, 0) : (step % 2 ? pa : pb);
        sorimo::TSorimoTestPeer::PointerAt(s.window, p.x(), p.y());
        QApplication::processEvents();
      },
      100);
  s.window.options().ShowCurrentTile = false;
  s.window.host().ShowPanelHOF();
  for (auto _ : state) benchmark::DoNotOptimize(seconds);
  Report(state, seconds);
}
BENCHMARK_CAPTURE(PointerMoves, SameTile, true)->Iterations(1);
BENCHMARK_CAPTURE(PointerMoves, OtherTile, false)->Iterations(1);

// Right-click and hint: the selection or the hinted pair goes and comes.
void BM_RightClick(benchmark::State& state) {
  Session& s = Shared();
  const auto [a, b] = s.Pair(0);
  (void)b;
  const QPoint p = s.FaceOf(a);
  const double seconds = LeastSecondsPerCall(
      [&] {
        sorimo::TSorimoTestPeer::ButtonDownAt(s.window, Qt::LeftButton, p.x(), p.y());
        sorimo::TSorimoTestPeer::ButtonDownAt(s.window, Qt::RightButton, p.x(), p.y());
        QApplication::processEvents();
      },
      50);
  for (auto _ : state) benchmark::DoNotOptimize(seconds);
  state.counters["note_with_select"] = 1;
  Report(state, seconds);
}
BENCHMARK(BM_RightClick)->Iterations(1);

void BM_Hint(benchmark::State& state) {
  Session& s = Shared();
  const double seconds = LeastSecondsPerCall(
      [&] {
        s.game.clock.PenaltySeconds = 0;  // the penalties would end the game at the time limit
        s.game.Hint();
        QApplication::processEvents();
      },
      50);
  if (s.game.GameMode != sorimo::ModeClassic || s.game.choice.HintFirst == 0) std::abort();
  for (auto _ : state) benchmark::DoNotOptimize(seconds);
  Report(state, seconds);
}
BENCHMARK(BM_Hint)->Iterations(1);

// The commands as the player gives them: through the command table, as Ctrl+H, Backspace,
// Ctrl+S and F12 do, the refresh of the window after each included; the median of single
// timed commands (Back takes back a pair removed outside the timing; Pause pauses and resumes
// by turns).
void Command(benchmark::State& state, const char* name) {
  Session& s = Shared();
  QAction* command = s.window.action(name);
  const bool back = std::string(name) == "Undo1";
  std::vector<double> times;
  for (int i = 0; i < 60; ++i) {
    s.game.clock.PenaltySeconds = 0;  // the penalties would end the game at the time limit
    if (back) {
      const auto [a, b] = s.Pair(i);
      s.Click(a);
      s.Click(b);
    }
    QApplication::processEvents();
    const double start = sorimo::bench::ThreadSeconds();
    command->trigger();
    QApplication::processEvents();
    times.push_back(sorimo::bench::ThreadSeconds() - start);
  }
  if (s.game.GameMode == sorimo::ModePaused) s.game.PauseClick();
  if (s.game.GameMode != sorimo::ModeClassic) std::abort();
  std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
  for (auto _ : state) benchmark::DoNotOptimize(times);
  Report(state, times[times.size() / 2]);
}
BENCHMARK_CAPTURE(Command, Hint, "GiveHint")->Iterations(1);
BENCHMARK_CAPTURE(Command, Back, "Undo1")->Iterations(1);
BENCHMARK_CAPTURE(Command, Shuffle, "Shuffle1")->Iterations(1);
BENCHMARK_CAPTURE(Command, Pause, "Pause1")->Iterations(1);

// The window's refresh after a command that changed nothing: what every command pays on top
// of its own work.
void BM_RefreshAfterCommand(benchmark::State& state) {
  Session& s = Shared();
  const double seconds = LeastSecondsPerCall([&] { s.window.host().GameChanged(); }, 200);
  for (auto _ : state) benchmark::DoNotOptimize(seconds);
  Report(state, seconds);
}
BENCHMARK(BM_RefreshAfterCommand)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  sorimo::InitResources();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  session.reset();
  return 0;
}
