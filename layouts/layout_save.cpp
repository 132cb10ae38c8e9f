#include "layouts/layout_save.h"

#include <filesystem>

#include "layouts/layout_list.h"

namespace sorimo {
namespace {

// One folder, whatever the spelling: links, "..", doubled separators.
bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

bool LayoutFolders::Lists(const std::string& path) const {
  const std::string folder = FolderOf(path);
  return SameFolder(folder, shipped) || SameFolder(folder, player);
}

std::string LayoutFolders::SaveTarget(const std::string& path) const {
  if (player == shipped || !SameFolder(FolderOf(path), shipped)) return path;
  return player + FileNameOf(path);
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string LayoutSavePath(const std::string& path) {
  const std::string file = FileNameOf(path);
  const bool hasExtension = file.size() >= 4 && file.compare(file.size() - 4, 4, ".lay") == 0;
  return hasExtension ? path : path + ".lay";
}

std::string LayoutNameOfPath(const std::string& path) {
  const std::string file = FileNameOf(path);
  return file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
}

SavedLayoutEntry ListSavedLayout(std::vector<std::string>& names, const std::string& name) {
  SavedLayoutEntry entry;
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) entry.boardNumber = static_cast<int>(i) + 1;
  if (entry.boardNumber != 0) return entry;
  if (names.size() >= static_cast<size_t>(kMaxLayoutEntries)) {
    entry.message = "The layout was saved, but the Layout menu is full (" +
                    std::to_string(kMaxLayoutEntries) + " layouts): it is not listed.";
    return entry;
  }
  names.push_back(name);
  entry.boardNumber = static_cast<int>(names.size());
  entry.appended = true;
  return entry;
}

}  // namespace sorimo
