// The registry of game modes, made from the build's list of modes (engine/CMakeLists.txt
// generates mode_list.inc): each mode's description, found by its GameMode value.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"
#include "engine/modes/mode_list.inc"

namespace sorimo {

#define SORIMO_DECLARE_MODE(Name) std::span<const ModeDescription> DescribeMode##Name();
SORIMO_GAME_MODES(SORIMO_DECLARE_MODE)
#undef SORIMO_DECLARE_MODE

namespace {

struct Registry {
  std::array<const ModeDescription*, kMaxModeValue + 1> byMode{};
  std::array<const ModeDescription*, kMaxModeValue + 1> list{};
  size_t count = 0;
  std::vector<int> arcadeColumns;  // every list of every mode, in mode order, easy before hard

  Registry() {
    using Describe = std::span<const ModeDescription> (*)();
#define SORIMO_LIST_MODE(Name) &DescribeMode##Name,
    const Describe all[] = {SORIMO_GAME_MODES(SORIMO_LIST_MODE)};
#undef SORIMO_LIST_MODE
    for (const Describe describe : all)
      for (const ModeDescription& d : describe()) {
        // Two modes on one value, or a value the command masks cannot hold, is a build fault:
        // stop at once rather than play one mode under another's rules.
        if (d.mode > kMaxModeValue || byMode[d.mode] != nullptr) {
          std::fprintf(stderr, "game mode %d is described twice or out of range\n", d.mode);
          std::abort();
        }
        byMode[d.mode] = &d;
      }
    for (const ModeDescription* d : byMode) {
      if (d == nullptr) continue;
      list[count++] = d;
      for (const HallList* l : {&d->easy, &d->hard})
        if (l->column != 0) arcadeColumns.push_back(l->column);
    }
    if (byMode[ModeIdle] == nullptr) {
      std::fprintf(stderr, "no description of the idle mode\n");
      std::abort();
    }
  }
};

const Registry& TheRegistry() {
  static const Registry registry;
  return registry;
}

}  // namespace

const ModeDescription& Describe(uint8_t gameMode) {
  const Registry& r = TheRegistry();
  const ModeDescription* d = gameMode <= kMaxModeValue ? r.byMode[gameMode] : nullptr;
  return d != nullptr ? *d : *r.byMode[ModeIdle];
}

std::span<const ModeDescription* const> RegisteredModes() {
  const Registry& r = TheRegistry();
  return {r.list.data(), r.count};
}

const ModeTraits& Traits(uint8_t gameMode) { return Describe(gameMode).traits; }

namespace {

// The mode whose easy or hard list `column` is, and that list; nulls for no arcade list.
std::pair<const ModeDescription*, const HallList*> FindArcadeList(int column) {
  if (column != 0)
    for (const ModeDescription* d : RegisteredModes())
      for (const HallList* l : {&d->easy, &d->hard})
        if (l->column == column) return {d, l};
  return {nullptr, nullptr};
}

}  // namespace

const HallList* ArcadeList(int column) { return FindArcadeList(column).second; }

uint8_t ModeOfColumn(int column) {
  if (IsLayoutColumn(column)) return ModeClassic;
  const ModeDescription* d = FindArcadeList(column).first;
  return d != nullptr ? d->mode : uint8_t{ModeIdle};
}

ScoreKind ScoreOf(int column) { return Describe(ModeOfColumn(column)).score; }

bool IsArcadeColumn(int column) { return ArcadeList(column) != nullptr; }

const std::vector<int>& ArcadeColumns() { return TheRegistry().arcadeColumns; }

}  // namespace sorimo
