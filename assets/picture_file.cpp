#include "assets/picture_file.h"

#include <span>

#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"
#include "files/whole_file_read.h"

namespace sorimo {

bool IsJpegPath(const std::string& path) { return path.find(".jpg") != std::string::npos; }

namespace {

WholeFile ReadPictureFile(const std::string& path, std::string& error) {
  WholeFile file = ReadWholeFile(path, kMaxPictureFileBytes);
  if (!file.ok()) error = file.Message("\"" + path + "\"");
  return file;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadPictureBytes(const std::string& path, std::string& error) {
  const WholeFile file = ReadPictureFile(path, error);
  if (!file.ok()) return std::nullopt;
  return std::vector<uint8_t>(file.bytes.begin(), file.bytes.end());
}

PictureOrError LoadPictureFile(const std::string& path) {
  std::string error;
  const WholeFile file = ReadPictureFile(path, error);
  if (!file.ok()) return PictureOrError::Fail(error);
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(file.bytes.data()), file.bytes.size());
  PictureOrError result = IsJpegPath(path) ? ReadJpeg(bytes) : ReadBmp(bytes);
  if (!result.ok()) result.error = "\"" + path + "\": " + result.error;
  return result;
}

}  // namespace sorimo
