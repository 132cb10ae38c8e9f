#include "files/stale_replacements.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "files/folder_listing.h"

namespace sorimo {

namespace {

bool AllDigits(const std::string& s, size_t from, size_t to) {
  if (from >= to || to - from > 10) return false;
  for (size_t i = from; i < to; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// "<name><mark><pid>-<n>" with a non-empty name: the writer's pid, else 0.
long WriterAfter(const std::string& name, const std::string& mark) {
  const size_t at = name.rfind(mark);
  if (at == std::string::npos || at == 0) return 0;
  const size_t pidFrom = at + mark.size();
  const size_t dash = name.find('-', pidFrom);
  if (dash == std::string::npos || !AllDigits(name, pidFrom, dash) || !AllDigits(name, dash + 1, name.size()))
    return 0;
  const long pid = std::stol(name.substr(pidFrom, dash - pidFrom));
  return pid > 0 && pid <= INT32_MAX ? pid : 0;
}

}  // namespace

long ReplacementWriter(const std::string& name) {
  if (const long pid = WriterAfter(name, ".new-")) return pid;
  // Earlier versions saved layouts as "<name>.lay.tmp<pid>-<n>" first.
  const size_t lay = name.rfind(".lay.tmp");
  return lay != std::string::npos && lay > 0 ? WriterAfter(name, ".lay.tmp") : 0;
}

int RemoveStaleReplacements(const std::string& folder) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  int removed = 0;
  for (const std::string& name : ListFolder(folder, FolderEntries::NotFolders)) {
    const long pid = ReplacementWriter(name);
    if (pid == 0) continue;
    // A writer that still runs (another copy of the program saving) keeps its file.
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    if (::unlink((prefix + name).c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace sorimo
