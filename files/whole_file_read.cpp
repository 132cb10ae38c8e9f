#include "files/whole_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

#include "files/file_descriptor.h"

namespace sorimo {

namespace {

std::optional<FileReadStatus> Refusal(const struct stat& info, size_t maxBytes) {
  if (S_ISDIR(info.st_mode)) return FileReadStatus::Folder;
  if (!S_ISREG(info.st_mode)) return FileReadStatus::NotRegular;
  if (static_cast<unsigned long long>(info.st_size) > maxBytes) return FileReadStatus::TooLarge;
  return std::nullopt;
}

WholeFile Failed(FileReadStatus status, int error) {
  WholeFile result;
  result.status = status;
  result.error = error;
  return result;
}

WholeFile OpenFailed(int error) {
  return Failed(error == ENOENT ? FileReadStatus::Missing : FileReadStatus::CannotOpen, error);
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string WholeFile::Message(std::string_view label) const {
  const auto text = [&](const char* verb, const std::string& reason) {
    std::string message = verb;
    message += label;
    message += ": ";
    message += reason;
    return message;
  };
  switch (status) {
    case FileReadStatus::Ok:
      return {};
    case FileReadStatus::Missing:
    case FileReadStatus::CannotOpen:
      return text("Cannot open ", std::strerror(error != 0 ? error : ENOENT));
    case FileReadStatus::Folder:
      return text("Cannot read ", std::strerror(EISDIR));
    case FileReadStatus::NotRegular:
      return text("Cannot read ", "it is not a regular file");
    case FileReadStatus::TooLarge:
      return text("Cannot read ", "the file is too large");
    case FileReadStatus::CannotRead:
      return text("Cannot read ", std::strerror(error != 0 ? error : EIO));
  }
  return {};
}

namespace {

// Reads the file at path up to maxBytes: all of it or nothing when whole, else its start.
WholeFile ReadUpTo(const std::string& path, size_t maxBytes, bool whole) {
  // A file read only in part may be of any size.
  const size_t sizeCap = whole ? maxBytes : SIZE_MAX;
  // Look before opening: opening a device can do things of its own (a terminal, a tape drive).
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return OpenFailed(errno);
  if (const auto refused = Refusal(info, sizeCap)) return Failed(*refused, 0);

  // The path may name something else by now. O_NONBLOCK keeps a FIFO put there from holding
  // the open until a writer comes; what the descriptor refers to is checked once more below.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid()) return OpenFailed(errno);
  if (::fstat(fd.get(), &info) != 0) return Failed(FileReadStatus::CannotRead, errno);
  if (const auto refused = Refusal(info, sizeCap)) return Failed(*refused, 0);

  WholeFile result;
  result.bytes.reserve(std::min(static_cast<size_t>(info.st_size), maxBytes) + 1);
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Failed(FileReadStatus::CannotRead, errno);
    }
    if (got == 0) break;
    result.bytes.append(buffer, static_cast<size_t>(got));
    // The cap holds for what is read, not for what stat said: the file may have grown.
    if (result.bytes.size() > maxBytes) {
      if (whole) return Failed(FileReadStatus::TooLarge, 0);
      result.bytes.resize(maxBytes);
      result.cut = true;
      break;
    }
  }
  result.status = FileReadStatus::Ok;
  return result;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, size_t maxBytes) { return ReadUpTo(path, maxBytes, true); }

WholeFile ReadFileStart(const std::string& path, size_t maxBytes) { return ReadUpTo(path, maxBytes, false); }

}  // namespace sorimo
