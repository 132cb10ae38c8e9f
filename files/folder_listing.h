// The names in a folder, for the scans that fill menus from what lies beside the program.
#pragma once

#include <string>
#include <vector>

namespace sorimo {

enum class FolderEntries {
  All,         // every entry
  NotFolders,  // leaves out folders and links to folders; keeps files, other links (even
               // broken ones) and special files, which their reader refuses with a reason
};

// The entry names (no path, never "." or "..") of folder, sorted by their bytes. A folder
// that is missing, unreadable or not a folder gives an empty list; an error part way through
// the listing ends it there.
std::vector<std::string> ListFolder(const std::string& folder, FolderEntries which);

}  // namespace sorimo
