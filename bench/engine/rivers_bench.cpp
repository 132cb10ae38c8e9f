// The Rivers move count, which the tick runs twenty times a second: up to six path searches
// for every group on the board. Measured on the Hard deal and on the most expensive Hard
// board a hill-climb over tile arrangements and removed pairs finds (the places of a Hard
// game: columns 6..28, rows 5..15, two layers). "tick_share" is the count's share of the
// 50 ms tick, in the thread's CPU time so that a busy machine does not blur it; the budget
// is 0.01.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "recorder_host.h"

namespace sorimo {
namespace {

// The thread's own CPU time: what the count costs, whatever else the machine is doing.
double CpuNs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return 1e9 * static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec);
}

struct RiversTable {
  test::RecorderHost host;
  Options options;
  Game game{GameHost::Of(host), options};
  RiversTable() {
    options.PlayMusic = false;
    game.StartMode(ModeRivers, kRiversHardColumn);
  }
};

// Nanoseconds of one count: the best of a few timed runs.
double CountNs(Game& g, int repeats) {
  double best = 1e300;
  for (int run = 0; run < 3; ++run) {
    const double start = CpuNs();
    for (int i = 0; i < repeats; ++i) {
      g.IsItFree();
      benchmark::DoNotOptimize(g.moves.MovesLeft);
    }
    best = std::min(best, (CpuNs() - start) / repeats);
  }
  return best;
}

// One random change of a Hard board: two tiles change places, a pair of one group leaves, or
// a pair that left comes back on empty places of its layer.
void Mutate(Game& g, std::mt19937& rng) {
  const auto roll = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::vector<int> on, off;
  for (int t = 1; t <= g.TilesTotal(); ++t) (g.board().Records()[t].present() ? on : off).push_back(t);
  const int kind = roll(3);
  if (kind == 0 && on.size() >= 2) {
    g.board().SwapTiles(on[roll(static_cast<int>(on.size()))], on[roll(static_cast<int>(on.size()))]);
  } else if (kind == 1 && on.size() > 2) {
    const int a = on[roll(static_cast<int>(on.size()))];
    for (const int b : on)
      if (b != a && MatchGroup(b) == MatchGroup(a)) {
        g.board().TakeTile(a);
        g.board().TakeTile(b);
        return;
      }
  } else if (kind == 2 && off.size() >= 2) {
    const int a = off[roll(static_cast<int>(off.size()))];
    for (const int b : off)
      if (b != a && MatchGroup(b) == MatchGroup(a)) {
        for (const int t : {a, b}) {
          const int z = roll(2) + 1;
          for (int tries = 0; tries < 1000; ++tries) {
            const int x = 2 * (roll(12) + 3), y = 2 * (roll(6) + 2) + 1;
            if (g.board().Grid().at(x, y, z) == 0) {
              g.board().PlaceTile(t, {x, y, z});
              break;
            }
          }
        }
        return;
      }
  }
}

// The slowest board to count that a few hundred random changes climb to, from the Hard deal
// with `removed` random pairs taken off first.
double ClimbToWorstBoard(RiversTable& t, int removed) {
  std::mt19937 rng(2026 + removed);
  for (int k = 0; k < removed; ++k) {
    std::vector<int> on;
    for (int n = 1; n <= t.game.TilesTotal(); ++n)
      if (t.game.board().Records()[n].present()) on.push_back(n);
    const int a = on[rng() % on.size()];
    for (const int b : on)
      if (b != a && MatchGroup(b) == MatchGroup(a)) {
        t.game.board().TakeTile(a);
        t.game.board().TakeTile(b);
        break;
      }
  }
  double worst = CountNs(t.game, 20);
  for (int step = 0; step < 600; ++step) {
    const Board before = t.game.board();
    Mutate(t.game, rng);
    const double ns = CountNs(t.game, 20);
    if (ns > worst) {
      worst = ns;
    } else {
      t.game.board() = before;
    }
  }
  return worst;
}

// The worst of the climbs from the full deal and from boards with 20, 40 and 60 pairs gone.
Game& WorstHardBoard() {
  static RiversTable* worst = [] {
    RiversTable* best = nullptr;
    double bestNs = 0;
    for (const int removed : {0, 20, 40, 60}) {
      auto* t = new RiversTable;
      const double ns = ClimbToWorstBoard(*t, removed);
      t->game.IsItFree();
      std::fprintf(stderr, "climb from %d pairs gone: %d tiles, %d listed, %d moves, %.0f ns CPU\n", removed,
                   t->game.TilesLeft(), t->game.moves.FreeCount, t->game.moves.MovesLeft, ns);
      if (ns > bestNs) {
        delete best;
        best = t;
        bestNs = ns;
      } else {
        delete t;
      }
    }
    return best;
  }();
  return worst->game;
}

void Report(benchmark::State& state, Game& g) {
  const double start = CpuNs();
  for (auto _ : state) {
    g.IsItFree();
    benchmark::DoNotOptimize(g.moves.MovesLeft);
  }
  const double ns = (CpuNs() - start) / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["tick_share"] = ns / 50e6;
  state.counters["tiles"] = g.TilesLeft();
}

void BM_RiversCount_HardDeal(benchmark::State& state) {
  RiversTable t;
  Report(state, t.game);
}
BENCHMARK(BM_RiversCount_HardDeal);

void BM_RiversCount_WorstHardBoard(benchmark::State& state) { Report(state, WorstHardBoard()); }
BENCHMARK(BM_RiversCount_WorstHardBoard);

// The whole tick of a Rivers game on that board: clock, status line and the count.
void BM_RiversTick_WorstHardBoard(benchmark::State& state) {
  Game& g = WorstHardBoard();
  auto& host = static_cast<test::RecorderHost&>(g.host().time);
  const double start = CpuNs();
  for (auto _ : state) {  // the clock stands still: a long run never reaches the time limit
    g.Temps();
    host.log.clear();
  }
  const double ns = (CpuNs() - start) / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["tick_share"] = ns / 50e6;
}
BENCHMARK(BM_RiversTick_WorstHardBoard);

}  // namespace
}  // namespace sorimo
