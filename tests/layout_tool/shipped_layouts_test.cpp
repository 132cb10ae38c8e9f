// Every layout that ships with the game, as a player's copy of the Layouts folder holds it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/layouts/layout_fit.h"
#include "layouts/clearing_share.h"
#include "layouts/layout_list.h"
#include "layouts/layout_picture.h"
#include "tools/layouts/layout_playability.h"
#include "layouts/layout_reader.h"
#include "layouts/layout_rules.h"
#include "layouts/layout_writer.h"
#include "tools/layouts/plain_deal_starts.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ShippedLayouts() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(SORIMO_SOURCE_DATA) / "Layouts"))
    if (e.is_regular_file() && e.path().extension() == ".lay") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ShippedLayouts, AtLeast24AndTraditionalIsChosenFirst) {
  const std::vector<fs::path> files = ShippedLayouts();
  EXPECT_GE(files.size(), 24u);
  std::vector<std::string> names;
  for (const fs::path& f : files) names.push_back(f.filename().string());
  const LayoutList list = ScanLayoutNames(names, -1);
  ASSERT_EQ(list.names.size(), files.size());
  EXPECT_EQ(list.names[list.boardNumber - 1], "Traditional");
}

TEST(ShippedLayouts, EachIsAWellFormedPlayableLayoutThatFitsTheBoard) {
  for (const fs::path& file : ShippedLayouts()) {
    SCOPED_TRACE(file.filename().string());
    const LayoutReadResult r = LoadLayoutFile(file);
    ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
    EXPECT_EQ(r.name, file.stem().string());
    EXPECT_EQ(r.cells.count(), 144);
    const std::vector<LayoutFault> faults = CheckLayout(r.cells);
    EXPECT_TRUE(faults.empty()) << DescribeFaults(faults) << LayoutTopView(r.cells);
    const std::vector<Cell> outside = TilesOutsideImage(r.cells);
    EXPECT_TRUE(outside.empty()) << outside.size() << " tiles stick out\n" << LayoutTopView(r.cells);
    const CentreOffset off = LayoutCentreOffset(r.cells);
    EXPECT_LE(std::abs(off.dx), 40);
    EXPECT_LE(std::abs(off.dy), 30);
    EXPECT_GT(RandomClearingOdds(r.cells, 10, 1).cleared, 0) << LayoutTopView(r.cells);

    // Written the way the game writes: CR LF line ends, nothing more.
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, LayoutFileText(r.cells, r.name));
  }
}

// A deal that starts with no move leaves the player nothing to do but shuffle or give up.
TEST(ShippedLayouts, FewerThanOnePercentOfPlainDealsStartWithNoMove) {
  constexpr int kDeals = 2000;  // game numbers 1..2000
  const std::vector<fs::path> files = ShippedLayouts();
  std::vector<LayoutCells> layouts;
  for (const fs::path& file : files) {
    const LayoutReadResult r = LoadLayoutFile(file);
    ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << file << ": " << r.message;
    layouts.push_back(r.cells);
  }
  const auto stuck = GameNumbersStartingWithoutMove(layouts, kDeals, false);
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_LT(stuck[i].size() * 100, size_t(kDeals))
        << files[i].filename() << ": " << stuck[i].size() << " of " << kDeals << " deals start with no move, "
        << FreePositionsAtStart(layouts[i], false) << " tiles free\n" << LayoutTopView(layouts[i]);
}

// A layout whose deals are mostly lost is a poor game however well it is played. The generator
// solves 1,000 plain deals of each before writing it; this samples the first of them.
TEST(ShippedLayouts, MostPlainDealsCanBeCleared) {
#ifdef SORIMO_SANITIZED
  constexpr int kDeals = 10;
#else
  constexpr int kDeals = 50;
#endif
  int cleared = 0, deals = 0;
  for (const fs::path& file : ShippedLayouts()) {
    const LayoutReadResult r = LoadLayoutFile(file);
    ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << file << ": " << r.message;
    const ClearingShare share = MeasureClearingShare(r.cells, false, kDeals, 20'000);
    EXPECT_GE(share.cleared * 100, 80 * kDeals)
        << file.filename() << ": " << share.cleared << " of " << kDeals << " plain deals can be cleared\n"
        << LayoutTopView(r.cells);
    cleared += share.cleared;
    deals += share.deals();
  }
  EXPECT_GE(cleared * 100, 90 * deals) << cleared << " of " << deals << " plain deals can be cleared";
}

TEST(ShippedLayouts, TraditionalIsTheClassicTurtle) {
  const LayoutReadResult r = LoadLayoutFile(fs::path(SORIMO_SOURCE_DATA) / "Layouts" / "Traditional.lay");
  ASSERT_EQ(r.status, LayoutReadStatus::Loaded) << r.message;
  int perLayer[kLayers] = {};
  for (int z = 1; z <= kLayers; ++z)
    for (uint8_t v : r.cells.layer[z - 1]) perLayer[z - 1] += v;
  EXPECT_EQ(perLayer[0], 87);
  EXPECT_EQ(perLayer[1], 36);
  EXPECT_EQ(perLayer[2], 16);
  EXPECT_EQ(perLayer[3], 4);
  EXPECT_EQ(perLayer[4], 1);
  // The base: rows of 12, 8, 10, 12, 12, 10, 8 and 12 tiles, one side tile on the left of the
  // middle two rows and two on the right, half a row lower than the rows they stand between.
  const int widths[8] = {12, 8, 10, 12, 12, 10, 8, 12};
  for (int r8 = 0; r8 < 8; ++r8) {
    int n = 0;
    for (int x = 5; x <= 27; ++x) n += r.cells.at(x, 3 + 2 * r8, 1);
    EXPECT_EQ(n, widths[r8]) << "row " << r8 + 1;
  }
  EXPECT_EQ(r.cells.at(3, 10, 1), 1);
  EXPECT_EQ(r.cells.at(29, 10, 1), 1);
  EXPECT_EQ(r.cells.at(31, 10, 1), 1);
  EXPECT_EQ(r.cells.at(16, 10, 5), 1);  // the top tile rests on the four of layer 4
}

}  // namespace
}  // namespace sorimo
