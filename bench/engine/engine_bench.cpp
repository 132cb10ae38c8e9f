// The engine's hot paths against a baseline measured in the same run: copying the board
// grid once (6 KB, the cheapest thing that touches every cell). Each result carries
// "x_grid_copy", its time as a multiple of that copy; the free-tile recount also carries
// "tick_share", its share of the 50 ms tick that runs it twenty times a second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "tests/support/game_test_peer.h"
#include "tests/support/board_text.h"
#include "engine/game.h"
#include "quiet_host.h"
#include "test_layouts.h"

namespace sorimo {
namespace {

using Clock = std::chrono::steady_clock;

using bench::QuietHost;

struct Bench {
  QuietHost host;
  Options options;
  Game game{GameHost::Of(host), options};

  explicit Bench(const char* layout) {
    game.Layout = *LayoutFromText(layout);
    options.RandomSeed1 = true;
    game.RandomSeed = 1;
    options.Winnable = true;
    game.BeginGame();
  }
};

// Nanoseconds for one copy of the grid: the best of several timed runs.
double BaselineNs() {
  static const double ns = [] {
    BoardGrid a, b;
    a.set(3, 3, 1, 9);
    double best = 1e300;
    for (int run = 0; run < 7; ++run) {
      constexpr int kCopies = 200000;
      const auto start = Clock::now();
      for (int i = 0; i < kCopies; ++i) {
        benchmark::DoNotOptimize(a);
        b = a;
        benchmark::DoNotOptimize(b);
        benchmark::ClobberMemory();
      }
      best = std::min(best, std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kCopies);
    }
    return best;
  }();
  return ns;
}

// Runs `body` for the benchmark's iterations and reports its time against the baseline.
template <typename Body>
double Measure(benchmark::State& state, Body&& body) {
  const double baseline = BaselineNs();
  const auto start = Clock::now();
  for (auto _ : state) body();
  const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count() /
                    static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["x_grid_copy"] = ns / baseline;
  state.counters["baseline_ns"] = baseline;
  return ns;
}

void BM_BaselineGridCopy(benchmark::State& state) {
  BoardGrid a, b;
  Measure(state, [&] {
    benchmark::DoNotOptimize(a);
    b = a;
    benchmark::DoNotOptimize(b);
    benchmark::ClobberMemory();
  });
}
BENCHMARK(BM_BaselineGridCopy);

void BM_BaselineCellLoop(benchmark::State& state) {
  const Bench b(test::kTurtle);
  Measure(state, [&] {
    int sum = 0;
    for (int z = 1; z <= kLayers; ++z)
      for (int y = 1; y <= kRows; ++y)
        for (int x = 1; x <= kColumns; ++x) sum += b.game.board().Grid().at(x, y, z);
    benchmark::DoNotOptimize(sum);
  });
}
BENCHMARK(BM_BaselineCellLoop);

void BM_IsItFree_FullBoard(benchmark::State& state) {
  Bench b(test::kTurtle);
  const double ns = Measure(state, [&] {
    b.game.IsItFree();
    benchmark::DoNotOptimize(b.game.moves.MovesLeft);
  });
  state.counters["tick_share"] = ns / 50e6;
}
BENCHMARK(BM_IsItFree_FullBoard);

void BM_WhatTileThere(benchmark::State& state) {
  const Bench b(test::kTurtle);
  int px = 0, py = 0;
  Measure(state, [&] {
    px = (px + 37) % 700;
    py = (py + 23) % 460;
    benchmark::DoNotOptimize(WhatTileThere(b.game.board().Grid(), px, py));
  });
}
BENCHMARK(BM_WhatTileThere);

void BM_Deal(benchmark::State& state, const char* layout, bool winnable) {
  Bench b(layout);
  b.options.Winnable = winnable;
  int number = 1;
  Measure(state, [&] {
    b.game.RandomSeed = number++;
    benchmark::DoNotOptimize(GameTestPeer::DealStep(b.game, DealDrawing::UnlessSpecific));
  });
}
BENCHMARK_CAPTURE(BM_Deal, PlainTurtle, test::kTurtle, false);
BENCHMARK_CAPTURE(BM_Deal, PlainFewFree, test::kFewFree, false);
BENCHMARK_CAPTURE(BM_Deal, PlainWall, test::kWall, false);
BENCHMARK_CAPTURE(BM_Deal, CreateBoardTurtle, test::kTurtle, true);
BENCHMARK_CAPTURE(BM_Deal, CreateBoardFewFree, test::kFewFree, true);
BENCHMARK_CAPTURE(BM_Deal, CreateBoardWall, test::kWall, true);

void BM_ShuffleBoard(benchmark::State& state) {
  Bench b(test::kTurtle);
  Measure(state, [&] { benchmark::DoNotOptimize(GameTestPeer::ShuffleBoard(b.game)); });
}
BENCHMARK(BM_ShuffleBoard);

}  // namespace
}  // namespace sorimo
