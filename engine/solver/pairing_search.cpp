// Depth-first search over how the match groups pair off.
//
// Taking a tile off never closes another tile: "free" asks that no tile lie on it and that one
// side hold no tile, and both stay true when tiles leave. Everything here rests on that.
//
// Pairings decide, not the order. Say which tile of each group goes with which (a pairing). If
// some clearing uses those pairs, then from any position on its way, taking any pair of them
// that is free now keeps the board clearable: move that pair to the front of the clearing; every
// later pair meets a subset of the tiles it met before, so it is still free at its turn. So the
// search chooses pairings, one group of four at a time (three ways to split it), and the moves
// follow by themselves (Propagate): a pair whose pairing is known is taken as soon as both its
// tiles are free. The two last tiles of a group are such a pair. Four free tiles of a group are
// taken at once even before its pairing is chosen: in any clearing, drop that group's two moves
// and take the four first instead; every other move meets fewer tiles than before.
//
// Pruning, each a proof that no clearing exists with the pairings chosen so far:
//  - Static: a pair of which one tile lies (through others) above the other can never leave in
//    one move, and a pairing whose two pairs each wait for the other is impossible.
//  - The relaxed game (PlayRelaxed): fixed pairs leave when both their tiles are free, but a tile
//    of a group whose pairing is open leaves alone, once it is free and a groupmate is free or
//    gone. Every clearing could play that game too (the partner that leaves with a tile is such
//    a groupmate), and each of its moves stays allowed as other tiles leave, so playing it in
//    any order takes off the most it can. If even that leaves tiles, no clearing exists.
//  - Every pairing still possible for every open group is tried in the relaxed game with that
//    pairing fixed (Narrow); those that get stuck are dropped. A dropped pairing stays dropped
//    below: it is a fact about every position that follows. A group with none left ends the
//    line; a group with one left gets it without branching.
//  - Positions proved dead are kept with their chosen pairings (DeadTable).
//
// A relaxed run that never let a tile leave alone made only real moves: it is a clearing, and
// the search ends there. Most of the time goes into the relaxed runs; Narrow and StillProves say
// how one run serves many tests. Those shortcuts only ever spare a test that would pass: were
// one wrong, a pairing that fails would stay possible and cost a useless branch, whose own
// open run then fails; no answer changes. Dropping a pairing always takes a failed run.
//
// The search restarts with node limits growing in Luby's sequence and a slightly shuffled choice
// of pairings, keeping the dead positions found and how often each group failed: a poor early
// choice then costs one short run instead of the whole search under it, and a board that cannot
// be cleared is still searched to the end by the longer runs.
#include "engine/solver/pairing_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engine/solver/dead_table.h"

namespace sorimo::solver {

namespace {

constexpr int kGroups = kTileCount / 4;  // 36 match groups of four tile numbers
constexpr uint64_t kAllGroups = (uint64_t{1} << kGroups) - 1;

// The three ways to split slots 0..3 into two pairs are named by the partner of slot 0
// (1, 2 or 3); the partner of any slot s is then s ^ pairing.
constexpr int Partner(int slot, int pairing) { return slot ^ pairing; }
constexpr int OtherPairSlot(int pairing) { return pairing == 1 ? 2 : 1; }
// Tiles in a group's slot mask (four bits).
constexpr int Count4(unsigned m) { return (m & 1) + ((m >> 1) & 1) + ((m >> 2) & 1) + ((m >> 3) & 1); }

uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// What still holds a tile, packed in a byte: the tiles (and obstacle) on it in bits 0-3 (at
// most nine cells of the layer above, plus the obstacle), those on side A in bits 4-5 and on
// side B in bits 6-7 (three cells each). A tile leaving takes one unit off the count it is in.
constexpr uint8_t kAboveUnit = 1, kSideAUnit = 16, kSideBUnit = 64;
constexpr bool Unheld(uint8_t v) { return (v & 0x0F) == 0 && ((v & 0x30) == 0 || (v & 0xC0) == 0); }

// What playing changes: the tiles on the board and what still holds each of them.
struct Board {
  TileSet present;  // with the obstacle bit, which never leaves (not kept in the quick runs)
  uint64_t hash = 0;
  // For each tile, how many tiles (and obstacles) still stand on it and on each of its sides.
  std::array<uint8_t, kTileCount> blockers{};
  std::array<uint8_t, kGroups> onBoard{};    // slots of the group still on the board
  std::array<uint8_t, kGroups> freeSlots{};  // those of them that are free
  int left = 0;
};

// A passing relaxed run with a group's pairing fixed: the open run it started from (its epoch,
// counted from 1; 0 for none), whether it is that open run itself, and the groups whose tiles
// its own part took.
struct Proof {
  uint16_t epoch = 0;
  bool open = false;
  uint64_t touched = 0;
};

// One position of the search: the board, the pairings chosen, and what is known about the
// others. Copied for every choice tried, so going back is forgetting the copy.
struct State {
  Board board;
  std::array<uint8_t, kGroups> pairing{};  // of a group of four; 0 while open
  // Bit p set: pairing p of the group may still work. Cleared bits are facts about every
  // position below, so they are handed down.
  std::array<uint8_t, kGroups> possible{};
  std::array<uint64_t, 2> chosen{};  // the pairings of groups of four, 2 bits a group: the key's part
  uint64_t chosenHash = 0;
  // When each group's pairing was chosen (the number of open runs made before it on this line)
  // and which it was; kept after the group's first pair has left.
  std::array<uint16_t, kGroups> decidedAt{};
  std::array<uint8_t, kGroups> decidedAs{};
  // The last passing run of each open group with each pairing, kept to prove the pairing again
  // further down the line (Search::StillProves).
  std::array<std::array<Proof, 3>, kGroups> proof{};
};

class Search {
 public:
  Search(const TileDependencies& deps, const Precedence& prec, const SearchLimits& limits)
      : d_(deps), p_(prec), limits_(limits) {}

