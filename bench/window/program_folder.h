// A program folder holding the shipped data, as the program finds it beside itself; removed
// when the benchmark ends.
#pragma once

#include <filesystem>
#include <string>

namespace sorimo::bench {

struct ProgramFolder {
  std::filesystem::path path;
  explicit ProgramFolder(const std::string& name) : path(std::filesystem::temp_directory_path() / name) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    std::filesystem::copy(SORIMO_SOURCE_DATA, path, std::filesystem::copy_options::recursive);
  }
  ~ProgramFolder() { std::filesystem::remove_all(path); }
};

}  // namespace sorimo::bench
