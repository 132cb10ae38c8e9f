// Every shipped layout can be dealt as a winnable game, and the deal, replayed in the order
// its pairs were taken off, clears the board under the free rule the player plays by.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/game_test_peer.h"
#include "engine/game.h"
#include "layouts/layout_reader.h"
#include "tests/engine/recorder_host.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ShippedLayouts() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(SORIMO_SOURCE_DATA) / "Layouts"))
    if (e.path().extension() == ".lay") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ShippedLayouts, EveryWinnableDealClearsTheBoardWhenReplayed) {
  const auto files = ShippedLayouts();
  ASSERT_GE(files.size(), 24u);
  for (const fs::path& file : files) {
    const LayoutReadResult read = LoadLayoutFile(file);
    ASSERT_EQ(read.status, LayoutReadStatus::Loaded) << file << ": " << read.message;
    for (int number = 1; number <= 25; ++number) {
      test::RecorderHost host;
      Options options;
      options.Winnable = true;
      options.RandomSeed1 = true;
      Game game(GameHost::Of(host), options);
      game.Layout = read.cells;
      game.RandomSeed = number * 7919;
      ASSERT_EQ(game.BeginGame(), DealResult::Dealt) << file;
      ASSERT_EQ(game.TilesLeft(), 144);
      for (int k = 1; k < 144; k += 2) {
        const Cell p = game.PairList()[size_t(k)], q = game.PairList()[size_t(k + 1)];
        const int a = game.board().Grid().at(p.x, p.y, p.z), b = game.board().Grid().at(q.x, q.y, q.z);
        ASSERT_TRUE(a > 0 && b > 0 && a != b && MatchGroup(a) == MatchGroup(b))
            << file.filename() << " game " << number << " pair " << k;
        ASSERT_TRUE(GameTestPeer::Dispo(game, a) && GameTestPeer::Dispo(game, b)) << file.filename() << " game " << number << " pair " << k;
        for (const int t : {a, b}) game.board().TakeTile(t);
      }
      for (int t = 1; t <= kTileCount; ++t) ASSERT_FALSE(game.board().Records()[size_t(t)].present());
    }
  }
}

}  // namespace
}  // namespace sorimo
