// The registry of game modes, made from the build's list of modes (engine/CMakeLists.txt
// generates mode_list.inc): each mode's description, found by its GameMode value.
#include <array>
#include <cstdio>
#include <cstdlib>
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
    for (const ModeDescription* d : byMode)
      if (d != nullptr) list[count++] = d;
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

const HallList* ArcadeList(int column) {
  if (column == 0) return nullptr;
  for (const ModeDescription* d : RegisteredModes()) {
    if (d->easy.column == column) return &d->easy;
    if (d->hard.column == column) return &d->hard;
  }
  return nullptr;
}

uint8_t ModeOfColumn(int column) {
  if (IsLayoutColumn(column)) return ModeClassic;
  for (const ModeDescription* d : RegisteredModes())
    if (column != 0 && (d->easy.column == column || d->hard.column == column)) return d->mode;
  return ModeIdle;
}

ScoreKind ScoreOf(int column) { return Describe(ModeOfColumn(column)).score; }

bool IsArcadeColumn(int column) { return ArcadeList(column) != nullptr; }

std::vector<int> ArcadeColumns() {
  std::vector<int> columns;
  for (const ModeDescription* d : RegisteredModes())
    for (const HallList* l : {&d->easy, &d->hard})
      if (l->column != 0) columns.push_back(l->column);
  return columns;
}

}  // namespace sorimo
