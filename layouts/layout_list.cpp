#include "layouts/layout_list.h"

#include <algorithm>

#include "layouts/name_compare.h"

namespace sorimo {
namespace {

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

}  // namespace

bool IsExternalLayoutEntry(std::string_view entry) { return EndsWith(entry, ".shp"); }

LayoutList ScanLayoutNames(const std::vector<std::string>& fileNames, int boardNumber) {
  LayoutList list;
  // Each name is decoded once; comparing every name with every other then costs little.
  std::vector<LayoutNameKey> natives;
  for (const std::string& file : fileNames) {
    if (!EndsWith(file, ".lay") || file.size() == 4) continue;
    LayoutNameKey key = MakeLayoutNameKey(std::string_view(file).substr(0, file.size() - 4));
    const bool listed = std::any_of(natives.begin(), natives.end(),
                                    [&](const LayoutNameKey& n) { return n.folded == key.folded; });
    if (!listed) natives.push_back(std::move(key));
  }
  std::sort(natives.begin(), natives.end());

  const size_t nativeFound = natives.size();
  for (LayoutNameKey& key : natives) list.names.push_back(std::move(key.bytes));
  for (const std::string& file : fileNames)
    if (IsExternalLayoutEntry(file) && file.size() > 4) list.names.push_back(file);

  const size_t found = list.names.size();
  if (found > static_cast<size_t>(kMaxLayoutEntries)) {
    // The files left out are named, so the player knows which to move or rename; a long list
    // names the first few, since the message must fit on the screen.
    const size_t left = found - kMaxLayoutEntries;
    std::string named;
    for (size_t i = kMaxLayoutEntries; i < found && i < kMaxLayoutEntries + kLeftOutNamed; ++i) {
      const bool native = i < nativeFound;
      named += (named.empty() ? "" : ", ") + list.names[i] + (native ? ".lay" : "");
    }
    if (left > kLeftOutNamed) named += " and " + std::to_string(left - kLeftOutNamed) + " more";
    list.names.resize(kMaxLayoutEntries);
    list.message = "Only " + std::to_string(kMaxLayoutEntries) + " layouts can be listed: " + std::to_string(left) +
                   (left == 1 ? " layout file was" : " layout files were") + " left out of the Layout menu (" + named +
                   ").";
  }
  list.nativeCount = static_cast<int>(std::min(nativeFound, list.names.size()));

  if (boardNumber == -1) {
    for (int i = 0; i < list.nativeCount; ++i)
      if (list.names[i] == kPreferredLayout) boardNumber = i + 1;
    if (boardNumber == -1) boardNumber = 1;
  }

  const int count = static_cast<int>(list.names.size());
  if (count == 0) {
    list.boardNumber = 0;
    list.message = "There is no layout file in the Layouts folder.";
    return list;
  }
  // 0 and other numbers below 1 were never a valid choice: the first entry instead.
  list.boardNumber = boardNumber < 1 ? 1 : std::min(boardNumber, count);
  return list;
}

ResolvedLayout ResolveLayoutFile(const std::string& layoutsDir, const std::vector<std::string>& names,
                                 int boardNumber, const std::function<bool(const std::string&)>& exists) {
  return ResolveLayoutFile([&layoutsDir](const std::string&) { return layoutsDir; }, names, boardNumber, exists);
}

ResolvedLayout ResolveLayoutFile(const std::function<std::string(const std::string& entry)>& folderOf,
                                 const std::vector<std::string>& names, int boardNumber,
                                 const std::function<bool(const std::string&)>& exists) {
  ResolvedLayout r;
  if (names.empty()) return r;
  const int count = static_cast<int>(names.size());
  if (boardNumber >= 1 && boardNumber <= count) {
    std::string path = folderOf(names[boardNumber - 1]) + names[boardNumber - 1];
    if (exists(path + ".lay")) path += ".lay";
    if (exists(path + ".shp")) path += ".shp";
    if (exists(path)) {
      r.path = path;
      r.boardNumber = boardNumber;
      return r;
    }
  }
  // Entry 1 is a native layout unless the folder holds external ones only; an external
  // entry names its file already and must not become "Hills.shp.lay".
  r.boardNumber = 1;
  r.path = folderOf(names[0]) + names[0];
  if (exists(r.path + ".lay") || !IsExternalLayoutEntry(names[0])) r.path += ".lay";
  return r;
}

}  // namespace sorimo
