// Characters of the Windows-1252 code page (the one RTF's \'hh and 8-bit bytes use in our
// documents) and UTF-8 encoding.
#pragma once

#include <cstdint>
#include <string>

namespace sorimo {

// The Unicode character of a Windows-1252 byte; 0 for the five bytes the page leaves undefined.
char32_t Windows1252ToUnicode(uint8_t byte);

// Appends c as UTF-8. Surrogates and values above U+10FFFF become U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace sorimo
