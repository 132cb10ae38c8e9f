#include "files/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace sorimo {

std::vector<std::string> ListFolder(const std::string& folder, FolderEntries which) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  // The error_code forms throughout: nothing in a folder's listing may throw.
  for (fs::directory_iterator it(fs::path(folder), error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (which == FolderEntries::NotFolders && it->is_directory(typeError)) continue;
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace sorimo
