#include "files/atomic_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cerrno>

#include "files/file_descriptor.h"

namespace sorimo {

namespace {

// The errno of the failed write, or 0.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a replacement of path must replace: path itself, or where its chain of links ends
// (a relative link read from the link's own folder), which need not exist yet. Renaming over
// the link would cut it, and its target (a synced or backed-up folder) would silently stop
// being written. The errno when the chain does not end (a loop, too many links).
int FollowLinks(const std::string& path, std::string& target) {
  target = path;
  // The kernel's own limit on links followed while resolving one path.
  constexpr int kMaxLinks = 40;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return errno;
    if (static_cast<size_t>(length) == link.size()) return ENAMETOOLONG;
    link.resize(static_cast<size_t>(length));
    target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
  }
  return ELOOP;
}

}  // namespace

// A name beside path that no other writer, in this process or another, is using. The counter
// is shared by every caller in the process, so two threads never pick the same name.
std::string ReplacementName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + kReplacementMark + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

FileWriteResult ReplaceFileAtomically(const std::string& linkOrPath, std::string_view bytes) {
  std::string path;
  if (const int error = FollowLinks(linkOrPath, path)) return {error};
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return {EISDIR};
  // A file marked read-only (no write bit for anyone, or none for us) is the owner's word
  // that it must not change; renaming over it would ignore that, even for root.
  if (replacing && ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) return {EACCES};

  std::string temporary;
  int raw = -1;
  // A name is taken only when a crashed writer left its file behind; try a few more.
  for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
    temporary = ReplacementName(path);
    raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (raw < 0 && errno != EEXIST) return {errno};
  }
  if (raw < 0) return {EEXIST};
  FileDescriptor fd(raw);

  int error = WriteAll(fd.get(), bytes);
  // open() applied the umask; the old file's bits are put back as they were. Some file systems
  // (FAT on a memory stick) refuse any change of mode: the content still matters more.
  if (error == 0 && replacing) (void)::fchmod(fd.get(), old.st_mode & 07777);
  if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
  if (!fd.Close() && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return {error};
  }
  // The new content is in place whatever this says; it makes the rename survive a power cut.
  FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());
  return {};
}

}  // namespace sorimo
