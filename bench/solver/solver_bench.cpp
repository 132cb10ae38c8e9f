// The solver on fresh plain deals of the shipped Traditional layout, dealt by the game itself
// (game numbers 1..N as specific games, horizontal rule unless --vertical).
//
//   solver_bench [--deals N] [--odds M] [--nodes K] [--layout FILE] [--vertical] [--uniform]
//                [--slowest K]
//
// Part one solves deals 1..N (default 10,000) with a budget of K search nodes each (default the
// solver's own) and
// prints the median, 90th and 99th percentile and the longest solve time, in the thread's CPU
// time, with the share left Unknown. Every figure is also given as a multiple of a baseline
// measured in the same run: one plain deal of the same layout (what starting a game costs
// already, so "x_deal" says how many deals' worth of time the solver adds to a new game). The
// free-tile count of the tick is printed beside it for scale.
//
// Part two solves deals 1..M (default 100,000; 0 skips it) and prints the share that cannot be
// cleared, with its 95 % Wilson interval. With --uniform the tiles are dealt instead by a
// uniformly random permutation (a 64-bit Mersenne Twister seeded with the deal number), the
// deal of the published figures, to tell the layout and rule from the game's own generator.
// Run it under `nice -n 10` on a shared machine.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/support/game_test_peer.h"
#include "bench_timing.h"
#include "engine/free_rule.h"
#include "engine/game.h"
#include "engine/solver/solver.h"
#include "layouts/layout_reader.h"
#include "quiet_host.h"

namespace sorimo {
namespace {

struct Args {
  int deals = 10000;
  int odds = 100000;
  int64_t nodes = SolveBudget::kDefaultSolveNodes;
  bool vertical = false;
  bool uniform = false;
  int slowest = 10;
  std::string layout = std::string(SORIMO_SOURCE_DATA) + "/Layouts/Traditional.lay";
};

struct Dealer {
  bench::QuietHost host;
  Options options;
  Game game{GameHost::Of(host), options};

  bool uniform = false;

  explicit Dealer(const LayoutCells& layout, bool uniformDeal) : uniform(uniformDeal) {
    options.PlayMusic = false;
    options.RandomSeed1 = true;
    game.Layout = layout;
    game.GameMode = ModeClassic;  // the tick counts free tiles only during a game
  }
  void Deal(int number) {
    game.RandomSeed = number;
    GameTestPeer::DealStep(game, DealDrawing::OverGameUnderWay);
    if (!uniform) return;
    // The same positions, the tiles 1..N in a uniformly random order.
    std::vector<Cell> cells;
    for (int n = 1; n <= game.TilesLeft(); ++n) cells.push_back({game.board().Records()[n].x, game.board().Records()[n].y, game.board().Records()[n].z});
    std::mt19937_64 rng(static_cast<uint64_t>(number));
    std::shuffle(cells.begin(), cells.end(), rng);
    for (int n = 1; n <= game.TilesLeft(); ++n) game.board().PlaceTile(n, cells[n - 1]);
  }
};

// Plays the order on a copy of the board under the game's free rule: every pair two different
// matching tiles, both free at their turn, and the board empty at the end.
bool OrderClears(BoardGrid grid, TileRecords records, bool vertical, const std::vector<TilePair>& order) {
  for (const TilePair& p : order) {
    for (const int n : {int(p.first), int(p.second)}) {
      const TileRecord& r = records[n];
      if (!r.present() || !CellIsFree(grid, r.x, r.y, r.z, vertical)) return false;
    }
    if (p.first == p.second || MatchGroup(p.first) != MatchGroup(p.second)) return false;
    TakeTile(grid, records, p.first);
    TakeTile(grid, records, p.second);
  }
  for (int n = 1; n <= kTileCount; ++n)
    if (records[n].present()) return false;
  return true;
}

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t k = std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())));
  return v[k];
}

// The 95 % Wilson score interval of k successes in n trials.
void Wilson(int k, int n, double& low, double& high) {
  const double z = 1.959964, p = double(k) / n, z2n = z * z / n;
  const double centre = (p + z2n / 2) / (1 + z2n);
  const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
  low = centre - half;
  high = centre + half;
}

