#include "files/stale_replacements.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "files/atomic_replace.h"
#include "files/folder_listing.h"

namespace sorimo {

namespace {

bool AllDigits(const std::string& s, size_t from, size_t to) {
  if (from >= to || to - from > 10) return false;
  for (size_t i = from; i < to; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// "<name><mark><pid>-<n>" with a non-empty name.
Replacement After(const std::string& name, const std::string& mark) {
  const size_t at = name.rfind(mark);
  if (at == std::string::npos || at == 0) return {};
  const size_t pidFrom = at + mark.size();
  const size_t dash = name.find('-', pidFrom);
  if (dash == std::string::npos || !AllDigits(name, pidFrom, dash) || !AllDigits(name, dash + 1, name.size()))
    return {};
  const long pid = std::stol(name.substr(pidFrom, dash - pidFrom));
  if (pid <= 0 || pid > INT32_MAX) return {};
  return {name.substr(0, at), pid};
}

}  // namespace

Replacement ParseReplacement(const std::string& name) {
  for (const char* mark : {kReplacementMark, ".new-"})
    if (Replacement found = After(name, mark); found.writer != 0) return found;
  // Earlier versions saved layouts as "<name>.lay.tmp<pid>-<n>" first.
  Replacement layout = After(name, ".tmp");
  const std::string& base = layout.base;
  if (base.size() > 4 && base.compare(base.size() - 4, 4, ".lay") == 0) return layout;
  return {};
}

int RemoveStaleReplacements(const std::string& folder,
                            const std::function<bool(const std::string& base)>& ownsBase) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  int removed = 0;
  for (const std::string& name : ListFolder(folder, FolderEntries::NotFolders)) {
    const Replacement found = ParseReplacement(name);
    if (found.writer == 0 || !ownsBase(found.base)) continue;
    // A writer that still runs (another copy of the program saving) keeps its file.
    if (::kill(static_cast<pid_t>(found.writer), 0) == 0 || errno != ESRCH) continue;
    if (::unlink((prefix + name).c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace sorimo
