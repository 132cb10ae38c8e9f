// Mah-Jongg Clicks: touching tiles of one colour go in groups and the rest falls down. Its
// grid format, which the renderer reads too, and its state.
#pragma once

#include <array>
#include <cstdint>

namespace sorimo {

// Columns C = 1..20 of 15 rows R = 1..15 each, stored column by column, so cell (C, R) is
// byte (C - 1) * 15 + (R - 1). 0 is empty, 1..6 a colour.
constexpr int kClicksColumns = 20, kClicksRows = 15;
constexpr int kClicksCells = kClicksColumns * kClicksRows;
constexpr int ClicksIndex(int c, int r) { return (c - 1) * kClicksRows + (r - 1); }
using ClicksGrid = std::array<uint8_t, kClicksCells>;

struct ClicksState {
  ClicksGrid Grid{};
  // The give-up question is on screen: ticks keep coming meanwhile and must not ask again.
  bool GiveUpAsked = false;
  // The grid before each move, for Back, goes here once the game is built.
};

}  // namespace sorimo
