#include "engine/modes/clicks_grid.h"

#include "engine/random.h"

namespace sorimo {

namespace {

uint8_t& Cell(ClicksGrid& g, int c, int r) { return g[size_t(ClicksIndex(c, r))]; }

// The four neighbours, in the order the fill visits them.
constexpr int kStepC[4] = {1, 0, -1, 0};
constexpr int kStepR[4] = {0, 1, 0, -1};

// Marks the region of colour v that holds (C, R); the empty border stops it.
void Mark(const ClicksGrid& g, std::array<bool, kClicksCells>& seen, int c, int r, uint8_t v) {
  if (!InClicksPlay(c, r) || seen[size_t(ClicksIndex(c, r))] || ClicksAt(g, c, r) != v) return;
  seen[size_t(ClicksIndex(c, r))] = true;
  for (int k = 0; k < 4; ++k) Mark(g, seen, c + kStepC[k], r + kStepR[k], v);
}

int Fill(ClicksGrid& g, int c, int r, uint8_t v) {
  if (!InClicksPlay(c, r) || ClicksAt(g, c, r) != v) return 0;
  Cell(g, c, r) = 0;
  int removed = 1;
  for (int k = 0; k < 4; ++k) removed += Fill(g, c + kStepC[k], r + kStepR[k], v);
  return removed;
}

bool ColumnHasBottomTileRightOf(const ClicksGrid& g, int c) {
  for (int k = c + 1; k <= kClicksLastColumn; ++k)
    if (ClicksAt(g, k, kClicksBottomRow) != 0) return true;
  return false;
}

void ShiftColumnsLeftFrom(ClicksGrid& g, int c) {
  for (int k = c; k < kClicksLastColumn; ++k)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) Cell(g, k, r) = ClicksAt(g, k + 1, r);
  for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) Cell(g, kClicksLastColumn, r) = 0;
}

}  // namespace

ClicksCell ClicksCellAt(int px, int py) {
  // The pictures stand 8 pixels left of and 16 above their cell; C++ division truncates
  // toward zero, as the cells' formula wants.
  const ClicksCell cell{px / 32 + 1, (py + 16) / 32 + 1};
  return InClicksPlay(cell.column, cell.row) ? cell : ClicksCell{1, 1};
}

void DealClicks(ClicksGrid& g, Random& random, int colours) {
  g.fill(0);
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) Cell(g, c, r) = uint8_t(random.RandomInt(colours) + 1);
}

bool StartsGroup(const ClicksGrid& g, int c, int r) {
  const uint8_t v = ClicksAt(g, c, r);
  if (v == 0 || !InClicksPlay(c, r)) return false;
  for (int k = 0; k < 4; ++k)
    if (ClicksAt(g, c + kStepC[k], r + kStepR[k]) == v) return true;
  return false;
}

int RemoveGroup(ClicksGrid& g, int c, int r) {
  const uint8_t v = ClicksAt(g, c, r);
  return v == 0 ? 0 : Fill(g, c, r, v);
}

bool SettlePass(ClicksGrid& g) {
  bool changed = false;
  // Downward, so a tile that dropped is met again one row lower: the lowest loose tile of a
  // column lands in one sweep, the ones above it in later passes, which shows as a fall.
  for (int r = kClicksTopRow; r < kClicksBottomRow; ++r)
    for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
      if (ClicksAt(g, c, r) != 0 && ClicksAt(g, c, r + 1) == 0) {
        Cell(g, c, r + 1) = ClicksAt(g, c, r);
        Cell(g, c, r) = 0;
        changed = true;
      }
  // After the sweep a column is empty exactly when its bottom cell is. Each empty column
  // closes up by one place; one that a shift leaves empty waits for the next pass.
  for (int c = kClicksFirstColumn; c < kClicksLastColumn; ++c) {
    if (ClicksAt(g, c, kClicksBottomRow) != 0) continue;
    if (ColumnHasBottomTileRightOf(g, c)) changed = true;
    if (changed) ShiftColumnsLeftFrom(g, c);
  }
  return changed;
}

int CountGroups(const ClicksGrid& g) {
  std::array<bool, kClicksCells> seen{};
  int groups = 0;
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) {
      if (seen[size_t(ClicksIndex(c, r))] || !StartsGroup(g, c, r)) continue;
      ++groups;
      Mark(g, seen, c, r, ClicksAt(g, c, r));
    }
  return groups;
}

int CountClicksTiles(const ClicksGrid& g) {
  int n = 0;
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
    for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) n += ClicksAt(g, c, r) != 0;
  return n;
}

}  // namespace sorimo
