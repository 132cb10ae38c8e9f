// The Layout menu's list: which files of the layouts folder become entries, in which order,
// which entry is selected at start-up, and which file an entry stands for.
//
// Entries are numbered from 1 as in the menu and the hall of fame: names[n - 1] is entry n.
// Layout entries are hall of fame columns 1..99 (columns from 100 up belong to the arcade
// games), so at most kMaxLayoutEntries entries are listed; files beyond that are left out and
// the list says so in its message, which the window shows.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sorimo {

inline constexpr int kMaxLayoutEntries = 99;
// How many of the files left out the list's message names.
inline constexpr size_t kLeftOutNamed = 10;
inline constexpr std::string_view kPreferredLayout = "Traditional";

struct LayoutList {
  std::vector<std::string> names;  // LayoutNames: native names sorted, then external ".shp" names
  int nativeCount = 0;             // entries 1..nativeCount are native layouts
  int boardNumber = 0;             // the selected entry, 1..names.size(); 0 when the list is empty
  std::string message;             // "" unless files were left out or no layout was found
};

// Builds the list from the file names of the layouts folder (names only, as the folder
// listing gives them; folders already left out) and the stored BoardNumber (-1 = none yet).
// - Native layouts are the names ending in ".lay" (exactly: on a case-sensitive file system
//   "Arena.LAY" could not be opened as "Arena.lay" again). The entry is the name without
//   ".lay"; entries are sorted with CompareLayoutNames, and a name equal to an earlier one
//   ignoring case is dropped (the first in listing order stays).
// - With boardNumber -1 the entry named exactly "Traditional" is selected (the last of several),
//   else entry 1.
// - External layouts, the names ending in ".shp", follow in listing order, extension kept.
// - A boardNumber past the end selects the last entry, one below 1 (never stored by the
//   game) the first.
// Names that would be empty without their extension are not layouts and are skipped.
LayoutList ScanLayoutNames(const std::vector<std::string>& fileNames, int boardNumber);

// True for an entry of an external layout ("Hills.shp").
bool IsExternalLayoutEntry(std::string_view entry);

struct ResolvedLayout {
  std::string path;     // CurrentLayoutFile; "" when names is empty
  int boardNumber = 0;  // the entry it belongs to (moved to 1 when the chosen one is unusable)
};

// The file of entry boardNumber: layoutsDir (ending with a separator) + the entry, with ".lay"
// appended when that file exists, then ".shp" when that one exists. When boardNumber is not
// an entry (0, negative, past the end) or no such file exists, entry 1 is taken instead; its
// path gets ".lay" unless the entry is an external one, which already names its file.
ResolvedLayout ResolveLayoutFile(const std::string& layoutsDir, const std::vector<std::string>& names,
                                 int boardNumber, const std::function<bool(const std::string&)>& exists);
// The same, for entries whose files lie in different folders: folderOf(entry) is the folder
// (ending with a separator) that holds the file of that entry.
ResolvedLayout ResolveLayoutFile(const std::function<std::string(const std::string& entry)>& folderOf,
                                 const std::vector<std::string>& names, int boardNumber,
                                 const std::function<bool(const std::string&)>& exists);

}  // namespace sorimo
