// A lock that copies of the program share through a companion file beside the file they all
// read, merge and replace (the hall of fame): while one copy holds it, another waits, so no
// save can read the file between another's read and its replacement.
#pragma once

#include <chrono>
#include <string>

#include "files/file_descriptor.h"

namespace sorimo {

class [[nodiscard]] FileLock {
 public:
  // Locks the file at lockPath, creating it when missing, waiting at most `patience` for a
  // holder to let go. Not held when the file cannot be made (a read-only folder: then no
  // copy can replace the file beside it either) or the patience ran out (a holder that hangs
  // must not hang this copy's exit too).
  FileLock(const std::string& lockPath, std::chrono::milliseconds patience);
  // Let go when destroyed; the lock file stays, so that every copy locks the same file.
  bool held() const { return held_; }

 private:
  FileDescriptor fd_;
  bool held_ = false;
};

// The companion file that guards `path`: path + ".lock".
std::string LockPathFor(const std::string& path);

}  // namespace sorimo
