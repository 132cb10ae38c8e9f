#include "files/program_folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace sorimo {

namespace {

constexpr char kAppFolder[] = "sorimo/";

// The folder a variable names, ending with '/', or "" when it is unset or relative.
std::string AbsoluteFolder(const char* value) {
  if (value == nullptr || value[0] != '/') return {};
  std::string folder = value;
  if (folder.back() != '/') folder += '/';
  return folder;
}

// The parent of a folder path ending with '/': "/usr/bin/" gives "/usr/".
std::string ParentOf(const std::string& folder) {
  if (folder.size() < 2) return {};  // the root has none
  const size_t slash = folder.find_last_of('/', folder.size() - 2);
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

ProgramFolders ResolveProgramFolders(const std::string& exeDir, const FolderFacts& facts) {
  ProgramFolders f;
  f.data = exeDir;
  bool beside = facts.isFolder(exeDir + "Layouts");
  if (!beside) {
    const std::string parent = ParentOf(exeDir);
    const std::string shared = parent + "share/" + kAppFolder;
    if (!parent.empty() && facts.isFolder(shared + "Layouts")) f.data = shared;
  }
  const bool portable = beside && facts.isWritable(exeDir);
  f.config = f.data;
  f.userLayouts = f.data + "Layouts/";
  if (portable) return f;

  const std::string home = AbsoluteFolder(facts.environment("HOME"));
  std::string config = AbsoluteFolder(facts.environment("XDG_CONFIG_HOME"));
  std::string data = AbsoluteFolder(facts.environment("XDG_DATA_HOME"));
  if (config.empty() && !home.empty()) config = home + ".config/";
  if (data.empty() && !home.empty()) data = home + ".local/share/";
  if (!config.empty()) f.config = config + kAppFolder;
  if (!data.empty()) f.userLayouts = data + kAppFolder + "Layouts/";
  return f;
}

std::string CacheFolder(const ProgramFolders& folders, const FolderFacts& facts) {
  if (folders.portable()) return folders.config;
  std::string cache = AbsoluteFolder(facts.environment("XDG_CACHE_HOME"));
  const std::string home = AbsoluteFolder(facts.environment("HOME"));
  if (cache.empty() && !home.empty()) cache = home + ".cache/";
  return cache.empty() ? folders.config : cache + kAppFolder;
}

FolderFacts RealFolderFacts() {
  return {.isFolder =
              [](const std::string& path) {
                struct stat st {};
                return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
              },
          .isWritable = [](const std::string& path) { return ::access(path.c_str(), W_OK) == 0; },
          .environment = [](const char* name) -> const char* { return std::getenv(name); }};
}

std::string FolderWriteProblem(const std::string& folder) {
  // With the rights the program writes with: the effective ones.
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0 ? std::string() : std::strerror(errno);
}

bool MakeFolders(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

}  // namespace sorimo
