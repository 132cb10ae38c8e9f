#include "layouts/clearing_share_cache.h"

#include <cstdio>
#include <sstream>

#include "files/atomic_replace.h"
#include "files/program_folders.h"
#include "files/whole_file_read.h"

namespace sorimo {
namespace {

// Far more than any Layouts folder holds; a larger file is not a cache of ours.
constexpr size_t kMaxCacheBytes = 1 << 20;
constexpr size_t kMaxEntries = 4096;

}  // namespace

std::string ClearingShareKey(const LayoutCells& cells, bool vertical) {
  uint64_t hash = 14695981039346656037u;  // FNV-1a
  const auto add = [&hash](uint8_t byte) {
    hash ^= byte;
    hash *= 1099511628211u;
  };
  for (const auto& layer : cells.layer)
    for (uint8_t v : layer) add(v != 0);
  add(vertical ? 'v' : 'h');
  for (const int64_t n : {int64_t{kShareSampleDeals}, kShareSampleNodes})
    for (int shift = 0; shift < 64; shift += 8) add(static_cast<uint8_t>(n >> shift));
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

ClearingShareCache::ClearingShareCache(std::string path) : path_(std::move(path)) {
  if (path_.empty()) return;
  const WholeFile file = ReadWholeFile(path_, kMaxCacheBytes);
  if (!file.ok()) return;
  std::istringstream lines(file.bytes);
  std::string line;
  while (std::getline(lines, line) && shares_.size() < kMaxEntries) {
    char key[17] = {};
    int percent = -1;
    char rest = 0;
    if (line.size() > 24 || std::sscanf(line.c_str(), "%16[0-9a-f] %d%c", key, &percent, &rest) != 2) continue;
    if (std::string(key).size() != 16 || percent < 0 || percent > 100) continue;
    shares_[key] = percent;
  }
}

std::optional<int> ClearingShareCache::Find(const std::string& key) const {
  const auto it = shares_.find(key);
  if (it == shares_.end()) return std::nullopt;
  return it->second;
}

void ClearingShareCache::Remember(const std::string& key, int percent) {
  if (shares_.size() >= kMaxEntries) shares_.clear();  // start afresh rather than grow
  shares_[key] = percent;
  if (path_.empty()) return;
  const size_t slash = path_.find_last_of('/');
  if (slash != std::string::npos) MakeFolders(path_.substr(0, slash + 1));
  std::string text;
  for (const auto& [k, p] : shares_) text += k + " " + std::to_string(p) + "\n";
  (void)ReplaceFileAtomically(path_, text);  // a cache: failing to keep it only costs time
}

}  // namespace sorimo