  SearchReport Run();

 private:
  struct Dependent {
    uint8_t tile = 0;
    uint8_t unit = kAboveUnit;  // the count the tile is in
    uint8_t group = 0;
    uint8_t bit = 0;  // the tile's slot in its group, as a mask
  };
  // The moves of a relaxed run while each was a real move, and whether one tile had to leave
  // alone (when none did, the run was a real clearing).
  struct Record {
    std::array<IndexPair, kTileCount / 2> moves{};
    int count = 0;
    bool lone = false;
  };
  // When each tile left and became free in a relaxed run (0: free from the start), whether its
  // leaving freed nothing that waited for it, and which tiles' leaving let it become free and
  // leave: what it waited for, followed back through what those waited for.
  struct Timing {
    std::array<uint16_t, kTileCount> left{};
    std::array<uint16_t, kTileCount> freed{};
    std::array<bool, kTileCount> quiet{};
    std::array<TileSet, kTileCount> freeBy{};
    std::array<TileSet, kTileCount> leaveBy{};
    uint16_t clock = 0;
  };
  // What an open run tells later positions about each open group's pairings: `strict` those
  // whose pairs it took together (or whose first tile left holding nothing up); `holdable`
  // those it can also be replayed with, each pair leaving at its second tile's turn, holding
  // back `held` (the tiles that left first) while their partners become free without them
  // (`waits`: what the partners waited for).
  struct Epoch {
    std::array<uint8_t, kGroups> strict{};
    std::array<uint8_t, kGroups> holdable{};
    std::array<std::array<TileSet, 3>, kGroups> held{};
    std::array<std::array<TileSet, 3>, kGroups> waits{};
  };
  // What Narrow found: the line cannot clear, it clears (the moves are on the trail), or a
  // choice is still to be made.
  enum class Verdict { Dead, Cleared, Open };

  bool SetUpRoot(State& s);
  static bool IsFree(const Board& b, int u) {
    return Unheld(b.blockers[u]);
  }
  void RemoveTile(Board& b, int i, uint64_t& dirty, Timing* timing) const;
  void LeaveQuickly(Board& b, int i, uint64_t& dirty) const;
  void RemovePair(State& s, int a, int b, uint64_t& dirty);
  void Choose(State& s, int g, int pairing) const;
  void Propagate(State& s, uint64_t dirty);
  // kTimed: the open run of Narrow, which records its Timing and keeps the boards the tests
  // start from; the other runs are compiled without any of it.
  template <bool kTimed>
  bool PlayRelaxed(Board& b, const std::array<uint8_t, kGroups>& pairs, uint64_t open, int until, Timing* timing,
                   Record* record, uint64_t* touched, const std::array<uint8_t, kGroups>* possible);
  void RecordEpoch(uint64_t open, const Timing& timing);
  bool StillProves(const State& s, const Proof& proof, int g, int p) const;
  Verdict Narrow(State& s);
  SearchOutcome Explore(State s);
  SearchOutcome ExploreNode(State& s);
  bool OutOfBudget();

  const TileDependencies& d_;
  const Precedence& p_;
  SearchLimits limits_;