int Run(const Args& a) {
  const LayoutReadResult file = LoadLayoutFile(a.layout);
  if (file.status != LayoutReadStatus::Loaded) {
    std::fprintf(stderr, "%s\n", file.message.c_str());
    return 1;
  }
  Dealer dealer(file.cells, a.uniform);
  const SolveBudget budget{a.nodes};

  int number = 1;
  const double dealSeconds = bench::LeastSecondsPerCall([&] { dealer.Deal(number++); }, 200);
  dealer.Deal(1);
  const double countSeconds = bench::LeastSecondsPerCall([&] { dealer.game.IsItFree(); }, 2000);
  std::printf("layout %s, %s rule, %d tiles, %s\n", file.name.c_str(), a.vertical ? "vertical" : "plain",
              dealer.game.TilesLeft(), a.uniform ? "uniform random deals" : "the game's plain deals");
  std::printf("baseline: one plain deal %.1f us; free-tile count of the tick %.2f us\n", dealSeconds * 1e6,
              countSeconds * 1e6);

  if (a.deals > 0) {
    std::vector<double> times;
    std::vector<std::pair<double, int>> slow;
    int unknown = 0, impossible = 0, wrongOrders = 0;
    int64_t nodes = 0;
    for (int n = 1; n <= a.deals; ++n) {
      dealer.Deal(n);
      const double start = bench::ThreadSeconds();
      const SolveResult r = SolveBoard(dealer.game.board().Grid(), dealer.game.board().Records(), a.vertical, budget);
      const double t = bench::ThreadSeconds() - start;
      times.push_back(t);
      slow.push_back({t, n});
      nodes += r.nodes;
      unknown += r.verdict == SolveVerdict::Unknown;
      impossible += r.verdict == SolveVerdict::Impossible;
      if (r.verdict == SolveVerdict::Clearable && !OrderClears(dealer.game.board().Grid(), dealer.game.board().Records(), a.vertical, r.order))
        ++wrongOrders;
    }
    const double median = Percentile(times, 0.5), p90 = Percentile(times, 0.9), p99 = Percentile(times, 0.99);
    const double longest = *std::max_element(times.begin(), times.end());
    std::printf("\nsolve time over deals 1..%d (thread CPU time, budget %lld nodes):\n", a.deals,
                static_cast<long long>(a.nodes));
    std::printf("  %-8s %10s %10s\n", "", "ms", "x_deal");
    for (const auto& [name, v] : {std::pair{"median", median}, {"p90", p90}, {"p99", p99}, {"longest", longest}})
      std::printf("  %-8s %10.3f %10.1f\n", name, v * 1e3, v / dealSeconds);
    double mean = 0;
    for (const double t : times) mean += t;
    mean /= static_cast<double>(times.size());
    std::printf("  %-8s %10.3f %10.1f\n", "mean", mean * 1e3, mean / dealSeconds);
    std::printf("  unknown %d (%.3f %%), impossible %d (%.2f %%), mean nodes %.1f\n", unknown, 100.0 * unknown / a.deals,
                impossible, 100.0 * impossible / a.deals, double(nodes) / a.deals);
    std::printf("  clearing orders replayed under the free rule: %d failed\n", wrongOrders);
    std::sort(slow.rbegin(), slow.rend());
    std::printf("  slowest:");
    for (int k = 0; k < a.slowest && k < int(slow.size()); ++k)
      std::printf(" #%d %.1f ms", slow[k].second, slow[k].first * 1e3);
    std::printf("\n");
  }

  if (a.odds > 0) {
    int impossible = 0, unknown = 0, wrongOrders = 0;
    for (int n = 1; n <= a.odds; ++n) {
      dealer.Deal(n);
      const SolveResult r = SolveBoard(dealer.game.board().Grid(), dealer.game.board().Records(), a.vertical, budget);
      impossible += r.verdict == SolveVerdict::Impossible;
      unknown += r.verdict == SolveVerdict::Unknown;
      if (r.verdict == SolveVerdict::Clearable && !OrderClears(dealer.game.board().Grid(), dealer.game.board().Records(), a.vertical, r.order))
        ++wrongOrders;
    }
    double low = 0, high = 0;
    Wilson(impossible, a.odds, low, high);
    std::printf("\nunwinnable deals 1..%d: %d = %.3f %% (95 %% Wilson interval %.3f .. %.3f %%), unknown %d\n", a.odds,
                impossible, 100.0 * impossible / a.odds, 100 * low, 100 * high, unknown);
    std::printf("clearing orders replayed under the free rule: %d failed\n", wrongOrders);
  }
  return 0;
}

}  // namespace
}  // namespace sorimo

int main(int argc, char** argv) {
  sorimo::Args a;
  for (int i = 1; i < argc; ++i) {
    const auto next = [&] { return i + 1 < argc ? argv[++i] : ""; };
    if (!std::strcmp(argv[i], "--deals")) a.deals = std::atoi(next());
    else if (!std::strcmp(argv[i], "--odds")) a.odds = std::atoi(next());
    else if (!std::strcmp(argv[i], "--nodes")) a.nodes = std::atoll(next());
    else if (!std::strcmp(argv[i], "--layout")) a.layout = next();
    else if (!std::strcmp(argv[i], "--vertical")) a.vertical = true;
    else if (!std::strcmp(argv[i], "--uniform")) a.uniform = true;
    else if (!std::strcmp(argv[i], "--slowest")) a.slowest = std::atoi(next());
    else {
      std::fprintf(stderr,
                   "usage: solver_bench [--deals N] [--odds M] [--nodes K] [--layout FILE] [--vertical] [--uniform] "
                   "[--slowest K]\n");
      return 2;
    }
  }
  return sorimo::Run(a);
}
