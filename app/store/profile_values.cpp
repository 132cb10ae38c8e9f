#include "app/store/profile_values.h"

#include <cstdint>

namespace sorimo {

std::string ReadText(const ProfileDocument& doc, std::string_view section, std::string_view key,
                     std::string_view fallback) {
  const std::optional<std::string_view> value = doc.Find(section, key);
  return std::string((value ? *value : fallback).substr(0, kMaxValueLength));
}

int32_t ParseProfileInteger(std::string_view text, int32_t fallback) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string_view digits = text.substr(2);
    if (digits.size() > 8) return fallback;
    uint32_t value = 0;
    for (char c : digits) {
      int digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        return fallback;
      value = value * 16 + static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
  }

  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return fallback;
  // Stop as soon as the value leaves the 32-bit range, so no digit string can overflow.
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return fallback;
    value = value * 10 + (c - '0');
    if (value > int64_t{1} << 31) return fallback;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return fallback;
  return static_cast<int32_t>(value);
}

int32_t ReadInteger(const ProfileDocument& doc, std::string_view section, std::string_view key,
                    int32_t fallback) {
  const std::optional<std::string_view> value = doc.Find(section, key);
  if (!value) return fallback;
  return ParseProfileInteger(value->substr(0, kMaxValueLength), fallback);
}

bool ReadBool(const ProfileDocument& doc, std::string_view section, std::string_view key,
              bool fallback) {
  return ReadInteger(doc, section, key, fallback ? 1 : 0) != 0;
}

std::string IntegerText(int32_t value) { return std::to_string(value); }

std::string_view BoolText(bool value) { return value ? "1" : "0"; }

void WriteText(ProfileDocument& doc, std::string_view section, std::string_view key,
               std::string_view value) {
  doc.Set(section, key, value);
}

void WriteInteger(ProfileDocument& doc, std::string_view section, std::string_view key,
                  int32_t value) {
  doc.Set(section, key, IntegerText(value));
}

void WriteBool(ProfileDocument& doc, std::string_view section, std::string_view key, bool value) {
  doc.Set(section, key, BoolText(value));
}

}  // namespace sorimo
