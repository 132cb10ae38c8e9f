#include "layouts/layout_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "layouts/layout_reader.h"

namespace sorimo {
namespace {

std::string Failure(const std::filesystem::path& path, int error) {
  return "Cannot write " + path.filename().string() + ": " + std::strerror(error) + ".";
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::string LayoutFileText(const LayoutCells& cells, std::string_view name) {
  std::string text;
  text.reserve(kLayoutHeader.size() + name.size() + kLayoutDataLength + 6);
  text += kLayoutHeader;
  text += "\r\n";
  for (char c : name) text += (c == '\r' || c == '\n') ? ' ' : c;
  text += "\r\n";
  for (const auto& layer : cells.layer)
    for (uint8_t v : layer) text += v != 0 ? '1' : '0';
  text += "\r\n";
  return text;
}

std::string WriteLayoutFile(const std::filesystem::path& path, const LayoutCells& cells,
                            std::string_view name) {
  if (path.filename().empty()) return "Cannot write a layout file without a file name.";
  const std::string text = LayoutFileText(cells, name);

  // A unique neighbour in the same folder, so the final rename cannot cross file systems.
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);

  // An existing layout keeps its permissions; a new one gets the usual 0666 less the umask.
  mode_t mode = 0666;
  struct stat existing {};
  const bool replacing = ::stat(path.c_str(), &existing) == 0;
  if (replacing) {
    if (S_ISDIR(existing.st_mode)) return Failure(path, EISDIR);
    mode = existing.st_mode & 07777;
  }

  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return Failure(path, errno);
  if (replacing) (void)::fchmod(fd, mode);  // open() applied the umask to the old mode
  bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) ok = false, error = errno;
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) ok = false, error = errno;
  if (!ok) {
    ::unlink(temp.c_str());
    return Failure(path, error);
  }
  return "";
}

}  // namespace sorimo
