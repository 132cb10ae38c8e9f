// What saving a layout from the editor decides besides writing the file: the file name, the
// entry name derived from it, and where the entry goes in the Layout menu.
#pragma once

#include <string>
#include <vector>

namespace sorimo {

// The file name part of a path: what follows its last '/'.
std::string FileNameOf(const std::string& path);

// The path the layout is written to: path itself when its file name ends with ".lay" (letter
// case counts), else path + ".lay". So "Arena.LAY" is written as "Arena.LAY.lay". Only the
// file name is looked at: a folder such as "my.layouts/" does not stop ".lay" from being added.
std::string LayoutSavePath(const std::string& path);

// The entry name of a saved layout: the file name part of path (after the last '/') without
// its last 4 characters. "Layouts/Arena.LAY.lay" gives "Arena.LAY".
std::string LayoutNameOfPath(const std::string& path);

// The folder part of a path, up to and with its last '/'; "./" when it has none.
std::string FolderOf(const std::string& path);

// The two folders the Layout menu lists: the shipped layouts, and the player's own (the same
// folder for a copy that keeps everything beside the program). Both end with '/'.
struct LayoutFolders {
  std::string shipped;
  std::string player;
  // True when the file at path lies directly in one of them (however the path spells it).
  bool Lists(const std::string& path) const;
  // Where a layout meant for path is written: a file among the shipped layouts of a copy whose
  // player keeps layouts elsewhere is the program's, not the player's, so the player's copy
  // of it is written instead, under the same name; any other path as it is.
  std::string SaveTarget(const std::string& path) const;
};

struct SavedLayoutEntry {
  int boardNumber = 0;    // the entry now selected (1-based); 0 when it could not be listed
  bool appended = false;  // a new entry was added at the end of names
  std::string message;    // "" unless the layout could not be listed
};

// Lists a saved layout: an entry equal to name (exactly, letter case counts; the last of
// several) is selected; otherwise name is appended at the end, after any external layouts,
// unless the list already holds kMaxLayoutEntries entries, in which case the file is saved
// but not listed, and nothing changes but the message.
SavedLayoutEntry ListSavedLayout(std::vector<std::string>& names, const std::string& name);

}  // namespace sorimo
