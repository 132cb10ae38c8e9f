#include "app/store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace sorimo {

namespace {

// Closes a descriptor on every path out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A name in the same folder that no other writer (another thread or process) is using.
std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path, size_t maxBytes) {
  FileBytes result;
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    result.status = (errno == ENOENT) ? FileReadStatus::Missing : FileReadStatus::Failed;
    return result;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) > maxBytes) {
    result.status = FileReadStatus::Failed;
    return result;
  }
  result.bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      result.status = FileReadStatus::Failed;
      result.bytes.clear();
      return result;
    }
    if (got == 0) break;
    result.bytes.append(buffer, static_cast<size_t>(got));
    if (result.bytes.size() > maxBytes) {  // the file grew while we read it
      result.status = FileReadStatus::Failed;
      result.bytes.clear();
      return result;
    }
  }
  result.status = FileReadStatus::Ok;
  return result;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  struct stat old {};
  const bool hadFile = ::stat(path.c_str(), &old) == 0;

  std::string temporary;
  int raw = -1;
  for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
    temporary = TemporaryName(path);
    raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (raw < 0 && errno != EEXIST) return false;
  }
  if (raw < 0) return false;
  FileDescriptor fd(raw);

  bool ok = WriteAll(fd.get(), bytes);
  if (ok && hadFile) ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
  if (ok) ok = ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable; the new content is in place whatever this says.
  FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  return true;
}

}  // namespace sorimo
