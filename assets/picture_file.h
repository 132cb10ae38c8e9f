// Reading a picture file whole and decoding it by its name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assets/picture_result.h"

namespace sorimo {

// JPEG when the path contains ".jpg" in lower case, a Windows bitmap otherwise (so a JPEG
// named ".JPG" is read as a bitmap and refused with the bitmap reader's text).
bool IsJpegPath(const std::string& path);

// Files larger than this are no picture we would accept anyway.
inline constexpr size_t kMaxPictureFileBytes = size_t{512} * 1024 * 1024;

// The picture in the file, or a text naming the file and what went wrong with it.
PictureOrError LoadPictureFile(const std::string& path);

// The whole picture file (a regular file of at most kMaxPictureFileBytes), or nothing when it
// cannot be read; then error says why, naming the file in quotes.
std::optional<std::vector<uint8_t>> ReadPictureBytes(const std::string& path, std::string& error);

}  // namespace sorimo
