#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <thread>

namespace sorimo {

FileLock::FileLock(const std::string& lockPath, std::chrono::milliseconds patience)
    : fd_(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666)) {
  if (!fd_.valid()) return;
  // flock, not fcntl locks: those belong to the process, so two stores in one process (and
  // the tests' threads) would not exclude each other, and closing any descriptor of the file
  // would let them go.
  const auto giveUp = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0) {
      held_ = true;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    if (std::chrono::steady_clock::now() >= giveUp) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

std::string LockPathFor(const std::string& path) { return path + ".lock"; }

}  // namespace sorimo
