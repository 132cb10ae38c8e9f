// The search behind SolveBoard, on the tiles of one position numbered by its dependency
// structure. It chooses how each match group's tiles pair off; the moves themselves follow,
// because once every pairing is known the order of play no longer matters (pairing_search.cpp
// gives the reasons and the pruning).
#pragma once

#include <cstdint>
#include <vector>

#include "engine/solver/precedence.h"
#include "engine/solver/tile_dependencies.h"

namespace sorimo::solver {

struct SearchLimits {
  int64_t maxNodes = 0;  // 0: none
};

enum class SearchOutcome { Cleared, Dead, OutOfBudget };

struct IndexPair {
  uint8_t a = 0, b = 0;  // tile indices of the dependency structure
};

struct SearchReport {
  SearchOutcome outcome = SearchOutcome::OutOfBudget;
  std::vector<IndexPair> order;  // when Cleared: the pairs in playing order
  int64_t nodes = 0;
  int64_t tableHits = 0;
  int64_t deadStored = 0;
  int64_t relaxedRuns = 0;
};

SearchReport SearchPairings(const TileDependencies& deps, const Precedence& prec, const SearchLimits& limits);

}  // namespace sorimo::solver
