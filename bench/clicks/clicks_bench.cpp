// A Clicks move as the player makes it, through the game's board click: the group goes, the
// rest settles pass by pass, the move count is taken again as the next tick would, and the
// whole grid is drawn by RedrawClicks with the shipped tile pictures. Counters `tick_share` (processor time) and
// `tick_share_wall` (elapsed time, which a loaded machine inflates): the cost of one such
// move as a share of the 50 ms tick (expected at most 0.1).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "app/window/clicks_pictures.h"
#include "app/window/sorimo.h"
#include "bench/quiet_host.h"
#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/clicks_grid.h"
#include "view/board_renderer.h"

namespace sorimo::bench {
namespace {

// Draws every redraw the game asks for and declines the give-up question; everything else is
// silent, and the clock stands still.
class DrawingHost : public QuietHost {
 public:
  BoardRenderer renderer;
  const Game* game = nullptr;

  void PaintBoard(const DirtyRect& dirty) override {
    const BoardScene scene = game->Scene();
    renderer.Redraw(scene, dirty);
    benchmark::DoNotOptimize(renderer.boardPicture().pixels().data());
  }
  bool AskOkCancel(const std::string&, const std::string&) override { return false; }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  int HallTenthTotal(int) override { return 0; }
  uint32_t TickCount() override { return 0; }
};

void ClicksMove(benchmark::State& state) {
  DrawingHost host;
  Options options;
  Game game(GameHost::Of(host), options);
  host.game = &game;
  for (int y = 0; y < kBoardHeight; ++y)
    for (int x = 0; x < kBoardWidth; ++x) host.renderer.background().setPixel(x, y, Rgb(x, y, x ^ y));
  // The pictures the program draws, with their own transparent corners.
  InitResources();
  host.renderer.setClicksTiles(ClicksPictures());
  // The hard game: more, smaller groups, so every move leaves more to settle around it.
  if (game.StartMode(ModeClicks, kClicksHardColumn) != DealResult::Dealt) std::abort();
  const ClicksGrid deal = game.ModeData<ClicksState>().Grid;
  // Every group of the deal in turn; the lowest cells make the longest falls.
  std::vector<std::pair<int, int>> cells;
  for (int c = kClicksFirstColumn; c <= kClicksLastColumn; ++c)
    for (int r = kClicksBottomRow; r >= kClicksTopRow; --r)
      if (StartsGroup(deal, c, r)) cells.push_back({c, r});
  if (cells.empty()) std::abort();

  const auto seconds = [] {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
  };
  const double cpuStart = seconds();
  const auto wallStart = std::chrono::steady_clock::now();
  size_t next = 0;
  for (auto _ : state) {
    game.ModeData<ClicksState>().Grid = deal;
    game.ModeData<ClicksState>().ClicksStep = 0;
    game.ModeData<ClicksState>().TilesLeft = kClicksPlayCells;
    const auto [c, r] = cells[next++ % cells.size()];
    game.ButtonDown(MouseButton::Left, 32 * (c - 1) + 11 + game.BoardOrigin.x, 32 * (r - 1) + 3 + game.BoardOrigin.y);
    game.IsItFree();
    benchmark::DoNotOptimize(game.moves.MovesLeft);
  }
  const double cpu = seconds() - cpuStart;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  if (game.ModeData<ClicksState>().ClicksStep != 1) state.SkipWithError("the click made no move");
  constexpr double kTick = 0.050;
  const double moves = double(state.iterations());
  state.counters["tick_share"] = cpu / moves / kTick;
  state.counters["tick_share_wall"] = wall / moves / kTick;
}
BENCHMARK(ClicksMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorimo::bench
