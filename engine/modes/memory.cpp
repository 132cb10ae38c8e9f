// Mah-Jongg Memory: the tiles lie face down in a flat block; two turned up are taken when
// they match, else they turn back after half a second and cost two seconds.
#include "engine/modes/memory.h"

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

namespace {

// The block of places: `columns` x `rows` places two cells apart, the first at column
// 2 * firstColumn and row 2 * firstRow + 1, on layer 1.
struct MemoryBlock {
  int tiles;
  int columns, firstColumn;
  int rows, firstRow;
};
constexpr MemoryBlock kEasyBlock = {32, 8, 5, 4, 3};   // columns 10 to 24, rows 7 to 13
constexpr MemoryBlock kHardBlock = {84, 14, 2, 6, 2};  // columns 4 to 30, rows 5 to 15

// Half a second at 50 ms a tick.
constexpr int32_t kRevealTicks = 10;

class MemoryRules : public ModeRules {
 public:
  // Tiles 1..n (the first n / 4 groups) each go to a random empty place of the block.
  DealResult Start(Game& g) const override {
    g.host().board.GameChanged();
    g.Generator.SeedFromClock(g.host().time);
    const MemoryBlock& block = g.BoardNumber == kMemoryHardColumn ? kHardBlock : kEasyBlock;
    g.board().NewDeal(block.tiles);
    for (int a = 1; a <= block.tiles; ++a) {
      int x = 0, y = 0;
      do {
        x = 2 * (g.Generator.RandomInt(block.columns) + block.firstColumn);
        y = 2 * (g.Generator.RandomInt(block.rows) + block.firstRow) + 1;
      } while (g.board().Grid().at(x, y, 1) != 0);
      g.board().PlaceTile(a, {x, y, 1});
    }
    ResetGameFields(g);
    g.NewModeData<MemoryState>();
    g.clock.StartTick = g.host().time.TickCount();
    g.status.ShowStatus(MemoryStartedText);
    g.IM(ModeMemory);
    g.FullRedraw();
    ShowSidePanel(g);
    return DealResult::Dealt;
  }

  // No free rule: any tile turns up. The second one starts the half second; the first one
  // clicked again changes nothing.
  void ChoisitPai(Game& g, int px, int py, int, int, MouseButton) const override {
    const int t = WhatTileThere(g.board().Grid(), px, py);
    if (t <= 0 || t > kTileCount) return;
    if (g.choice.FirstSelected == 0) {
      g.choice.FirstSelected = static_cast<uint8_t>(t);
      SonOK(g, t);
      return;
    }
    g.choice.SecondSelected = static_cast<uint8_t>(t);
    if (t == g.choice.FirstSelected) return;
    SonOK(g, t);
    g.ModeData<MemoryState>().RevealCountdown = kRevealTicks;
  }

  // A pair waiting to be resolved swallows every click.
  void ButtonDown(Game& g, MouseButton button, int px, int py) const override {
    if (g.ModeData<MemoryState>().RevealCountdown > 0) return;
    ModeRules::ButtonDown(g, button, px, py);
  }

  // Half a second after the second tile was turned up, the pair goes or both turn back.
  static void ResolveReveal(Game& g) {
    if (g.options().ShowGirls) ShowSidePanel(g);
    const int first = g.choice.FirstSelected, second = g.choice.SecondSelected;
    if (first > 0 && second > 0 && first != second && MatchGroup(first) == MatchGroup(second)) {
      RemovePair(g, first, second);
      return;
    }
    g.choice.FirstSelected = g.choice.SecondSelected = 0;
    g.FullRedraw();  // both face down again
    if (first > 0 && second > 0) g.clock.PenaltySeconds += 2;
  }

  // The right button only redraws: the tiles turned up stay up.
  void ClearChoice(Game&) const override {}

  // The half second runs on under a pause: the pair is resolved on time, the board covered.
  void RunTimers(Game& g) const override {
    MemoryState& s = g.ModeData<MemoryState>();
    if (s.RevealCountdown > 0 && --s.RevealCountdown == 0) ResolveReveal(g);
  }
  bool TimersRunning(const Game& g) const override {
    const MemoryState* s = g.ModeDataIf<MemoryState>();
    return s != nullptr && s->RevealCountdown > 0;
  }
};

}  // namespace

namespace {

int MemoryPortrait(int seconds, int) { return seconds <= 60 ? 7 : seconds <= 120 ? 6 : 8; }

const MemoryRules kRules;

}  // namespace

std::span<const ModeDescription> DescribeModeMemory() {
  static const ModeDescription d{
      .mode = ModeMemory,
      .traits = {.name = "Memory", .underWay = true, .takesClicks = true, .showsBoard = true, .clockRuns = true,
                 .showsTime = true, .endsWhenEmpty = true},
      .rules = &kRules,
      .easy = {kMemoryEasyColumn, "Memory", "Mahjongg Memory (Easy)", "MahJonggMemoryNewGame1",
               "Mah-Jongg Memory (Easy)", "F4", "BitBtn5", "Easy (32 tiles)"},
      .hard = {kMemoryHardColumn, "Memory2", "Mahjongg Memory (Hard)", "MahJonggMemoryNewGameHard1",
               "Mah-Jongg Memory (Hard)", "Shift+F4", "BitBtn6", "Hard (84 tiles)"},
      .welcomeGroup = "Mah-Jongg Memory",
      // Face down but for the two turned up; only the pointer's frame shows which tile is meant.
      .facesHidden = true,
      .pointer = PointerKind::TileFrame,
      .hoverAnyTile = true,
      .tilePreview = false,
      .portrait = MemoryPortrait,
      .cursor = CursorKind::Tile,
      .newRepeats = true,
  };
  return {&d, 1};
}

}  // namespace sorimo
