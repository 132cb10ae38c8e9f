// The renderer on the shipped Traditional layout, tileset pai.bmp and background dragons.bmp,
// against a baseline measured in the same run: two plain copies of a whole 704 x 468 buffer,
// the least any whole redraw must do (background in, board out).
// Counters: FullRedraw as a multiple of the baseline (expected at most 2.5); RedrawTile of
// every tile on the board as a fraction of FullRedraw, the worst one and the mean (expected
// at most 1/20 = 0.05 each).
//   build-bench/bench/view/bench_view
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/background_fill.h"
#include "assets/bmp_reader.h"
#include "assets/picture_file.h"
#include "bench_timing.h"
#include "engine/game.h"
#include "layouts/layout_reader.h"
#include "quiet_host.h"
#include "view/board_renderer.h"
#include "view/pixel_transfer.h"

namespace sorimo::bench {
namespace {

const std::string kData = SORIMO_SOURCE_DATA;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "bench_view: %s\n", what.c_str());
  std::exit(1);
}

struct Fixture {
  QuietHost host;
  Options options;
  Game game{GameHost::Of(host), options};
  BoardRenderer renderer;
  BoardScene scene;
  PixelBuffer a{kBoardWidth, kBoardHeight, Rgb(1, 2, 3)}, b{kBoardWidth, kBoardHeight}, c{kBoardWidth, kBoardHeight};

  Fixture() {
    const LayoutReadResult layout = LoadLayoutFile(kData + "/Layouts/Traditional.lay");
    if (layout.status != LayoutReadStatus::Loaded) Fail(layout.message);
    std::string error;
    const auto bytes = ReadPictureBytes(kData + "/Tilesets/pai.bmp", error);
    PictureOrError tileset = bytes ? ReadBmp(*bytes) : PictureOrError::Fail(error);
    if (!tileset.ok()) Fail(tileset.error);
    renderer.setTileset(std::move(tileset.picture));
    const PictureOrError background = LoadPictureFile(kData + "/Backgrounds/dragons.bmp");
    if (!background.ok()) Fail(background.error);
    FillBackground(renderer.background(), background.picture);

    // A fixed winnable deal of the layout, with the default options (shadows on, green
    // rectangle), a selected tile, a hinted pair and the pointer on a fourth tile.
    game.Layout = layout.cells;
    options.RandomSeed1 = true;
    game.RandomSeed = 1;
    if (game.BeginGame() != DealResult::Dealt) Fail("the layout does not deal");
    game.IsItFree();
    if (game.moves.FreeCount < 4) Fail("too few free tiles");
    scene.grid = &game.board().Grid();
    scene.options = &options;
    scene.firstSelected = game.moves.FreeTiles[1];
    scene.hintFirst = game.moves.FreeTiles[2];
    scene.hintSecond = game.moves.FreeTiles[3];
    scene.hoverTile = game.moves.FreeTiles[4];
  }
  void Baseline() {
    BlockTransfer(b, 0, 0, kBoardWidth, kBoardHeight, a, 0, 0, RasterOp::Copy);
    BlockTransfer(c, 0, 0, kBoardWidth, kBoardHeight, b, 0, 0, RasterOp::Copy);
    benchmark::DoNotOptimize(c.row(0));
  }
  void Full() {
    renderer.FullRedraw(scene);
    benchmark::DoNotOptimize(renderer.boardPicture().pixels().data());
  }
  void Tile(int n) {
    renderer.RedrawTile(scene, game.board().Records()[size_t(n)]);
    benchmark::DoNotOptimize(renderer.boardPicture().pixels().data());
  }
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_BaselineTwoCopies(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) f.Baseline();
}
BENCHMARK(BM_BaselineTwoCopies);

void BM_FullRedraw(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) f.Full();
  const double baseline = SecondsPerCall([&] { f.Baseline(); }, 50);
  const double full = SecondsPerCall([&] { f.Full(); }, 50);
  state.counters["x_baseline"] = full / baseline;
  state.counters["full_us"] = full * 1e6;
  state.counters["baseline_us"] = baseline * 1e6;
  state.counters["least_x_baseline"] =
      LeastSecondsPerCall([&] { f.Full(); }, 20) / LeastSecondsPerCall([&] { f.Baseline(); }, 20);
}
BENCHMARK(BM_FullRedraw);

// Every tile of the deal in turn; the timed loop redraws them all once per iteration.
void BM_RedrawTileEach(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state)
    for (int n = 1; n <= kTileCount; ++n)
      if (f.game.board().Records()[size_t(n)].z != 0) f.Tile(n);
  // The least time of many batches: on a shared machine the other programs only ever add,
  // and one slow batch must not make a tile the worst.
  const double full = LeastSecondsPerCall([&] { f.Full(); }, 20);
  double worst = 0, sum = 0;
  int worstTile = 0, count = 0;
  for (int n = 1; n <= kTileCount; ++n) {
    if (f.game.board().Records()[size_t(n)].z == 0) continue;
    const double tile = LeastSecondsPerCall([&] { f.Tile(n); }, 20);
    sum += tile;
    ++count;
    if (tile > worst) worst = tile, worstTile = n;
  }
  state.counters["worst_of_full"] = worst / full;
  state.counters["mean_of_full"] = sum / count / full;
  state.counters["worst_tile"] = worstTile;
  state.counters["worst_layer"] = f.game.board().Records()[size_t(worstTile)].z;
}
BENCHMARK(BM_RedrawTileEach)->Iterations(20);

}  // namespace
}  // namespace sorimo::bench
