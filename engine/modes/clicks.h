// Mah-Jongg Clicks: touching tiles of one colour go in groups and the rest falls down. Its
// grid format, which the renderer reads too, and its state.
#pragma once

#include <array>
#include <cstdint>

#include "engine/modes/mode_state.h"

namespace sorimo {

// Columns C = 1..20 of 15 rows R = 1..15 each, stored column by column, so cell (C, R) is
// byte (C - 1) * 15 + (R - 1). 0 is empty, 1..6 a colour.
constexpr int kClicksColumns = 20, kClicksRows = 15;
constexpr int kClicksCells = kClicksColumns * kClicksRows;
constexpr int ClicksIndex(int c, int r) { return (c - 1) * kClicksRows + (r - 1); }
using ClicksGrid = std::array<uint8_t, kClicksCells>;

// The play area; every cell around it stays empty, so searches stop at the border by
// themselves. Row 2 is the top, row 13 the bottom.
constexpr int kClicksFirstColumn = 2, kClicksLastColumn = 19;
constexpr int kClicksTopRow = 2, kClicksBottomRow = 13;
constexpr int kClicksPlayCells = (kClicksLastColumn - kClicksFirstColumn + 1) * (kClicksBottomRow - kClicksTopRow + 1);
// Every move takes two tiles at least, so a game never makes more moves than this.
constexpr int kClicksHistorySteps = kClicksPlayCells / 2;

struct ClicksState : ModeState {
  ClicksGrid Grid{};
  // The grid before each move not taken back: snapshot k (1..ClicksStep) at index k - 1.
  // One per possible move, so Back reaches the deal from any position.
  std::array<ClicksGrid, kClicksHistorySteps> ClicksHistory{};
  int32_t ClicksStep = 0;
  // The give-up question is on screen: ticks keep coming meanwhile and must not ask again.
  bool GiveUpAsked = false;
  // The tiles in the play area, and those dealt.
  int32_t TilesLeft = kClicksPlayCells;
  int32_t TilesTotal = kClicksPlayCells;
  int OwnTilesLeft() const override { return TilesLeft; }
  int OwnTilesTotal() const override { return TilesTotal; }
};

}  // namespace sorimo
