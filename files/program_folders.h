// Where the program finds its data and keeps the player's files. A copy unpacked into a folder
// of its own keeps everything beside the program, as it always did. An installed program
// (its data under <prefix>/share/sorimo, the program in <prefix>/games) or a copy in a folder
// the player cannot write to keeps the settings, the hall of fame and the layouts the player
// saves in the player's own folders, by the XDG base-directory rules.
#pragma once

#include <functional>
#include <string>

namespace sorimo {

struct ProgramFolders {
  std::string data;         // the pictures, music, help and shipped layouts; ends with '/'
  std::string config;       // Sorimo.ini and Hallfame.ini; ends with '/'
  std::string userLayouts;  // where saved layouts go; data + "Layouts/" for a portable copy
  bool portable() const { return userLayouts == data + "Layouts/"; }
};

// What the rules look at, so tests can describe any machine.
struct FolderFacts {
  std::function<bool(const std::string& path)> isFolder;
  std::function<bool(const std::string& path)> isWritable;
  std::function<const char*(const char* name)> environment;
};

// The folders for a program whose executable lies in exeDir (ending with '/'):
// - data beside the program and the folder writable: everything there (portable);
// - data beside the program, folder read-only: data there, the player's files by XDG;
// - no data beside it but in exeDir/../share/sorimo/: installed, the player's files by XDG.
// XDG: $XDG_CONFIG_HOME/sorimo/ (else $HOME/.config/sorimo/) and $XDG_DATA_HOME/sorimo/Layouts/
// (else $HOME/.local/share/sorimo/Layouts/); a variable that is not an absolute path counts as
// unset. With no usable home at all the player's files stay beside the data.
ProgramFolders ResolveProgramFolders(const std::string& exeDir, const FolderFacts& facts);

// Where the program keeps what it can always work out again (the layouts' measured shares of
// clearable deals): beside the program for a portable copy, else $XDG_CACHE_HOME/sorimo/ (else
// $HOME/.cache/sorimo/); the config folder when there is no home at all. Ends with '/'.
std::string CacheFolder(const ProgramFolders& folders, const FolderFacts& facts);

// The facts of this machine.
FolderFacts RealFolderFacts();

// Makes the folder and its parents; false when it still does not exist afterwards.
bool MakeFolders(const std::string& path);

// Why this process cannot write into the folder ("Read-only file system", "Permission
// denied"), or "" when it can.
std::string FolderWriteProblem(const std::string& folder);

}  // namespace sorimo
