// Reading a picture file whole and decoding it by its name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assets/picture_result.h"

namespace sorimo {

// JPEG when the path contains ".jpg" in lower case, a Windows bitmap otherwise (so a JPEG
// named ".JPG" is read as a bitmap and refused with the bitmap reader's text).
bool IsJpegPath(const std::string& path);

// The picture in the file, or a text naming the file and what went wrong with it.
PictureOrError LoadPictureFile(const std::string& path);

// The whole file, or nothing when it cannot be opened or read (the text says why).
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string& error);
// Writes the bytes as the whole file; an error text, or empty when written.
std::string WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace sorimo
