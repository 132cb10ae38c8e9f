#include "engine/solver/precedence.h"

namespace sorimo::solver {

Precedence BuildPrecedence(const TileDependencies& d) {
  Precedence p;
  // What tile i waits for directly: everything above it, and the whole of one side when the
  // other can never open. With both sides closed for ever the obstacle itself is waited for.
  std::array<TileSet, kTileCount> direct{};
  for (int i = 0; i < d.count; ++i) {
    direct[i] = d.above[i];
    if (d.sideA[i].test(TileDependencies::kObstacle)) direct[i] |= d.sideB[i];
    if (d.sideB[i].test(TileDependencies::kObstacle)) direct[i] |= d.sideA[i];
    direct[i].reset(TileDependencies::kObstacle);
    p.before[i] = d.above[i] | direct[i];
    if (d.sideA[i].test(TileDependencies::kObstacle) && d.sideB[i].test(TileDependencies::kObstacle))
      p.before[i].set(TileDependencies::kObstacle);
  }
  // The transitive closure, by rounds until nothing grows: a round adds at least one more step
  // of the chains, and chains are as long as the stacks are high.
  for (bool grew = true; grew;) {
    grew = false;
    for (int i = 0; i < d.count; ++i) {
      TileSet closure = p.before[i];
      direct[i].ForEach([&](int j) { closure |= p.before[j]; });
      if (!(closure == p.before[i])) {
        p.before[i] = closure;
        grew = true;
      }
    }
  }
  for (int i = 0; i < d.count; ++i)
    if (p.before[i].test(TileDependencies::kObstacle) || p.before[i].test(i)) p.stuckForEver = true;
  return p;
}

}  // namespace sorimo::solver
