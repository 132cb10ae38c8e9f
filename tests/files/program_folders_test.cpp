// Where the program looks for its data and keeps the player's files, on machines described by
// their folders, rights and environment.
#include "files/program_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace sorimo {
namespace {

struct Machine {
  std::set<std::string> folders;
  std::set<std::string> writable;
  std::map<std::string, std::string> env;
  FolderFacts Facts() const {
    return {.isFolder = [this](const std::string& p) { return folders.count(p) > 0; },
            .isWritable = [this](const std::string& p) { return writable.count(p) > 0; },
            .environment = [this](const char* name) -> const char* {
              const auto it = env.find(name);
              return it == env.end() ? nullptr : it->second.c_str();
            }};
  }
};

TEST(ProgramFolders, APortableCopyKeepsEverythingBesideTheProgram) {
  Machine m{.folders = {"/games/sorimo/Layouts"}, .writable = {"/games/sorimo/"}, .env = {{"HOME", "/home/ann"}}};
  const ProgramFolders f = ResolveProgramFolders("/games/sorimo/", m.Facts());
  EXPECT_EQ(f.data, "/games/sorimo/");
  EXPECT_EQ(f.config, "/games/sorimo/");
  EXPECT_EQ(f.userLayouts, "/games/sorimo/Layouts/");
  EXPECT_TRUE(f.portable());
  EXPECT_EQ(CacheFolder(f, m.Facts()), "/games/sorimo/");
}

TEST(ProgramFolders, AnInstalledProgramReadsItsShareFolderAndWritesByXdg) {
  // Installed: the data is under <prefix>/share/sorimo, even when root could write there.
  Machine m{.folders = {"/usr/share/sorimo/Layouts"},
            .writable = {"/usr/bin/", "/usr/share/sorimo/"},
            .env = {{"HOME", "/home/ann"}}};
  ProgramFolders f = ResolveProgramFolders("/usr/bin/", m.Facts());
  EXPECT_EQ(f.data, "/usr/share/sorimo/");
  EXPECT_EQ(f.config, "/home/ann/.config/sorimo/");
  EXPECT_EQ(f.userLayouts, "/home/ann/.local/share/sorimo/Layouts/");
  EXPECT_FALSE(f.portable());
  EXPECT_EQ(CacheFolder(f, m.Facts()), "/home/ann/.cache/sorimo/");

  // The XDG variables win over HOME; one that is not an absolute path counts as unset.
  m.env = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "relative/data"}};
  f = ResolveProgramFolders("/usr/bin/", m.Facts());
  EXPECT_EQ(f.config, "/cfg/sorimo/");
  EXPECT_EQ(f.userLayouts, "/home/ann/.local/share/sorimo/Layouts/");
}

TEST(ProgramFolders, AReadOnlyCopyReadsBesideItAndWritesByXdg) {
  Machine m{.folders = {"/opt/sorimo/Layouts"}, .writable = {}, .env = {{"XDG_CONFIG_HOME", "/x/c/"}, {"XDG_DATA_HOME", "/x/d"}}};
  const ProgramFolders f = ResolveProgramFolders("/opt/sorimo/", m.Facts());
  EXPECT_EQ(f.data, "/opt/sorimo/");
  EXPECT_EQ(f.config, "/x/c/sorimo/");
  EXPECT_EQ(f.userLayouts, "/x/d/sorimo/Layouts/");
  m.env["XDG_CACHE_HOME"] = "/x/k";
  EXPECT_EQ(CacheFolder(f, m.Facts()), "/x/k/sorimo/");

  // No home at all: nothing better than beside the data (saving will say if it cannot).
  m.env = {};
  const ProgramFolders homeless = ResolveProgramFolders("/opt/sorimo/", m.Facts());
  EXPECT_EQ(homeless.config, "/opt/sorimo/");
  EXPECT_EQ(homeless.userLayouts, "/opt/sorimo/Layouts/");
  EXPECT_EQ(CacheFolder(homeless, m.Facts()), "/opt/sorimo/");
}

TEST(ProgramFolders, NoDataAnywhereLeavesTheProgramFolderForStartUpToReport) {
  Machine m{.folders = {}, .writable = {"/tmp/x/"}, .env = {{"HOME", "/h"}}};
  const ProgramFolders f = ResolveProgramFolders("/tmp/x/", m.Facts());
  EXPECT_EQ(f.data, "/tmp/x/");
  m.folders = {"/share/sorimo/Layouts"};
  EXPECT_EQ(ResolveProgramFolders("/bin/", m.Facts()).data, "/share/sorimo/");
  EXPECT_EQ(ResolveProgramFolders("/", m.Facts()).data, "/");
}

}  // namespace
}  // namespace sorimo
