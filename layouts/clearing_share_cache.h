// The layout chooser's measured shares of clearable deals, kept in a small file so that a
// layout is measured once: the key is a hash of the layout's cells, the rule and the sample, so
// a file edited or replaced is measured again and a copy under another name is not.
//
// The file holds one line a layout, "<key> <percent>"; a line that does not read so is
// skipped, and a file that cannot be read or written only means measuring again.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "engine/board.h"

namespace sorimo {

// The chooser's sample: plain deals 1..kShareSampleDeals, each searched for at most
// kShareSampleNodes nodes (an Unknown counts as not cleared).
inline constexpr int kShareSampleDeals = 100;
inline constexpr int64_t kShareSampleNodes = 10'000;

std::string ClearingShareKey(const LayoutCells& cells, bool vertical);

class ClearingShareCache {
 public:
  // Reads the file at path; an empty path keeps the shares of this run only.
  explicit ClearingShareCache(std::string path);

  std::optional<int> Find(const std::string& key) const;
  // Keeps the share and writes the whole file again (atomically).
  void Remember(const std::string& key, int percent);

 private:
  std::string path_;
  std::map<std::string, int> shares_;
};

}  // namespace sorimo
