// Measures how fair layout files are: for each, the share of its plain deals 1..N that the
// solver clears, decides impossible or leaves unknown within a node budget a deal, and the
// share that start with no move. Prints one Markdown table row a layout.
//
//   measure_layouts [--deals N] [--nodes K] [--vertical] FILE.lay...
//
// N defaults to 1,000 and K to the solver's default budget. Run it under `nice -n 10` on a
// shared machine: a layout whose deals are hard to decide takes minutes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "layouts/clearing_share.h"
#include "layouts/layout_reader.h"
#include "engine/solver/solver.h"
#include "tools/layouts/plain_deal_starts.h"

int main(int argc, char** argv) {
  using namespace sorimo;
  int deals = 1000;
  int64_t nodes = SolveBudget::kDefaultSolveNodes;
  bool vertical = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const auto next = [&] { return i + 1 < argc ? argv[++i] : ""; };
    if (!std::strcmp(argv[i], "--deals")) deals = std::atoi(next());
    else if (!std::strcmp(argv[i], "--nodes")) nodes = std::atoll(next());
    else if (!std::strcmp(argv[i], "--vertical")) vertical = true;
    else files.emplace_back(argv[i]);
  }
  if (files.empty() || deals <= 0) {
    std::fprintf(stderr, "usage: measure_layouts [--deals N] [--nodes K] [--vertical] FILE.lay...\n");
    return 2;
  }
  std::printf("| layout | cleared | impossible | unknown | no move at the start |\n");
  std::printf("| --- | --- | --- | --- | --- |\n");
  int failed = 0;
  for (const std::string& file : files) {
    const LayoutReadResult r = LoadLayoutFile(file);
    if (r.status != LayoutReadStatus::Loaded) {
      std::fprintf(stderr, "%s\n", r.message.c_str());
      ++failed;
      continue;
    }
    const ClearingShare share = MeasureClearingShare(r.cells, vertical, deals, nodes);
    const std::vector<std::vector<int>> stuck = GameNumbersStartingWithoutMove({&r.cells, 1}, deals, vertical);
    const auto percent = [&](int n) { return 100.0 * n / deals; };
    std::printf("| %s | %.1f %% | %.1f %% | %.1f %% | %.1f %% |\n", r.name.c_str(), percent(share.cleared),
                percent(share.impossible), percent(share.unknown), percent(static_cast<int>(stuck[0].size())));
    std::fflush(stdout);
  }
  return failed == 0 ? 0 : 1;
}
