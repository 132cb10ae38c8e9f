#include "layouts/clearing_share_cache.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace sorimo {
namespace {

// Shares survive in the file for the next run, keyed by the cells and the rule; a damaged line
// is skipped and the rest kept.
TEST(ClearingShareCache, KeepsSharesByLayoutAndRuleAcrossRuns) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("sorimo_share_cache_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  const std::string file = (folder / "deeper" / "shares.txt").string();
  LayoutCells a{}, b{};
  a.set(2, 2, 1, 1);
  a.set(4, 2, 1, 1);
  b = a;
  b.set(4, 2, 2, 1);
  const std::string keyA = ClearingShareKey(a, false);
  EXPECT_NE(keyA, ClearingShareKey(a, true));
  EXPECT_NE(keyA, ClearingShareKey(b, false));
  {
    ClearingShareCache cache(file);
    EXPECT_FALSE(cache.Find(keyA));
    cache.Remember(keyA, 97);
    cache.Remember(ClearingShareKey(b, true), 0);
  }
  {
    std::ofstream out(file, std::ios::app);
    out << "0123456789abcdef 101\nnot a line\n0123456789abcdef 5 and more\nfedcba9876543210 42\n";
  }
  const ClearingShareCache again(file);
  EXPECT_EQ(again.Find(keyA), 97);
  EXPECT_EQ(again.Find(ClearingShareKey(b, true)), 0);
  EXPECT_FALSE(again.Find(ClearingShareKey(b, false)));
  EXPECT_FALSE(again.Find("0123456789abcdef")) << "no share above 100 %";
  EXPECT_EQ(again.Find("fedcba9876543210"), 42);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace sorimo
