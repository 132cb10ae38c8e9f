#include "engine/solver/solver.h"

#include "engine/solver/pairing_search.h"
#include "engine/solver/precedence.h"
#include "engine/solver/tile_dependencies.h"

namespace sorimo {

SolveResult SolveBoard(const BoardGrid& grid, const TileRecords& records, bool vertical, const SolveBudget& budget) {
  const solver::TileDependencies deps = solver::BuildTileDependencies(grid, records, vertical);
  const solver::Precedence prec = solver::BuildPrecedence(deps);
  const solver::SearchReport report = solver::SearchPairings(deps, prec, {budget.maxNodes});

  SolveResult result;
  result.nodes = report.nodes;
  result.tableHits = report.tableHits;
  result.deadStored = report.deadStored;
  result.relaxedRuns = report.relaxedRuns;
  switch (report.outcome) {
    case solver::SearchOutcome::Cleared:
      result.verdict = SolveVerdict::Clearable;
      result.order.reserve(report.order.size());
      for (const solver::IndexPair& p : report.order) result.order.push_back({deps.tile[p.a], deps.tile[p.b]});
      break;
    case solver::SearchOutcome::Dead:
      result.verdict = SolveVerdict::Impossible;
      break;
    case solver::SearchOutcome::OutOfBudget:
      result.verdict = SolveVerdict::Unknown;
      break;
  }
  return result;
}

const char* SolveVerdictName(SolveVerdict v) {
  switch (v) {
    case SolveVerdict::Clearable:
      return "Clearable";
    case SolveVerdict::Impossible:
      return "Impossible";
    case SolveVerdict::Unknown:
      return "Unknown";
  }
  return "";
}

}  // namespace sorimo
