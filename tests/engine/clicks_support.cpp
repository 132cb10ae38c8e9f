#include "clicks_support.h"

#include "engine/hall_columns.h"
#include "engine/modes/clicks_grid.h"

namespace sorimo::test {

void PutClicks(Table& t, const std::vector<std::string>& bottomRows) {
  ASSERT_EQ(t.game.StartMode(ModeClicks, kClicksEasyColumn), DealResult::Dealt);
  ClicksGrid& g = t.game.ModeData<ClicksState>().Grid;
  g.fill(0);
  const int top = kClicksBottomRow - int(bottomRows.size()) + 1;
  ASSERT_GE(top, kClicksTopRow);
  for (size_t i = 0; i < bottomRows.size(); ++i)
    for (size_t k = 0; k < bottomRows[i].size(); ++k) {
      const char ch = bottomRows[i][k];
      const int c = kClicksFirstColumn + int(k);
      ASSERT_LE(c, kClicksLastColumn);
      g[size_t(ClicksIndex(c, top + int(i)))] = ch == '.' ? 0 : uint8_t(ch - '0');
    }
  ClicksState& s = t.game.ModeData<ClicksState>();
  s.TilesLeft = s.TilesTotal = CountClicksTiles(g);
  t.game.clock.ElapsedSeconds = t.game.TilesLeft();
  t.host.log.clear();
}

std::string ClicksPicture(const ClicksGrid& g) {
  std::string out;
  bool started = false;
  for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) {
    std::string line;
    for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c) {
      const uint8_t v = g[size_t(ClicksIndex(c, r))];
      line += v == 0 ? '.' : char('0' + v);
    }
    line.erase(line.find_last_not_of('.') + 1);
    if (line.empty() && !started) continue;
    started = true;
    out += "\n" + line;
  }
  for (int c = 1; c <= kClicksColumns; ++c)
    for (int r = 1; r <= kClicksRows; ++r)
      if (!InClicksPlay(c, r) && g[size_t(ClicksIndex(c, r))] != 0) return out + "\nborder!";
  return out;
}

void ClickCell(Table& t, int c, int r, MouseButton button) {
  // The picture of (C, R) is 38 x 38 with its corner at (32 (C - 1) - 8, 32 (R - 1) - 16).
  const int x = 32 * (c - 1) - 8 + 19 + t.game.BoardOrigin.x;
  const int y = 32 * (r - 1) - 16 + 19 + t.game.BoardOrigin.y;
  t.game.ButtonDown(button, x, y);
}

}  // namespace sorimo::test
