// Reading a whole file into memory: only regular files, and only up to a size the caller
// names, so a folder, a device, a FIFO or a huge file can neither block nor flood the program.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sorimo {

enum class FileReadStatus {
  Ok,          // bytes holds the whole file
  Missing,     // nothing at that path
  Folder,      // the path names a folder
  NotRegular,  // a device, a FIFO, a socket: never opened for reading
  TooLarge,    // larger than the cap (or grew past it while being read)
  CannotOpen,  // there is a file, but it cannot be opened (permission, a bad path, ...)
  CannotRead,  // opened, but reading it failed
};

struct WholeFile {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;  // the whole file when Ok, empty otherwise
  int error = 0;      // the errno behind Missing, CannotOpen and CannotRead
  bool cut = false;   // ReadFileStart only: the file goes on past bytes

  bool ok() const { return status == FileReadStatus::Ok; }
  // Why the read failed, naming the file by label: "Cannot open <label>: <reason>" when it
  // could not be opened, "Cannot read <label>: <reason>" otherwise. Empty when ok().
  std::string Message(std::string_view label) const;
};

// The whole file at path, if it is (or links to) a regular file of at most maxBytes bytes.
// The type is checked before the file is opened, and again on the open descriptor, so a file
// swapped for a FIFO in between is refused too; the open never waits for a FIFO's writer.
WholeFile ReadWholeFile(const std::string& path, size_t maxBytes);

// The start of the file at path: its first maxBytes bytes, or all of it when it is shorter,
// for formats that use only the start of a file; cut says whether more follows. The same
// checks as ReadWholeFile, but a file of any size is read and none is TooLarge.
WholeFile ReadFileStart(const std::string& path, size_t maxBytes);

// Whether path is (or links to) a regular file: one ReadWholeFile would try to read.
bool IsRegularFile(const std::string& path);

}  // namespace sorimo
