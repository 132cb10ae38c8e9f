// Whole-file reads and crash-safe whole-file replacement for the two store files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sorimo {

enum class FileReadStatus {
  Ok,       // bytes holds the whole file
  Missing,  // no file there: an empty store
  Failed,   // there is something, but it cannot be read whole (not a regular file, no
            // permission, an I/O error, or larger than the limit)
};

struct FileBytes {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;
};

FileBytes ReadWholeFile(const std::string& path, size_t maxBytes);

// Writes the bytes to a new file in the same folder, flushes it to the disk and renames it
// over `path`, so a crash leaves either the old file or the new one, never a part of either.
// An existing file's permission bits are carried over. On failure the new file is removed,
// the old file is untouched, and false is returned.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace sorimo
