// Replacing a whole file so that a crash, a full disk or a second writer leaves either the old
// file or the new one, never a part of either.
#pragma once

#include <string>
#include <string_view>

namespace sorimo {

struct FileWriteResult {
  int error = 0;  // 0 when the file was replaced, else the errno of the step that failed

  bool ok() const { return error == 0; }
};

// Writes the bytes to a new file in the same folder as path (so the rename cannot cross file
// systems), flushes it to the disk and renames it over path; then flushes the folder, so the
// rename itself lasts. An existing file's permission bits are carried over (when the file
// system allows it); a new file gets 0666 less the umask. A folder at path is refused with
// EISDIR before anything is written, and a read-only file (no write permission) with EACCES:
// replacing it by a rename would ignore what its owner asked. On failure the new file is removed and whatever was at
// path is untouched. A path that is a symbolic link (or a chain of them) replaces the file the
// links end at, in that file's folder, and the links stay; a loop of links fails with ELOOP.
// The new content is written first to ReplacementName(path): path + kReplacementMark + the
// writer's process id + "-" + a counter. The mark is one no player would type, so a leftover
// of a killed save is told apart from the player's own files (stale_replacements.h).
inline constexpr const char* kReplacementMark = ".sorimo-save-";
std::string ReplacementName(const std::string& path);

FileWriteResult ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace sorimo
