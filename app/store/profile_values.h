// Typed reads of a section/key document: the rules every reader of the settings and hall of
// fame files shares (value length, decimal and "0x" hexadecimal integers, 0/1 booleans).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/store/profile_document.h"

namespace sorimo {

// The longest value a read hands back; longer values are cut.
constexpr size_t kMaxValueLength = 1023;

// The value with blanks around it removed, cut to kMaxValueLength; the default when missing.
std::string ReadText(const ProfileDocument& doc, std::string_view section, std::string_view key,
                     std::string_view fallback);

// A decimal integer, or hexadecimal when the text is longer than two characters and begins
// with "0x" or "0X". The whole text must be the number and fit in 32 bits (up to eight hex
// digits, taken as the 32-bit pattern); anything else, and a missing key, gives the default.
int32_t ReadInteger(const ProfileDocument& doc, std::string_view section, std::string_view key,
                    int32_t fallback);

// ReadInteger with default 1 or 0; true when the result is not 0.
bool ReadBool(const ProfileDocument& doc, std::string_view section, std::string_view key,
              bool fallback);

// The integer rule on its own (the text already trimmed).
int32_t ParseProfileInteger(std::string_view text, int32_t fallback);

// What writes put into the file for a number and a boolean.
std::string IntegerText(int32_t value);
std::string_view BoolText(bool value);

// Typed writes into a document: the value as given, the decimal text, "1" or "0".
void WriteText(ProfileDocument& doc, std::string_view section, std::string_view key,
               std::string_view value);
void WriteInteger(ProfileDocument& doc, std::string_view section, std::string_view key,
                  int32_t value);
void WriteBool(ProfileDocument& doc, std::string_view section, std::string_view key, bool value);

}  // namespace sorimo
