// The renderer against a baseline measured in the same run: two plain copies of a whole
// 704 x 468 buffer, the least any whole redraw must do (background in, board out).
// Counters: FullRedraw as a multiple of the baseline (expected at most 3), RedrawTile as a
// fraction of FullRedraw (expected at most 1/20).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "turtle_board.h"
#include "view/board_renderer.h"
#include "view/pixel_transfer.h"
#include "view/tileset_layout.h"

namespace sorimo::bench {
namespace {

// A tileset with the real layout: opaque tile masks with transparent corners, engraved faces.
PixelBuffer MakeTileset() {
  PixelBuffer t(kTilesetWidth, kTilesetHeight, Rgb(250, 240, 200));
  for (int y = 0; y < kSpriteHeight; ++y)
    for (int x = 0; x < kSpriteWidth; ++x) {
      const bool opaque = x + y >= 6 && x + y < 96;
      t.setPixel(kTileMask.x + x, kTileMask.y + y, opaque ? kBlack : kWhite);
      if (!opaque) t.setPixel(kTileBody.x + x, kTileBody.y + y, kBlack);
    }
  for (int face = 1; face <= kFaceCount; ++face) {
    const FaceCell cell = FaceCellOf(face);
    for (int y = 0; y < kFaceHeight; ++y)
      for (int x = 0; x < kFaceWidth; ++x) {
        const bool engraved = (x - 20) * (x - 20) + (y - 25) * (y - 25) < 150;
        t.setPixel(FacePicture(cell).x + x, FacePicture(cell).y + y, engraved ? Rgb(face * 5, 40, 90) : kBlack);
        t.setPixel(FaceMask(cell).x + x, FaceMask(cell).y + y, engraved ? kBlack : kWhite);
      }
  }
  return t;
}

struct Fixture {
  BoardGrid grid;
  TileRecords records{};
  Options options;
  BoardScene scene;
  BoardRenderer renderer;
  PixelBuffer a{kBoardWidth, kBoardHeight, Rgb(1, 2, 3)}, b{kBoardWidth, kBoardHeight}, c{kBoardWidth, kBoardHeight};

  Fixture() {
    if (BuildTurtle(grid, records) != kTileCount) std::abort();
    renderer.setTileset(MakeTileset());
    for (int y = 0; y < kBoardHeight; ++y)
      for (int x = 0; x < kBoardWidth; ++x) renderer.background().setPixel(x, y, Rgb(x, y, x ^ y));
    options.Shadows = true;
    options.HighlightMode = HighlightGreenRectangle;
    scene.grid = &grid;
    scene.options = &options;
    scene.gameMode = ModeClassic;
    scene.firstSelected = 40;
    scene.hintFirst = 90;
    scene.hoverTile = 100;
  }
  void Baseline() {
    BlockTransfer(b, 0, 0, kBoardWidth, kBoardHeight, a, 0, 0, RasterOp::Copy);
    BlockTransfer(c, 0, 0, kBoardWidth, kBoardHeight, b, 0, 0, RasterOp::Copy);
    benchmark::DoNotOptimize(c.row(0));
  }
  void Full() {
    renderer.FullRedraw(scene);
    benchmark::DoNotOptimize(renderer.game().pixels().data());
  }
  void Tile() {
    renderer.RedrawTile(scene, records[40]);
    benchmark::DoNotOptimize(renderer.game().pixels().data());
  }
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// CPU seconds per call: the median of several timed batches, so that neither other programs
// on a shared machine nor one slow batch decide the figure.
template <typename F>
double SecondsPerCall(F&& f, int callsPerBatch) {
  std::vector<double> batches;
  for (int i = 0; i < 15; ++i) {
    const double start = ThreadSeconds();
    for (int k = 0; k < callsPerBatch; ++k) f();
    batches.push_back((ThreadSeconds() - start) / callsPerBatch);
  }
  std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
  return batches[7];
}

void BM_BaselineTwoCopies(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) f.Baseline();
}
BENCHMARK(BM_BaselineTwoCopies);

void BM_FullRedrawTurtle(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) f.Full();
  const double baseline = SecondsPerCall([&] { f.Baseline(); }, 50);
  const double full = SecondsPerCall([&] { f.Full(); }, 50);
  state.counters["x_baseline"] = full / baseline;
}
BENCHMARK(BM_FullRedrawTurtle);

void BM_RedrawTileTurtle(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) f.Tile();
  const double full = SecondsPerCall([&] { f.Full(); }, 50);
  const double tile = SecondsPerCall([&] { f.Tile(); }, 500);
  state.counters["of_full"] = tile / full;
}
BENCHMARK(BM_RedrawTileTurtle);

}  // namespace
}  // namespace sorimo::bench
