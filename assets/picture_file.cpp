#include "assets/picture_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"

namespace sorimo {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Files larger than this are no picture we would accept anyway.
constexpr long long kMaxFileBytes = 512LL * 1024 * 1024;

}  // namespace

bool IsJpegPath(const std::string& path) { return path.find(".jpg") != std::string::npos; }

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string& error) {
  errno = 0;
  File f(std::fopen(path.c_str(), "rb"));
  if (!f) {
    error = "Cannot open \"" + path + "\": " + std::strerror(errno ? errno : ENOENT);
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[64 * 1024];
  for (;;) {
    const size_t n = std::fread(chunk, 1, sizeof chunk, f.get());
    bytes.insert(bytes.end(), chunk, chunk + n);
    if ((long long)bytes.size() > kMaxFileBytes) {
      error = "Cannot read \"" + path + "\": the file is too large";
      return std::nullopt;
    }
    if (n < sizeof chunk) break;
  }
  if (std::ferror(f.get())) {
    error = "Cannot read \"" + path + "\": " + std::strerror(errno ? errno : EIO);
    return std::nullopt;
  }
  return bytes;
}

std::string WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
  errno = 0;
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) return "Cannot create \"" + path + "\": " + std::strerror(errno ? errno : EACCES);
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  if (!written || std::fflush(f.get()) != 0)
    return "Cannot write \"" + path + "\": " + std::strerror(errno ? errno : EIO);
  return {};
}

PictureOrError LoadPictureFile(const std::string& path) {
  std::string error;
  const auto bytes = ReadWholeFile(path, error);
  if (!bytes) return PictureOrError::Fail(error);
  PictureOrError result = IsJpegPath(path) ? ReadJpeg(*bytes) : ReadBmp(*bytes);
  if (!result.ok()) result.error = "\"" + path + "\": " + result.error;
  return result;
}

}  // namespace sorimo