  std::array<uint8_t, kGroups> size_{};                  // tiles of the group on the board at the start
  std::array<std::array<uint8_t, 4>, kGroups> member_{};  // tile index of each slot
  std::array<uint8_t, kTileCount> groupOf_{};
  std::array<uint8_t, kTileCount> slotOf_{};
  std::array<uint64_t, kTileCount> tileKey_{};
  std::array<std::array<uint64_t, 4>, kGroups> pairingKey_{};
  // The tiles whose sets hold tile i are dependents_[dependentStart_[i] .. dependentStart_[i + 1]).
  std::array<uint16_t, kTileCount + 1> dependentStart_{};
  std::array<Dependent, kTileCount * 15> dependents_{};

  // The open run of Narrow as it was just before the first and before the third tile of each
  // open group left, and the pairing of the group's first two when they left together (0 when
  // they did not): the tests start there.
  std::array<Board, kGroups> firstTouch_;
  std::array<Board, kGroups> thirdTouch_;
  std::array<uint8_t, kGroups> firstPair_{};
  // For each open run on the current line, what it tells about the pairings.
  std::vector<Epoch> epochs_;

  DeadTable dead_;
  std::array<IndexPair, kTileCount / 2> trail_{};
  int trailLength_ = 0;
  int64_t nodes_ = 0;
  int64_t hits_ = 0;
  int64_t stored_ = 0;
  int64_t relaxedRuns_ = 0;
  bool outOfBudget_ = false;
  std::array<int, kGroups> failures_{};  // how often each group's pairings failed their tests
  // Restarts: a run ends after runLimit_ nodes (0: no limit).
  int64_t runLimit_ = 0;
  int64_t runStart_ = 0;
  int run_ = 0;
  uint64_t noiseSeed_ = 0x5EED5011;
};

bool Search::OutOfBudget() {
  if (outOfBudget_) return true;
  if (limits_.maxNodes > 0 && nodes_ > limits_.maxNodes) outOfBudget_ = true;
  return outOfBudget_ || (runLimit_ > 0 && nodes_ - runStart_ > runLimit_);
}

void Search::RemoveTile(Board& b, int i, uint64_t& dirty, Timing* timing) const {
  b.present.reset(i);
  b.hash ^= tileKey_[i];
  const int g = groupOf_[i];
  const auto bit = static_cast<uint8_t>(1u << slotOf_[i]);
  b.onBoard[g] &= static_cast<uint8_t>(~bit);
  b.freeSlots[g] &= static_cast<uint8_t>(~bit);
  --b.left;
  if (timing != nullptr) {
    timing->left[i] = ++timing->clock;
    timing->quiet[i] = true;
  }
  for (int k = dependentStart_[i]; k < dependentStart_[i + 1]; ++k) {
    const Dependent dep = dependents_[k];
    b.blockers[dep.tile] = static_cast<uint8_t>(b.blockers[dep.tile] - dep.unit);
    const int u = dep.tile;
    if ((b.onBoard[dep.group] & ~b.freeSlots[dep.group] & dep.bit) == 0) continue;  // gone or free already
    if (timing != nullptr) timing->quiet[i] = false;
    if (!IsFree(b, u)) continue;
    b.freeSlots[dep.group] |= dep.bit;
    dirty |= uint64_t{1} << dep.group;
    if (timing != nullptr) {
      timing->freed[u] = timing->clock;
      TileSet by = d_.above[u] | ((b.blockers[u] & 0x30) == 0 ? d_.sideA[u] : d_.sideB[u]);
      by.reset(TileDependencies::kObstacle);
      TileSet causes = by;
      by.ForEach([&](int x) { causes |= timing->leaveBy[x]; });
      timing->freeBy[u] = causes;
    }
  }
}

// RemoveTile for the relaxed runs that record nothing: the tile set and hash are not kept.
void Search::LeaveQuickly(Board& b, int i, uint64_t& dirty) const {
  b.onBoard[groupOf_[i]] &= static_cast<uint8_t>(~(1u << slotOf_[i]));
  b.freeSlots[groupOf_[i]] &= static_cast<uint8_t>(~(1u << slotOf_[i]));
  --b.left;
  for (int k = dependentStart_[i]; k < dependentStart_[i + 1]; ++k) {
    const Dependent dep = dependents_[k];
    b.blockers[dep.tile] = static_cast<uint8_t>(b.blockers[dep.tile] - dep.unit);
    if ((b.onBoard[dep.group] & ~b.freeSlots[dep.group] & dep.bit) == 0 || !IsFree(b, dep.tile)) continue;
    b.freeSlots[dep.group] |= dep.bit;
    dirty |= uint64_t{1} << dep.group;
  }
}

void Search::RemovePair(State& s, int a, int b, uint64_t& dirty) {
  const int g = groupOf_[a];
  if (s.pairing[g] != 0) {  // two tiles are left, a pair anyway: the choice leaves the key
    s.chosenHash ^= pairingKey_[g][s.pairing[g]];
    s.chosen[g / 32] &= ~(uint64_t{3} << (2 * (g % 32)));
    s.pairing[g] = 0;
  }
  RemoveTile(s.board, a, dirty, nullptr);
  RemoveTile(s.board, b, dirty, nullptr);
  trail_[trailLength_++] = {static_cast<uint8_t>(a), static_cast<uint8_t>(b)};
  dirty |= uint64_t{1} << g;
}

void Search::Choose(State& s, int g, int pairing) const {
  s.decidedAt[g] = static_cast<uint16_t>(epochs_.size());
  s.decidedAs[g] = static_cast<uint8_t>(pairing);
  s.pairing[g] = static_cast<uint8_t>(pairing);
  s.possible[g] = static_cast<uint8_t>(1u << pairing);
  s.chosenHash ^= pairingKey_[g][pairing];
  s.chosen[g / 32] |= uint64_t(pairing) << (2 * (g % 32));
}

// Takes every pair the reasons at the top of the file allow, until none is left; `dirty` names
// the groups whose tiles changed since they were last looked at.
void Search::Propagate(State& s, uint64_t dirty) {
  Board& b = s.board;
  while (dirty != 0) {
    const int g = std::countr_zero(dirty);
    dirty &= dirty - 1;
    const unsigned on = b.onBoard[g], fr = b.freeSlots[g];
    if (on == 0) continue;
    const auto& m = member_[g];
    if (Count4(on) == 2) {
      if (fr == on) RemovePair(s, m[std::countr_zero(on)], m[std::countr_zero(on & (on - 1))], dirty);
      continue;
    }
    const int pairing = s.pairing[g];
    if (fr == on) {  // all four free
      const int p = pairing != 0 ? pairing : 1;
      const int other = OtherPairSlot(p);
      RemovePair(s, m[0], m[p], dirty);
      RemovePair(s, m[other], m[Partner(other, p)], dirty);
      continue;
    }
    if (pairing == 0) continue;
    for (int slot = 0; slot < 4; ++slot) {
      const unsigned pair = (1u << slot) | (1u << Partner(slot, pairing));
      if ((fr & pair) == pair) {
        RemovePair(s, m[slot], m[Partner(slot, pairing)], dirty);
        break;  // the other pair is now a group of two; `dirty` brings it back
      }
    }
  }
}

// The relaxed game of the top of the file, played on b under the pairings `pairs` (groups in
// `open` have none) until the board is empty (true) or nothing can move (false); or, when
// `until` names a group, until that group has no tile left (true).
//
// The order of the moves does not change where the game ends, only when each tile leaves:
// pairs go first, two free tiles of an open group together (as a pair `possible` still
// allows), and a tile alone only when nothing else can move. The open run of Narrow (given a
// `timing`) also keeps the boards the tests start from; `record` receives its moves.
// `touched` receives the groups whose tiles left.
template <bool kTimed>
bool Search::PlayRelaxed(Board& b, const std::array<uint8_t, kGroups>& pairs, uint64_t open, int until,
                         Timing* timing, Record* record, uint64_t* touched,
                         const std::array<uint8_t, kGroups>* possible) {
  uint64_t dirty = kAllGroups;
  uint64_t lone = 0;  // open groups with a tile that may leave alone
  const auto take = [&](int h, int slot) {
    if constexpr (kTimed) {
      if ((open >> h) & 1) {
        if (b.onBoard[h] == 15) firstTouch_[h] = b;
        if (Count4(b.onBoard[h]) == 2) thirdTouch_[h] = b;
      }
      RemoveTile(b, member_[h][slot], dirty, timing);
    } else {
      if (touched != nullptr) *touched |= uint64_t{1} << h;
      LeaveQuickly(b, member_[h][slot], dirty);
    }
  };
  const auto takePair = [&](int h, int i, int j) {
    if constexpr (kTimed) {
      const int a = member_[h][i], c = member_[h][j];
      timing->leaveBy[a] = timing->leaveBy[c] = timing->freeBy[a] | timing->freeBy[c];
      if (b.onBoard[h] == 15) firstPair_[h] = static_cast<uint8_t>(i ^ j);
    }
    take(h, i);
    take(h, j);
    if (record != nullptr && !record->lone) record->moves[record->count++] = {member_[h][i], member_[h][j]};
  };
  for (;;) {
    if (until >= 0 && b.onBoard[until] == 0) return true;
    if (dirty == 0) {
      if (lone == 0) return b.left == 0;
      const int h = std::countr_zero(lone);
      lone &= lone - 1;
      const unsigned on = b.onBoard[h], fr = b.freeSlots[h];
      if (fr != 0 && (Count4(on) < 4 || Count4(fr) >= 2)) {
        const int slot = std::countr_zero(fr);
        if constexpr (kTimed) {  // it left once a groupmate was gone, or free
          const int t = member_[h][slot];
          const unsigned gone = 15u & ~on, mate = gone != 0 ? gone : fr & ~(1u << slot);
          const int m = member_[h][std::countr_zero(mate)];
          timing->leaveBy[t] = timing->freeBy[t] | (gone != 0 ? timing->leaveBy[m] : timing->freeBy[m]);
          if (gone != 0) timing->leaveBy[t].set(m);
        }
        take(h, slot);
        if (record != nullptr) record->lone = true;
      }
      dirty |= uint64_t{1} << h;
      continue;
    }
    const int h = std::countr_zero(dirty);
    dirty &= dirty - 1;
    const unsigned on = b.onBoard[h], fr = b.freeSlots[h];
    if (fr == 0) continue;
    if ((open >> h) & 1) {
      int first = -1, second = -1;
      for (int i = 0; i < 4 && first < 0; ++i)
        for (int j = i + 1; j < 4; ++j)
          if ((fr >> i) & 1 && (fr >> j) & 1 && (possible == nullptr || on != 15 || (((*possible)[h] >> (i ^ j)) & 1))) {
            first = i;
            second = j;
            break;
          }
      if (first >= 0) {
        takePair(h, first, second);
        dirty |= uint64_t{1} << h;
      } else if (Count4(on) < 4 || Count4(fr) >= 2) {
        lone |= uint64_t{1} << h;
      }
      continue;
    }
    for (int slot = 0; slot < 4; ++slot) {
      const int partner = Count4(on) == 2 ? std::countr_zero(on & ~(1u << slot)) : Partner(slot, pairs[h]);
      const unsigned pair = (1u << slot) | (1u << partner);
      if ((on >> slot) & 1 && (fr & pair) == pair) {
        takePair(h, slot, partner);
        dirty |= uint64_t{1} << h;
        break;
      }
    }
  }
}

// The Epoch of an open run that cleared: for each open group and pairing, whether the run
// took its pairs together, and whether and how it could be replayed holding pairs back.
void Search::RecordEpoch(uint64_t open, const Timing& timing) {
  Epoch& e = epochs_.emplace_back();
  for (uint64_t rest = open; rest != 0; rest &= rest - 1) {
    const int g = std::countr_zero(rest);
    for (int p = 1; p <= 3; ++p) {
      bool strict = true, holdable = true;
      TileSet& held = e.held[g][p - 1];
      TileSet& waits = e.waits[g][p - 1];
      for (const int slot : {0, OtherPairSlot(p)}) {
        int first = member_[g][slot], second = member_[g][Partner(slot, p)];
        if (timing.left[second] < timing.left[first]) std::swap(first, second);
        // Together: the second was free when the first left, or holding the first back would
        // have held up nothing.
        if (timing.freed[second] < timing.left[first] || timing.quiet[first]) continue;
        strict = false;
        holdable = holdable && !timing.freeBy[second].test(first);
        held.set(first);
        waits |= timing.freeBy[second];
      }
      if (strict) e.strict[g] |= static_cast<uint8_t>(1u << p);
      if (holdable && !held.intersects(waits)) e.holdable[g] |= static_cast<uint8_t>(1u << p);
    }
  }
}

// Whether a passing run kept for pairing p of group g still proves it after the pairings
// chosen since its epoch. A run of its own: each of them must have been taken together in the
// epoch's open run, and the run's own part must never have touched that group. The open run
// itself: each must be one it can be replayed with, and no tile held back may be one that a
// held-back tile's partner waited for. The replay holds those tiles back until their partners
// are free, lets what waited for them wait too, and makes every other move when the run made
// it, on a board that never holds more tiles than the run's did.
bool Search::StillProves(const State& s, const Proof& proof, int g, int p) const {
  if (proof.epoch == 0) return false;
  const int epoch = proof.epoch - 1;
  const Epoch& e = epochs_[epoch];
  TileSet held, waits;
  if (proof.open) {
    held = e.held[g][p - 1];
    waits = e.waits[g][p - 1];
  }
  for (int h = 0; h < kGroups; ++h) {
    if (s.decidedAt[h] <= epoch || s.board.onBoard[h] == 0) continue;
    const int q = s.decidedAs[h];
    if (proof.open) {
      if (((e.holdable[h] >> q) & 1) == 0) return false;
      held |= e.held[h][q - 1];
      waits |= e.waits[h][q - 1];
    } else if (((e.strict[h] >> q) & 1) == 0 || ((proof.touched >> h) & 1)) {
      return false;
    }
  }
  return !held.intersects(waits);
}

// Drops the pairings of open groups that fail in the relaxed game; a group left with one gets
// it, and its pairs are taken as they come free.
//
// One run with every open group open serves all the tests. If it gets stuck, so would they; if
// it never let a tile leave alone, it is a clearing. Otherwise a pairing passes at once when
// the run can be replayed with it (RecordEpoch), or when a run kept from higher up still proves
// it (StillProves). Else the run with the pairing fixed starts where the open run first touched
// the group (or touched it the second time, when its first two left as a pair of this pairing)
// and goes only until the group's last tile leaves: from there the open run's own moves,
// replayed on a board that holds no more tiles than it did, clear the rest.
Search::Verdict Search::Narrow(State& s) {
  for (;;) {
    uint64_t open = 0;
    for (int g = 0; g < kGroups; ++g)
      if (s.pairing[g] == 0 && s.board.onBoard[g] == 15) open |= uint64_t{1} << g;
    if (open == 0) return Verdict::Dead;  // all chosen: Propagate has taken all that can ever go
    Board board = s.board;
    Timing timing;
    Record record;
    firstPair_.fill(0);
    ++relaxedRuns_;
    if (!PlayRelaxed<true>(board, s.pairing, open, -1, &timing, &record, nullptr, &s.possible)) return Verdict::Dead;
    if (!record.lone) {
      std::copy(record.moves.begin(), record.moves.begin() + record.count, trail_.begin() + trailLength_);
      trailLength_ += record.count;
      return Verdict::Cleared;
    }
    const int epoch = static_cast<int>(epochs_.size());
    RecordEpoch(open, timing);
    uint64_t forced = 0;
    // Groups that failed before are tested first: a dead line is then found after few runs.
    std::array<uint8_t, kGroups> order{};
    int count = 0;
    for (uint64_t rest = open; rest != 0; rest &= rest - 1) order[count++] = static_cast<uint8_t>(std::countr_zero(rest));
    std::stable_sort(order.begin(), order.begin() + count, [&](int x, int y) { return failures_[x] > failures_[y]; });
    for (int k = 0; k < count; ++k) {
      const int g = order[k];
      // Below the first position a group with no free tile, which never failed, waits: its
      // pairing comes into play later, and testing it at every step costs more than it finds.
      if (nodes_ > 1 && s.board.freeSlots[g] == 0 && failures_[g] == 0) continue;
      for (int p = 1; p <= 3; ++p) {
        if (((s.possible[g] >> p) & 1) == 0) continue;
        Proof& proof = s.proof[g][p - 1];
        if ((epochs_[epoch].holdable[g] >> p) & 1) {
          proof = {static_cast<uint16_t>(epoch + 1), true, 0};
          continue;
        }
        if (StillProves(s, proof, g, p)) continue;
        std::array<uint8_t, kGroups> pairs = s.pairing;
        pairs[g] = static_cast<uint8_t>(p);
        Board trial = firstPair_[g] == p ? thirdTouch_[g] : firstTouch_[g];
        uint64_t touched = 0;
        ++relaxedRuns_;
        if (PlayRelaxed<false>(trial, pairs, open & ~(uint64_t{1} << g), g, nullptr, nullptr, &touched, nullptr))
          proof = {static_cast<uint16_t>(epoch + 1), false, touched};
        else {
          s.possible[g] &= static_cast<uint8_t>(~(1u << p));
          ++failures_[g];
        }
      }
      if (s.possible[g] == 0) {
        failures_[g] += 4;
        return Verdict::Dead;
      }
      if (Count4(s.possible[g]) == 1) forced |= uint64_t{1} << g;
    }
    if (forced == 0) return Verdict::Open;
    // Groups with one pairing left get it, and the tests start over from a new open run. (A
    // test that failed above failed with those groups still open, so it fails with them fixed:
    // what it dropped stays dropped.)
    for (uint64_t rest = forced; rest != 0; rest &= rest - 1) {
      const int g = std::countr_zero(rest);
      Choose(s, g, std::countr_zero(unsigned(s.possible[g])));
    }
    Propagate(s, forced);
    if (s.board.left == 0) return Verdict::Cleared;
  }
}

SearchOutcome Search::Explore(State s) {
  const size_t epochMark = epochs_.size();
  const SearchOutcome r = ExploreNode(s);
  epochs_.resize(epochMark);
  return r;
}

SearchOutcome Search::ExploreNode(State& s) {
  if (s.board.left == 0) return SearchOutcome::Cleared;
  ++nodes_;
  if (OutOfBudget()) return SearchOutcome::OutOfBudget;
  const PositionKey key{{s.board.present.word(0), s.board.present.word(1), s.board.present.word(2), s.chosen[0],
                         s.chosen[1]}};
  const uint64_t hash = s.board.hash ^ s.chosenHash;
  if (dead_.Contains(hash, key)) {
    ++hits_;
    return SearchOutcome::Dead;
  }
  const int mark = trailLength_;
  const Verdict verdict = Narrow(s);
  if (verdict == Verdict::Cleared) return SearchOutcome::Cleared;
  if (verdict == Verdict::Dead) {
    trailLength_ = mark;
    dead_.Insert(hash, key);
    ++stored_;
    return SearchOutcome::Dead;
  }

  // The open group to decide: fewest pairings left; then the group whose pairings failed most
  // often so far (a dead line is found, and left, soonest through it); then the most free
  // tiles (its choice comes into play first).
  int best = -1, bestCount = 4, bestWeight = -1;
  for (int g = 0; g < kGroups; ++g) {
    if (s.pairing[g] != 0 || s.board.onBoard[g] != 15) continue;
    const int count = Count4(s.possible[g]);
    const int weight = failures_[g] * 8 + Count4(s.board.freeSlots[g]);
    if (count < bestCount || (count == bestCount && weight > bestWeight)) {
      best = g;
      bestCount = count;
      bestWeight = weight;
    }
  }

  // Its pairings: those the open run could be replayed with first, then those that take a free
  // pair at once; on a restart, shuffled a little.
  struct Option {
    int pairing = 0, score = 0;
  };
  std::array<Option, 3> options{};
  int n = 0;
  const unsigned fr = s.board.freeSlots[best];
  for (int p = 1; p <= 3; ++p) {
    if (((s.possible[best] >> p) & 1) == 0) continue;
    int score = 0;
    for (const int slot : {0, OtherPairSlot(p)}) {
      const unsigned pair = (1u << slot) | (1u << Partner(slot, p));
      if ((fr & pair) == pair) score += 4;
    }
    if (!epochs_.empty()) score += 5 * ((epochs_.back().holdable[best] >> p) & 1);
    if (run_ > 0) score += static_cast<int>(SplitMix(noiseSeed_) % 7);
    options[n++] = {p, score};
  }
  std::stable_sort(options.begin(), options.begin() + n,
                   [](const Option& a, const Option& b) { return a.score > b.score; });
  const int childMark = trailLength_;
  for (int k = 0; k < n; ++k) {
    State child = s;
    Choose(child, best, options[k].pairing);
    Propagate(child, uint64_t{1} << best);
    const SearchOutcome r = Explore(child);
    if (r != SearchOutcome::Dead) return r;
    trailLength_ = childMark;
  }
  trailLength_ = mark;
  dead_.Insert(hash, key);
  ++stored_;
  return SearchOutcome::Dead;
}

bool Search::SetUpRoot(State& s) {
  uint64_t seed = 0x5EED5011;
  for (int i = 0; i < d_.count; ++i) {
    const int g = MatchGroup(d_.tile[i]);
    groupOf_[i] = static_cast<uint8_t>(g);
    slotOf_[i] = size_[g];
    member_[g][size_[g]++] = static_cast<uint8_t>(i);
    tileKey_[i] = SplitMix(seed);
  }
  for (auto& keys : pairingKey_)
    for (uint64_t& k : keys) k = SplitMix(seed);
  if (p_.stuckForEver) return false;

  // Who stands in whose sets, as counters each position keeps. A tile's sets hold at most the
  // 15 cells the free rule reads, so all the lists together fit in 15 entries a tile.
  Board& b = s.board;
  std::array<uint16_t, kTileCount + 1> filled{};
  for (int pass = 0; pass < 2; ++pass) {
    for (int u = 0; u < d_.count; ++u) {
      const std::array<const TileSet*, 3> sets{&d_.above[u], &d_.sideA[u], &d_.sideB[u]};
      constexpr std::array<uint8_t, 3> kUnits{kAboveUnit, kSideAUnit, kSideBUnit};
      if (pass == 0) b.blockers[u] = 0;
      for (int how = 0; how < 3; ++how) {
        if (pass == 0) b.blockers[u] = static_cast<uint8_t>(b.blockers[u] + kUnits[how] * sets[how]->count());
        TileSet tiles = *sets[how];
        tiles.reset(TileDependencies::kObstacle);
        tiles.ForEach([&](int t) {
          if (pass == 0)
            ++dependentStart_[t + 1];
          else
            dependents_[filled[t]++] = {static_cast<uint8_t>(u), kUnits[how], groupOf_[u],
                                        static_cast<uint8_t>(1u << slotOf_[u])};
        });
      }
    }
    if (pass == 0)
      for (int t = 0; t < d_.count; ++t) {
        dependentStart_[t + 1] = static_cast<uint16_t>(dependentStart_[t + 1] + dependentStart_[t]);
        filled[t] = dependentStart_[t];
      }
  }

  // A pair whose tiles wait one for the other never leaves; nor does a pairing whose two
  // pairs each hold a tile waiting for the other pair.
  const auto waits = [&](int x, int y) { return p_.before[x].test(y); };
  for (int g = 0; g < kGroups; ++g) {
    const auto& m = member_[g];
    if (size_[g] % 2 != 0) return false;  // a tile would be left without a partner
    if (size_[g] == 2 && p_.Ordered(m[0], m[1])) return false;
    if (size_[g] != 4) continue;
    for (int p = 1; p <= 3; ++p) {
      const int a = m[0], c = m[p], e = m[OtherPairSlot(p)], f = m[Partner(OtherPairSlot(p), p)];
      const bool firstWaits = waits(a, e) || waits(a, f) || waits(c, e) || waits(c, f);
      const bool secondWaits = waits(e, a) || waits(e, c) || waits(f, a) || waits(f, c);
      if (!p_.Ordered(a, c) && !p_.Ordered(e, f) && !(firstWaits && secondWaits))
        s.possible[g] |= static_cast<uint8_t>(1u << p);
    }
    if (s.possible[g] == 0) return false;
  }

  b.present = d_.onBoard;
  b.left = d_.count;
  for (int i = 0; i < d_.count; ++i) {
    b.hash ^= tileKey_[i];
    const auto bit = static_cast<uint8_t>(1u << slotOf_[i]);
    b.onBoard[groupOf_[i]] |= bit;
    if (IsFree(b, i)) b.freeSlots[groupOf_[i]] |= bit;
  }
  for (int g = 0; g < kGroups; ++g)
    if (Count4(s.possible[g]) == 1) Choose(s, g, std::countr_zero(unsigned(s.possible[g])));
  Propagate(s, kAllGroups);
  return true;
}

SearchReport Search::Run() {
  SearchReport report;
  State root;
  if (!SetUpRoot(root)) {
    report.outcome = SearchOutcome::Dead;
    return report;
  }
  // Runs of growing length, in Luby's sequence (1, 1, 2, 1, 1, 2, 4, 1, ...) times a base, for
  // as long as the budget lasts. Dead positions carry over; a run cut short stores nothing it
  // did not finish. Each run is as complete as a search without restarts would be once its
  // limit exceeds the whole search, which the doubling lengths ensure.
  constexpr int kRestartBase = 60;
  const auto luby = [](int64_t i) {  // i from 1
    for (;;) {
      int k = 1;
      while ((int64_t{1} << k) - 1 < i) ++k;
      if ((int64_t{1} << k) - 1 == i) return int64_t{1} << (k - 1);
      i -= (int64_t{1} << (k - 1)) - 1;
    }
  };
  const int rootTrail = trailLength_;
  report.outcome = SearchOutcome::OutOfBudget;
  for (run_ = 0;; ++run_) {
    runLimit_ = kRestartBase * luby(run_ + 1);
    runStart_ = nodes_;
    trailLength_ = rootTrail;
    report.outcome = root.board.left == 0 ? SearchOutcome::Cleared : Explore(root);
    if (report.outcome != SearchOutcome::OutOfBudget || outOfBudget_) break;
  }
  if (report.outcome == SearchOutcome::Cleared) report.order.assign(trail_.begin(), trail_.begin() + trailLength_);
  report.nodes = nodes_;
  report.tableHits = hits_;
  report.deadStored = stored_;
  report.relaxedRuns = relaxedRuns_;
  return report;
}

}  // namespace

SearchReport SearchPairings(const TileDependencies& deps, const Precedence& prec, const SearchLimits& limits) {
  Search search(deps, prec, limits);
  return search.Run();
}

}  // namespace sorimo::solver
